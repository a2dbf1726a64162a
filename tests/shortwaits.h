#pragma once
// The upload tests' durations for the engine's fixed waits: short ones of the test's
// choosing, with a record of the designed durations asked for. Installs itself for its
// lifetime.
#include "core/timesource.h"

#include <QList>
#include <QMutex>
#include <QPair>

#include <atomic>

class ShortWaits : public TimeSource {
public:
    ShortWaits();
    ~ShortWaits() override;

    std::chrono::milliseconds duration(Wait kind, std::chrono::milliseconds designed) override;

    // The designed durations asked for, in order, of one kind.
    QList<qint64> designed(Wait kind) const;

    // What each wait really lasts, in milliseconds; the stall limit stays as designed.
    std::atomic<int> retry{20};
    std::atomic<int> chunkPause{1};
    std::atomic<int> countdownStep{1};

private:
    mutable QMutex mutex;
    QList<QPair<Wait, qint64>> asked;
    TimeSource* replaced = nullptr;
};
