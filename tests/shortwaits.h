#pragma once
// The engines' fixed waits, made short for tests: each kind lasts what the test sets
// (as designed when set to zero), and the designed durations asked for are recorded.
// Installs itself for its lifetime.
#include "core/timesource.h"

#include <QList>
#include <QMutex>
#include <QPair>

#include <atomic>
#include <chrono>

class ShortWaits : public TimeSource {
public:
    ShortWaits();
    ~ShortWaits() override;

    std::chrono::milliseconds duration(Wait kind, std::chrono::milliseconds designed) override;

    // The designed durations asked for, in order, of one kind.
    QList<qint64> designed(Wait kind) const;
    void clear();

    // What each kind really lasts; may be changed while jobs run.
    using Duration = std::atomic<std::chrono::milliseconds>;
    Duration retry{std::chrono::milliseconds(20)};
    Duration accountWait{std::chrono::milliseconds(5)};
    Duration stallLimit{std::chrono::milliseconds(0)}; // as designed unless a test sets it
    Duration sendStall{std::chrono::milliseconds(0)};  // as designed unless a test sets it
    Duration chunkPause{std::chrono::milliseconds(1)};
    Duration countdownStep{std::chrono::milliseconds(1)};
    Duration speedLimit{std::chrono::milliseconds(1)};
    Duration fetchDeadline{std::chrono::milliseconds(0)}; // as designed unless a test sets it

private:
    mutable QMutex mutex;
    QList<QPair<Wait, qint64>> asked;
    TimeSource* replaced = nullptr;
};
