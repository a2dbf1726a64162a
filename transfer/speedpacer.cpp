#include "transfer/speedpacer.h"

namespace {

constexpr std::chrono::seconds kMostCredit{1};

} // namespace

SpeedPacer::SpeedPacer(double bytesPerSecond, Clock clock) : limit(bytesPerSecond), clock(clock) {}

std::chrono::nanoseconds SpeedPacer::account(std::size_t count) {
    if (limit <= 0)
        return std::chrono::nanoseconds(0);
    const TimePoint now = clock();
    if (!started) {
        started = true;
        start = now;
    }
    bytes += double(count);
    TimePoint due = start + std::chrono::duration_cast<TimePoint::duration>(
                                std::chrono::duration<double>(bytes / limit));
    if (now - due > kMostCredit) {
        start += (now - due) - kMostCredit;
        due = now - kMostCredit;
    }
    return due > now ? std::chrono::duration_cast<std::chrono::nanoseconds>(due - now)
                     : std::chrono::nanoseconds(0);
}
