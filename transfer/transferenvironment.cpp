#include "transfer/transferenvironment.h"

#include "api/curlhandle.h"
#include "core/localpaths.h"
#include "platform/atomicfile.h"

#include <QFile>
#include <QSaveFile>

#include <atomic>

#include <sys/stat.h>

namespace {

std::atomic<TransferEnvironment*> g_installed{nullptr};

} // namespace

TransferEnvironment::~TransferEnvironment() = default;

std::string TransferEnvironment::fileSystemName(const std::string& folder) {
    return ::fileSystemName(folder);
}

bool TransferEnvironment::diskSpace(const QString& folder, qint64& total, qint64& freeForCaller) {
    return getDiskSpace(folder, total, freeForCaller);
}

CURL* TransferEnvironment::createHandle() {
    return utils::create_curl_handle();
}

bool TransferEnvironment::sameFileSystem(const QString& from, const QString& toFolder) {
    struct stat source {};
    struct stat target {};
    return ::stat(QFile::encodeName(from).constData(), &source) == 0 &&
           ::stat(QFile::encodeName(toFolder).constData(), &target) == 0 &&
           source.st_dev == target.st_dev;
}

bool TransferEnvironment::copyAcross(const QString& from, const QString& to) {
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    qint64 copied = 0;
    QByteArray piece;
    while (!source.atEnd()) {
        piece = source.read(1 << 20);
        if (piece.isEmpty() || target.write(piece) != piece.size()) {
            target.cancelWriting();
            return false;
        }
        copied += piece.size();
    }
    // The caller lets the source go on success: every byte must be on the disk first.
    // Qt 5's commit() neither counts a failed last flush nor syncs, so both happen here,
    // and the copy's length is compared with what was read and what the source holds.
    if (!platform::flushAndSync(target) || target.size() != copied || source.size() != copied) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

TransferEnvironment& TransferEnvironment::current() {
    static TransferEnvironment real;
    TransferEnvironment* installed = g_installed.load();
    return installed ? *installed : real;
}

TransferEnvironment* TransferEnvironment::install(TransferEnvironment* environment) {
    return g_installed.exchange(environment);
}
