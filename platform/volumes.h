#pragma once
// Disks: the file system and the free space of the volume holding a path.
#include <QByteArray>
#include <QString>

#include <string>

namespace platform {

// The name the program compares for a mount's file-system type: FAT variants read
// "FAT32", exFAT "exFAT", NTFS drivers "NTFS", anything else as reported, an empty
// type "unknown". FUSE block mounts (ntfs-3g) report their real type through
// deviceType when the mount type doesn't carry it.
QString fileSystemDisplayName(const QByteArray& mountType, const QByteArray& deviceType = {});

// The mapped file-system name of the volume holding the path (UTF-8), or "unknown".
// A path that doesn't exist yet is looked up by its nearest existing parent.
std::string volumeFileSystemName(const std::string& path);

// Total bytes of the volume holding the path and the bytes this user may still
// write; false (outputs untouched) when the path can't be queried.
bool volumeSpace(const QString& path, qint64& total, qint64& freeForCaller);

} // namespace platform
