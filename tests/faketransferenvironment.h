#pragma once
// A test stand-in for what the transfers ask of the machine; installs itself for its
// lifetime.
#include "transfer/transferenvironment.h"

#include <map>

// A volume of the test's choosing: its file-system name, free space (or a failing
// query), and optionally no libcurl handles at all.
class FakeTransferEnvironment : public TransferEnvironment {
public:
    FakeTransferEnvironment();
    ~FakeTransferEnvironment() override;

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
    TransferEnvironment* replaced = nullptr;
};
