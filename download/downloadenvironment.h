#pragma once
// What a download job asks of the machine besides its own file: the file system and
// free space of the target volume, and libcurl handles. One replaceable instance, so
// tests can fake a FAT32 or full disk, or a handle that can't be made.
#include <curl/curl.h>

#include <QString>
#include <QtGlobal>

#include <string>

class DownloadEnvironment {
public:
    virtual ~DownloadEnvironment();

    // The volume's file-system name ("FAT32", "NTFS", "ext4"...; "unknown" on failure).
    virtual std::string fileSystemName(const std::string& folder);
    // Total and free bytes of the volume; false (outputs untouched) on failure.
    virtual bool diskSpace(const QString& folder, qint64& total, qint64& freeForCaller);
    // A new handle made the program's way (CA, proxy, protocols); null on failure.
    virtual CURL* createHandle();

    // The instance in use: the installed one, else the real machine.
    static DownloadEnvironment& current();
    // Installs a replacement (not owned; null restores the real one) and returns the
    // one replaced. Install before jobs run.
    static DownloadEnvironment* install(DownloadEnvironment* environment);
};
