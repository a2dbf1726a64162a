#include "platform/atomicfile.h"

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

} // namespace platform
