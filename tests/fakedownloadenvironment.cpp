#include "tests/fakedownloadenvironment.h"

#include <QMutexLocker>

FakeDownloadEnvironment::FakeDownloadEnvironment() {
    replaced = DownloadEnvironment::install(this);
}

FakeDownloadEnvironment::~FakeDownloadEnvironment() {
    DownloadEnvironment::install(replaced);
}

std::string FakeDownloadEnvironment::fileSystemName(const std::string& folder) {
    const auto own = fileSystems.find(folder);
    return own != fileSystems.end() ? own->second : fileSystem;
}

bool FakeDownloadEnvironment::diskSpace(const QString&, qint64& total, qint64& freeForCaller) {
    if (!spaceAnswers)
        return false;
    total = qint64(1) << 41;
    freeForCaller = freeBytes;
    return true;
}

CURL* FakeDownloadEnvironment::createHandle() {
    return handlesFail ? nullptr : DownloadEnvironment::createHandle();
}

RecordingTimeSource::RecordingTimeSource() {
    replaced = TimeSource::install(this);
}

RecordingTimeSource::~RecordingTimeSource() {
    TimeSource::install(replaced);
}

std::chrono::milliseconds RecordingTimeSource::duration(Wait kind,
                                                        std::chrono::milliseconds designed) {
    QMutexLocker lock(&mutex);
    asked.append({kind, static_cast<qint64>(designed.count())});
    switch (kind) {
    case Wait::Retry:
        return retry;
    case Wait::AccountWait:
        return accountWait;
    case Wait::StallLimit:
        return stallLimit;
    case Wait::ChunkPause:
        return chunkPause;
    case Wait::CountdownStep:
        return countdownStep;
    default: // kinds the tests here don't shorten
        return designed;
    }
}

QList<qint64> RecordingTimeSource::designed(Wait kind) const {
    QMutexLocker lock(&mutex);
    QList<qint64> result;
    for (const auto& [k, ms] : asked) {
        if (k == kind)
            result.append(ms);
    }
    return result;
}

void RecordingTimeSource::clear() {
    QMutexLocker lock(&mutex);
    asked.clear();
}
