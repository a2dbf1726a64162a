#include "tests/faketransferenvironment.h"

FakeTransferEnvironment::FakeTransferEnvironment() {
    replaced = TransferEnvironment::install(this);
}

FakeTransferEnvironment::~FakeTransferEnvironment() {
    TransferEnvironment::install(replaced);
}

std::string FakeTransferEnvironment::fileSystemName(const std::string& folder) {
    const auto own = fileSystems.find(folder);
    return own != fileSystems.end() ? own->second : fileSystem;
}

bool FakeTransferEnvironment::diskSpace(const QString&, qint64& total, qint64& freeForCaller) {
    if (!spaceAnswers)
        return false;
    total = qint64(1) << 41;
    freeForCaller = freeBytes;
    return true;
}

CURL* FakeTransferEnvironment::createHandle() {
    return handlesFail ? nullptr : TransferEnvironment::createHandle();
}
