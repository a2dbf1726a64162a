#include "tests/shortwaits.h"

#include <QMutexLocker>

ShortWaits::ShortWaits() {
    replaced = TimeSource::install(this);
}

ShortWaits::~ShortWaits() {
    TimeSource::install(replaced);
}

std::chrono::milliseconds ShortWaits::duration(Wait kind, std::chrono::milliseconds designed) {
    {
        QMutexLocker lock(&mutex);
        asked.append({kind, static_cast<qint64>(designed.count())});
    }
    const Duration* set = nullptr;
    switch (kind) {
    case Wait::Retry:
        set = &retry;
        break;
    case Wait::AccountWait:
        set = &accountWait;
        break;
    case Wait::StallLimit:
        set = &stallLimit;
        break;
    case Wait::SendStall:
        set = &sendStall;
        break;
    case Wait::ChunkPause:
        set = &chunkPause;
        break;
    case Wait::CountdownStep:
        set = &countdownStep;
        break;
    case Wait::SpeedLimit:
        set = &speedLimit;
        break;
    case Wait::FetchDeadline:
        set = &fetchDeadline;
        break;
    default: // kinds the tests don't shorten
        return designed;
    }
    const std::chrono::milliseconds chosen = set->load();
    return chosen.count() > 0 ? chosen : designed;
}

QList<qint64> ShortWaits::designed(Wait kind) const {
    QMutexLocker lock(&mutex);
    QList<qint64> result;
    for (const auto& [k, ms] : asked) {
        if (k == kind)
            result.append(ms);
    }
    return result;
}

void ShortWaits::clear() {
    QMutexLocker lock(&mutex);
    asked.clear();
}
