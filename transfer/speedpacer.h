#pragma once
// Holds a transfer to a speed limit: after each piece it says how long to pause so that
// the bytes moved never run ahead of the time since the first one. Falling behind (a
// slow server) earns at most a second of catching up. Used by one thread.
#include <chrono>
#include <cstddef>

class SpeedPacer {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Clock = TimePoint (*)(); // tests pass a fake

    // bytesPerSecond 0 or less: no limit, never a pause.
    explicit SpeedPacer(double bytesPerSecond = 0, Clock clock = &std::chrono::steady_clock::now);

    // Counts bytes just moved; returns the pause that keeps the rate at the limit.
    std::chrono::nanoseconds account(std::size_t bytes);

private:
    double limit;
    Clock clock;
    bool started = false;
    TimePoint start;
    double bytes = 0;
};
