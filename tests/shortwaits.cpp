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
    switch (kind) {
    case Wait::Retry:
        return std::chrono::milliseconds(retry.load());
    case Wait::ChunkPause:
        return std::chrono::milliseconds(chunkPause.load());
    case Wait::CountdownStep:
        return std::chrono::milliseconds(countdownStep.load());
    default:
        return designed;
    }
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
