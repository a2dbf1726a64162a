#pragma once
// Test stand-ins for what download jobs ask of the machine and of the clock. Each
// installs itself for its lifetime.
#include "core/timesource.h"
#include "download/downloadenvironment.h"

#include <QList>
#include <QMutex>
#include <QPair>
#include <map>

// A volume of the test's choosing: its file-system name, free space (or a failing
// query), and optionally no libcurl handles at all.
class FakeDownloadEnvironment : public DownloadEnvironment {
public:
    FakeDownloadEnvironment();
    ~FakeDownloadEnvironment() override;

    std::string fileSystemName(const std::string& folder) override;
    bool diskSpace(const QString& folder, qint64& total, qint64& freeForCaller) override;
    CURL* createHandle() override;

    // Set before jobs run. Folders listed in fileSystems have their own.
    std::string fileSystem = "ext4";
    std::map<std::string, std::string> fileSystems;
    bool spaceAnswers = true;
    qint64 freeBytes = qint64(1) << 40;
    bool handlesFail = false;

private:
    DownloadEnvironment* replaced = nullptr;
};

// Records every wait the engine asks for and answers with short durations.
class RecordingTimeSource : public TimeSource {
public:
    RecordingTimeSource();
    ~RecordingTimeSource() override;

    std::chrono::milliseconds duration(Wait kind, std::chrono::milliseconds designed) override;

    // The designed durations asked for, in order, of one kind.
    QList<qint64> designed(Wait kind) const;
    void clear();

    // What each kind really lasts; set before jobs run.
    std::chrono::milliseconds retry{20};
    std::chrono::milliseconds accountWait{5};
    std::chrono::milliseconds stallLimit{1000};
    std::chrono::milliseconds chunkPause{1};
    std::chrono::milliseconds countdownStep{1};

private:
    mutable QMutex mutex;
    QList<QPair<Wait, qint64>> asked;
    TimeSource* replaced = nullptr;
};
