#pragma once
// Measures one transfer (a download or an upload): the fraction done, the speed over a
// sliding window of the last seconds, and the time left. A plain value without locks:
// its owner guards it when two threads reach it.
#include <QString>
#include <QtGlobal>

class TransferProgress {
public:
    // Seconds since the Unix epoch, with their fraction: a speed over whole seconds would
    // be off by up to a second's worth of bytes. The default reads a coarse clock, cheap
    // enough for every progress callback; tests pass a fake.
    using Clock = double (*)();
    static double systemSeconds();
    // Seconds of a clock that never steps (since boot), to the nanosecond: for timing a
    // stretch of work, which a change of the system's time must not lengthen or cut.
    static double steadySeconds();

    explicit TransferProgress(int windowSeconds, Clock clock = &TransferProgress::systemSeconds);

    void setTotalSize(qint64 bytes) { totalSize = bytes; }
    void setStartOffset(qint64 bytes) { startOffset = bytes; }
    qint64 getTotalSize() const { return totalSize; }
    qint64 getStartOffset() const { return startOffset; }
    qint64 getCurrentBytes() const { return currentBytes; }

    // A run begins with `offset` bytes already in place.
    void start(qint64 offset);
    void stop() { active = false; }
    bool isActive() const { return active; }
    // The run has moved `bytes` bytes (counted from the start offset).
    void update(qint64 bytes);

    // Bytes per second over the window; 0 when inactive or within the first second of a
    // run, when a few bytes would read as any speed at all.
    double speed() const;
    double progress() const;       // fraction of the total, not clamped; 0 without a total
    int remainingSeconds() const;  // -1 without an estimate
    QString remainingText() const; // "hh:mm:ss s", empty without an estimate

    // Owners refresh their display only when secondsSinceMark() is not 0.
    void markTime() { mark = lastUpdate; }
    // Whole seconds.
    quint32 secondsSinceMark() const {
        return mark > lastUpdate ? 0 : static_cast<quint32>(lastUpdate - mark);
    }

private:
    Clock clock;
    bool active = false;
    quint32 windowSeconds;
    qint64 totalSize = 0;
    qint64 startOffset = 0;
    qint64 windowBaseBytes = 0; // run bytes estimated at windowStart
    qint64 currentBytes = 0;
    double windowStart = 0;
    double lastUpdate = 0;
    double mark = 0;
};
