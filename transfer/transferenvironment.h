#pragma once
// What the transfers ask of the machine besides their own files: the file system and
// free space of a volume (a download's target, a history file's folder), libcurl
// handles, and the move of a file to another volume. One replaceable instance, so tests
// can fake a FAT32 or full disk, a handle that can't be made, or a slow move.
#include <curl/curl.h>

#include <QString>
#include <QtGlobal>

#include <string>

class TransferEnvironment {
public:
    virtual ~TransferEnvironment();

    // The volume's file-system name ("FAT32", "NTFS", "ext4"...; "unknown" on failure).
    virtual std::string fileSystemName(const std::string& folder);
    // Total and free bytes of the volume; false (outputs untouched) on failure.
    virtual bool diskSpace(const QString& folder, qint64& total, qint64& freeForCaller);
    // A new handle made the program's way (CA, proxy, protocols); null on failure.
    virtual CURL* createHandle();
    // Whether the file `from` and the folder `toFolder` lie on one file system, where a
    // rename moves the file at once.
    virtual bool sameFileSystem(const QString& from, const QString& toFolder);
    // Copies the file `from` over the file `to` (the caller's placeholder, which keeps the
    // name taken) on another file system: `to` is replaced whole, synced to the disk, or
    // stays as it was and false comes back (a full disk, a file-size limit). Blocks for
    // the copy.
    virtual bool copyAcross(const QString& from, const QString& to);

    // The instance in use: the installed one, else the real machine.
    static TransferEnvironment& current();
    // Installs a replacement (not owned; null restores the real one) and returns the
    // one replaced. Install before jobs run.
    static TransferEnvironment* install(TransferEnvironment* environment);
};
