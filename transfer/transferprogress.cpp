#include "transfer/transferprogress.h"

#include <time.h>

#include <algorithm>

double TransferProgress::systemSeconds() {
    // The coarse clock is read without a system call; its resolution of a few
    // milliseconds is plenty for a speed over seconds.
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double TransferProgress::steadySeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

TransferProgress::TransferProgress(int windowSeconds, Clock clock)
    : clock(clock), windowSeconds(static_cast<quint32>(windowSeconds)) {}

void TransferProgress::start(qint64 offset) {
    active = true;
    startOffset = offset;
    windowStart = lastUpdate = clock();
    windowBaseBytes = currentBytes = 0;
    mark = 0;
}

void TransferProgress::update(qint64 bytes) {
    const double now = clock();
    if (now < windowStart) // the clock stepped back: nothing sensible to measure
        return;
    lastUpdate = now;
    currentBytes = bytes;
    const double elapsed = now - windowStart;
    if (elapsed > double(windowSeconds)) {
        // Slide the base along the straight line from the old base to the current
        // count, by the part of the old window that falls out.
        const double fraction = (elapsed - double(windowSeconds)) / elapsed;
        windowBaseBytes += static_cast<qint64>(fraction * double(bytes - windowBaseBytes));
        windowStart = now - double(windowSeconds);
    }
}

double TransferProgress::speed() const {
    if (!active || lastUpdate - windowStart < 1.0)
        return 0;
    return double(currentBytes - windowBaseBytes) / (lastUpdate - windowStart);
}

double TransferProgress::progress() const {
    if (totalSize == 0)
        return 0;
    return double(startOffset + currentBytes) / double(totalSize);
}

int TransferProgress::remainingSeconds() const {
    // Without a known total (a zip, say) there is nothing to estimate.
    if (!active || totalSize <= 0)
        return -1;
    const double bytesPerSecond = speed();
    if (bytesPerSecond < 1.0)
        return -1;
    // A server sending more than announced leaves nothing to wait for, not a negative time.
    // Under a second left is still time left: 0 only when nothing remains.
    const double left = double(totalSize - startOffset - currentBytes) / bytesPerSecond;
    return left > 0 ? std::max(1, static_cast<int>(left)) : 0;
}

QString TransferProgress::remainingText() const {
    const int r = remainingSeconds();
    if (r == -1)
        return QString();
    return QString::asprintf("%02d:%02d:%02d s", r / 3600, (r % 3600) / 60, r % 60);
}
