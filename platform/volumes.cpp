#include "platform/volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

namespace {

QByteArray mapKnownType(const QByteArray& type) {
    const QByteArray t = type.toLower();
    if (t == "vfat" || t == "msdos")
        return "FAT32";
    if (t == "exfat")
        return "exFAT";
    if (t == "ntfs" || t == "ntfs3" || t == "ntfs-3g")
        return "NTFS";
    return type;
}

// ntfs-3g mounts as "fuseblk"; udev's database still knows what the device holds.
QByteArray blockDeviceType(const QByteArray& device) {
    struct stat st {};
    if (device.isEmpty() || stat(device.constData(), &st) != 0 || !S_ISBLK(st.st_mode))
        return {};
    QFile udev(
        QStringLiteral("/run/udev/data/b%1:%2").arg(major(st.st_rdev)).arg(minor(st.st_rdev)));
    if (!udev.open(QIODevice::ReadOnly))
        return {};
    static const QByteArray key = "E:ID_FS_TYPE=";
    for (const QByteArray& line : udev.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed();
    }
    return {};
}

QString nearestExisting(const QString& path) {
    QFileInfo info(path);
    QString current = info.absoluteFilePath();
    while (!QFileInfo::exists(current)) {
        const QString parent = QFileInfo(current).absolutePath();
        if (parent == current)
            return {};
        current = parent;
    }
    return current;
}

} // namespace

namespace platform {

QString fileSystemDisplayName(const QByteArray& mountType, const QByteArray& deviceType) {
    const QByteArray type = mountType.trimmed();
    if (type.isEmpty())
        return QStringLiteral("unknown");
    // FUSE drivers ("fuseblk" for ntfs-3g, "fuse.exfat") name the real file system in
    // a subtype or leave it to the device; only a name the program knows replaces
    // the mount type.
    if (type.startsWith("fuseblk") || type.startsWith("fuse.")) {
        const int dot = type.indexOf('.');
        const QByteArray inner = dot >= 0 ? type.mid(dot + 1) : deviceType.trimmed();
        const QByteArray mapped = mapKnownType(inner);
        if (mapped != inner)
            return QString::fromUtf8(mapped);
    }
    return QString::fromUtf8(mapKnownType(type));
}

std::string volumeFileSystemName(const std::string& path) {
    const QString existing = nearestExisting(QFile::decodeName(QByteArray::fromStdString(path)));
    if (path.empty() || existing.isEmpty())
        return "unknown";
    const QStorageInfo storage(existing);
    if (!storage.isValid())
        return "unknown";
    const QByteArray type = storage.fileSystemType();
    QByteArray deviceType;
    if (type == "fuseblk")
        deviceType = blockDeviceType(storage.device());
    return fileSystemDisplayName(type, deviceType).toStdString();
}

bool volumeSpace(const QString& path, qint64& total, qint64& freeForCaller) {
    struct statvfs vfs {};
    if (path.isEmpty() || statvfs(QFile::encodeName(path).constData(), &vfs) != 0)
        return false;
    total = static_cast<qint64>(vfs.f_blocks) * static_cast<qint64>(vfs.f_frsize);
    freeForCaller = static_cast<qint64>(vfs.f_bavail) * static_cast<qint64>(vfs.f_frsize);
    return true;
}

} // namespace platform
