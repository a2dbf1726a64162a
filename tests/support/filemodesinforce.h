#pragma once
// Runs code with file modes in force, as they are for an ordinary user: a process running
// as root (as the tests may) reads any file whatever its mode, so a file of mode 0200
// would read as if nothing were wrong with it. `run` runs on a thread of its own that has
// let go of its capabilities to pass over file modes, for good (access() would take back
// the ones only set aside), and the thread goes with them; threads it starts inherit
// that. Without them there is nothing to let go of. Whether the modes are in force is
// the test's to check (a file of mode 0200 does not open), and a failure inside `run` is
// the caller's to see afterwards (QTest::currentTestFailed).
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <thread>

template <class Run> void withFileModesInForce(Run run) {
    std::thread thread([&run] {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3]{};
        if (::syscall(SYS_capget, &header, caps) == 0) {
            const __u32 passOver = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
            caps[0].effective &= ~passOver;
            caps[0].permitted &= ~passOver;
            caps[0].inheritable &= ~passOver;
            ::syscall(SYS_capset, &header, caps);
        }
        run();
    });
    thread.join();
}
