#include "tests/fakedownloadenvironment.h"

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
