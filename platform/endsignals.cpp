#include "platform/endsignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's writing end while an EndSignals lives; read inside the handler, so atomic.
std::atomic<int> g_writeEnd{-1};

extern "C" void onEndSignal(int number) {
    const int saved = errno;
    const int fd = g_writeEnd.load();
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(number);
        // Nothing to do about a full pipe: a byte is waiting to be read already.
        (void)!write(fd, &byte, 1);
    }
    errno = saved;
}

constexpr int kNumbers[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent) {
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("end signals: no pipe (%s); they end the program where it stands",
                 qPrintable(qt_error_string(errno)));
        pipeEnds[0] = pipeEnds[1] = -1;
    } else {
        g_writeEnd.store(pipeEnds[1]);
        notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &EndSignals::readPipe);
    }
    for (int i = 0; i < 3; ++i) {
        Replaced& entry = replaced[i];
        entry.number = kNumbers[i];
        entry.caught = false;
        if (pipeEnds[1] < 0 || sigaction(entry.number, nullptr, &entry.action) != 0)
            continue;
        if (entry.action.sa_handler == SIG_IGN)
            continue; // started not to hear it (nohup, a background job of a shell)
        struct sigaction action {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        entry.caught = sigaction(entry.number, &action, nullptr) == 0;
    }
}

EndSignals::~EndSignals() {
    for (const Replaced& entry : replaced) {
        if (entry.caught)
            sigaction(entry.number, &entry.action, nullptr);
    }
    if (pipeEnds[1] < 0)
        return;
    g_writeEnd.store(-1);
    delete notifier;
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}

void EndSignals::readPipe() {
    unsigned char numbers[16];
    for (;;) {
        const ssize_t count = read(pipeEnds[0], numbers, sizeof numbers);
        if (count <= 0) {
            if (count < 0 && errno == EINTR)
                continue;
            return; // empty (EAGAIN), or nothing more will come
        }
        for (ssize_t i = 0; i < count; ++i)
            emit received(numbers[i]);
    }
}
