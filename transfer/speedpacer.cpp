#include "transfer/speedpacer.h"

#include <limits>

#include <algorithm>

namespace {

// Pieces of a limited transfer: a twentieth of a second each, but never tiny.
constexpr double kPiecesPerSecond = 20;
constexpr std::size_t kSmallestPiece = 1024;

} // namespace

SpeedPacer::SpeedPacer(double bytesPerSecond, Clock clock, std::chrono::nanoseconds mostCredit)
    : limit(bytesPerSecond), clock(clock),
      mostCredit(std::max(mostCredit, std::chrono::nanoseconds(0))) {}

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
    if (now - due > mostCredit) {
        start += (now - due) - mostCredit;
        due = now - mostCredit;
    }
    return due > now ? std::chrono::duration_cast<std::chrono::nanoseconds>(due - now)
                     : std::chrono::nanoseconds(0);
}

std::size_t SpeedPacer::piece(std::size_t asked) const {
    return std::min(asked, pieceSize());
}

std::size_t SpeedPacer::pieceSize() const {
    if (limit <= 0)
        return std::numeric_limits<std::size_t>::max();
    const auto share = static_cast<std::size_t>(limit / kPiecesPerSecond);
    return std::max(share, kSmallestPiece);
}
