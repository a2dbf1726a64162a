#pragma once
// Holds a transfer to a speed limit: after each piece it says how long to pause so that
// the bytes moved never run ahead of the time since the first one. Falling behind (a
// slow line) earns at most `mostCredit` of catching up, so a line that frees up after a
// stall does not carry the stall's bytes at once. Used by one thread.
#include <chrono>
#include <cstddef>

class SpeedPacer {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Clock = TimePoint (*)(); // tests pass a fake

    // bytesPerSecond 0 or less: no limit, never a pause.
    explicit SpeedPacer(double bytesPerSecond = 0, Clock clock = &std::chrono::steady_clock::now,
                        std::chrono::nanoseconds mostCredit = std::chrono::seconds(1));

    bool isLimited() const { return limit > 0; }
    double bytesPerSecond() const { return limit; }

    // Counts bytes just moved; returns the pause that keeps the rate at the limit.
    std::chrono::nanoseconds account(std::size_t bytes);

    // How much of `asked` to move before the next pause: a limited transfer goes in pieces
    // of a fraction of a second, so that what it sends is smooth at any scale of time.
    std::size_t piece(std::size_t asked) const;
    // The largest piece; unlimited when there is no limit.
    std::size_t pieceSize() const;

private:
    double limit;
    Clock clock;
    std::chrono::nanoseconds mostCredit;
    bool started = false;
    TimePoint start;
    double bytes = 0;
};
