#include "download/downloadenvironment.h"

#include "api/curlhandle.h"
#include "core/localpaths.h"

#include <atomic>

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

DownloadEnvironment& DownloadEnvironment::current() {
    static DownloadEnvironment real;
    DownloadEnvironment* installed = g_installed.load();
    return installed ? *installed : real;
}

DownloadEnvironment* DownloadEnvironment::install(DownloadEnvironment* environment) {
    return g_installed.exchange(environment);
}
