#include "transfer/downloadenvironment.h"

#include "api/curlhandle.h"
#include "core/localpaths.h"

#include <QFile>
#include <QSaveFile>

#include <atomic>

#include <sys/stat.h>

namespace {

std::atomic<DownloadEnvironment*> g_installed{nullptr};

} // namespace

DownloadEnvironment::~DownloadEnvironment() = default;

std::string DownloadEnvironment::fileSystemName(const std::string& folder) {
    return ::fileSystemName(folder);
}

bool DownloadEnvironment::diskSpace(const QString& folder, qint64& total, qint64& freeForCaller) {
    return getDiskSpace(folder, total, freeForCaller);
}

CURL* DownloadEnvironment::createHandle() {
    return utils::create_curl_handle();
}

bool DownloadEnvironment::sameFileSystem(const QString& from, const QString& toFolder) {
    struct stat source {};
    struct stat target {};
    return ::stat(QFile::encodeName(from).constData(), &source) == 0 &&
           ::stat(QFile::encodeName(toFolder).constData(), &target) == 0 &&
           source.st_dev == target.st_dev;
}

bool DownloadEnvironment::copyAcross(const QString& from, const QString& to) {
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    QByteArray piece;
    while (!source.atEnd()) {
        piece = source.read(1 << 20);
        if (piece.isEmpty() || target.write(piece) != piece.size()) {
            target.cancelWriting();
            return false;
        }
    }
    return target.commit();
}

DownloadEnvironment& DownloadEnvironment::current() {
    static DownloadEnvironment real;
    DownloadEnvironment* installed = g_installed.load();
    return installed ? *installed : real;
}

DownloadEnvironment* DownloadEnvironment::install(DownloadEnvironment* environment) {
    return g_installed.exchange(environment);
}
