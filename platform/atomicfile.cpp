#include "platform/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <mutex>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// QSaveFile gives the new file the old one's mode: a file its owner could not read (or
// write) would be so again, unreadable at every later start.
bool letOwnerReadAndWrite(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return false;
    const mode_t wanted = S_IRUSR | S_IWUSR;
    return (info.st_mode & wanted) == wanted || ::fchmod(fd, (info.st_mode & 07777) | wanted) == 0;
}

// Syncs the folder, so that a name just given in it is on the disk. A file system that
// cannot sync a folder, or a folder that cannot be opened for it, has nothing more to give.
bool syncFolder(const QString& folder, QString* error) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    if (!synced && error)
        *error = QStringLiteral("the folder could not be synced: ") + systemError();
    ::close(fd);
    return synced;
}

struct DamagedFiles {
    std::mutex mutex;
    QSet<QString> paths;
};

DamagedFiles& damagedFiles() {
    // Never freed: a writer thread may still ask while the process ends.
    static DamagedFiles* const files = new DamagedFiles;
    return *files;
}

} // namespace

bool flushAndSync(QFileDevice& file) {
    return file.flush() && ::fsync(file.handle()) == 0;
}

bool flushAndSync(std::FILE* file) {
    return std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    errno = 0;
    if (!letOwnerReadAndWrite(file.handle()) || file.write(bytes) != bytes.size() ||
        !flushAndSync(file)) {
        // A short write sets no error of the device's own.
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString() : systemError();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return syncFolder(QFileInfo(path).absolutePath(), error);
}

QString damagedCopyPath(const QString& path, int index) {
    const QString first = path + QStringLiteral(".damaged");
    return index == 0 ? first : first + QLatin1Char('.') + QString::number(index);
}

bool keepDamagedCopy(const QString& path, QString* error) {
    const QByteArray from = QFile::encodeName(path);
    struct stat original {};
    if (::stat(from.constData(), &original) != 0)
        return true;
    // The first free place; none when every one is taken.
    QString copy;
    for (int i = 0; i < kDamagedCopies && copy.isEmpty(); ++i) {
        const QString place = damagedCopyPath(path, i);
        struct stat kept {};
        if (::lstat(QFile::encodeName(place).constData(), &kept) == 0) {
            if (kept.st_dev == original.st_dev && kept.st_ino == original.st_ino)
                return true; // kept already, by a write that failed after it
        } else if (errno == ENOENT) {
            copy = place;
        } else {
            if (error)
                *error = systemError();
            return false;
        }
    }
    const QByteArray to =
        QFile::encodeName(copy.isEmpty() ? damagedCopyPath(path, kDamagedCopies - 1) : copy);
    if (copy.isEmpty() && ::unlink(to.constData()) != 0 && errno != ENOENT) {
        if (error)
            *error = systemError();
        return false;
    }
    if (::link(from.constData(), to.constData()) == 0)
        return true;
    // A file system without a second name for a file (FAT on a portable copy's stick).
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return writeFileAtomically(QFile::decodeName(to), bytes, error);
}

void noteDamaged(const QString& path) {
    DamagedFiles& files = damagedFiles();
    std::lock_guard<std::mutex> lock(files.mutex);
    files.paths.insert(path);
}

bool keepIfNotedDamaged(const QString& path, QString* error) {
    DamagedFiles& files = damagedFiles();
    {
        std::lock_guard<std::mutex> lock(files.mutex);
        if (!files.paths.contains(path))
            return true;
    }
    // Kept with no lock held: the disk work may take a while.
    if (!keepDamagedCopy(path, error))
        return false;
    std::lock_guard<std::mutex> lock(files.mutex);
    files.paths.remove(path);
    return true;
}

} // namespace platform
