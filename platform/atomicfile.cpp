#include "platform/atomicfile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace platform {

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
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
    if (file.write(bytes) != bytes.size() || !flushAndSync(file)) {
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
    return true;
}

QString damagedCopyPath(const QString& path) {
    return path + QStringLiteral(".damaged");
}

bool keepDamagedCopy(const QString& path, QString* error) {
    const QByteArray from = QFile::encodeName(path);
    const QString copy = damagedCopyPath(path);
    const QByteArray to = QFile::encodeName(copy);
    if (::access(from.constData(), F_OK) != 0)
        return true;
    if (::unlink(to.constData()) != 0 && errno != ENOENT) {
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
    return writeFileAtomically(copy, bytes, error);
}

} // namespace platform
