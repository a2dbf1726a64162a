#include "media/rssfilestemp.h"

#include "api/curlhandle.h"
#include "core/localpaths.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"

#include <QDebug>
#include <QFile>
#include <QUrl>

#include <cstdio>

namespace {

// A transfer that delivers less than this many bytes per second for this long is
// dropped, so a stalled site cannot keep a requester busy for ever.
constexpr long kLowSpeedBytes = 1;
constexpr long kLowSpeedSeconds = 60;
constexpr int kAttempts = 2;

size_t writeToFile(char* data, size_t size, size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<FILE*>(file));
}

int checkCancel(void* flag, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

} // namespace

RssFilesTemp::RssFilesTemp(QObject* parent) : QThread(parent) {}

RssFilesTemp::~RssFilesTemp() {
    cancel();
    wait();
}

QString RssFilesTemp::resultPath(const QString& fileName) {
    return tempFolder() + QLatin1Char('/') + fileName;
}

void RssFilesTemp::fetch(const QString& fileName, const QString& url) {
    if (isRunning())
        return;
    m_fileName = fileName;
    m_url = url;
    m_cancel = false;
    start();
}

void RssFilesTemp::cancel() {
    m_cancel = true;
}

void RssFilesTemp::run() {
    const QString path = resultPath(m_fileName);
    const QUrl url(m_url, QUrl::TolerantMode);
    if (!isWebAddress(url)) {
        qDebug() << "rss fail:"
                 << "not an http or https address:" << m_url;
        emit fetchFailed(path);
        return;
    }
    CURL* handle = utils::create_curl_handle();
    if (!handle) {
        SettingsStore().setValue(QLatin1String(SettingsKeys::UpdateLog),
                                 QStringLiteral("CURL error"));
        emit fetchFailed(path);
        return;
    }
    const QByteArray encoded = url.toEncoded();
    curl_easy_setopt(handle, CURLOPT_URL, encoded.constData());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, writeToFile);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytes);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, checkCancel);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &m_cancel);

    const QByteArray localPath = QFile::encodeName(path);
    CURLcode result = CURLE_GOT_NOTHING;
    for (int attempt = 0; attempt < kAttempts && !m_cancel; ++attempt) {
        std::remove(localPath.constData());
        FILE* file = std::fopen(localPath.constData(), "wb");
        if (!file)
            break;
        curl_easy_setopt(handle, CURLOPT_WRITEDATA, file);
        result = curl_easy_perform(handle);
        if (std::fclose(file) != 0 && result == CURLE_OK)
            result = CURLE_WRITE_ERROR;
        if (result == CURLE_OK)
            break;
    }
    curl_easy_cleanup(handle);

    if (result == CURLE_OK && !m_cancel) {
        emitReady(path);
        return;
    }
    qDebug() << "rss fail:" << curl_easy_strerror(result);
    emit fetchFailed(path);
}

void RssFilesTemp::emitReady(const QString& path) {
    const QString& name = m_fileName;
    if (name == QLatin1String("rssCategoryTemp.xml"))
        emit readyParseRssCategoryXml(path);
    else if (name == QLatin1String("rssListFilmsTemp.xml") ||
             name == QLatin1String("rssSearchTemp.xml"))
        emit readyParseRssListFilmsXml(path);
    else if (name == QLatin1String("searchSub.html"))
        emit readyReadSearchSubtitle(path);
    else if (name == QLatin1String("listSub.html"))
        emit readyReadListSubtitle(path);
    else if (name == QLatin1String("fileLinkSub.html"))
        emit readyDownloadSubtitle(path);
    else if (name == QLatin1String("tmpSubtitile.zip"))
        emit readyReadSubFile(path);
    else if (name.contains(QLatin1String("autoDownload")) && name.contains(QLatin1String(".xml")))
        emit autoDownload_readyParseRssListFilmsXml(path);
    else
        emit readyLoadPresentImage(path);
}
