#pragma once
// Runs code as on a disk that fills up: while it runs, no file of the process may grow
// past `bytes` (the limit `ulimit -f` sets), and SIGXFSZ is ignored, so a write past the
// limit fails with EFBIG instead of ending the process. Keep the process's own output
// out of regular files meanwhile.
#include <csignal>
#include <sys/resource.h>

template <class Run> auto withFileSizeLimit(rlim_t bytes, Run run) {
    struct sigaction ignore {};
    struct sigaction previousAction {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previousAction);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto result = run();
    setrlimit(RLIMIT_FSIZE, &previous);
    sigaction(SIGXFSZ, &previousAction, nullptr);
    return result;
}
