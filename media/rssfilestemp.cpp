#include "media/rssfilestemp.h"

#include "api/curlhandle.h"
#include "core/localpaths.h"
#include "core/timesource.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QFile>
#include <QMutexLocker>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace {

// A transfer that delivers less than this many bytes per second for this long is
// dropped, so a stalled site cannot keep a requester busy for ever.
constexpr long kLowSpeedBytes = 1;
constexpr long kLowSpeedSeconds = 60;
// A site that trickles a byte now and then passes the low-speed limit, so each fetch also
// has a deadline for the whole of it, attempts included.
constexpr std::chrono::seconds kPageTimeLimit{60};
constexpr std::chrono::seconds kArchiveTimeLimit{300};
constexpr int kAttempts = 2;
constexpr qint64 kLeastAttemptMs = 100;
constexpr int kPollMs = 1000;

constexpr qint64 kMB = 1024 * 1024;
constexpr qint64 kPageLimit = 8 * kMB;
constexpr qint64 kArchiveLimit = 32 * kMB;
constexpr qint64 kPosterLimit = 4 * kMB;

// What a fetch brings, told by its file name: it chooses the ready signal and the limit.
enum class Kind {
    Category,
    Films,
    SearchPage,
    ListPage,
    SubtitlePage,
    Archive,
    AutoDownload,
    Poster
};

Kind kindOf(const QString& name) {
    if (name == QLatin1String("rssCategoryTemp.xml"))
        return Kind::Category;
    if (name == QLatin1String("rssListFilmsTemp.xml") || name == QLatin1String("rssSearchTemp.xml"))
        return Kind::Films;
    if (name == QLatin1String("searchSub.html"))
        return Kind::SearchPage;
    if (name == QLatin1String("listSub.html"))
        return Kind::ListPage;
    if (name == QLatin1String("fileLinkSub.html"))
        return Kind::SubtitlePage;
    if (name == QLatin1String("tmpSubtitile.zip"))
        return Kind::Archive;
    if (name.contains(QLatin1String("autoDownload")) && name.contains(QLatin1String(".xml")))
        return Kind::AutoDownload;
    return Kind::Poster;
}

struct Sink {
    FILE* file = nullptr;
    qint64 written = 0;
    qint64 limit = 0;
    bool tooLarge = false;
};

size_t writeToFile(char* data, size_t size, size_t count, void* context) {
    auto* sink = static_cast<Sink*>(context);
    const qint64 bytes = qint64(size * count);
    if (sink->written + bytes > sink->limit) {
        sink->tooLarge = true;
        return 0; // libcurl ends the transfer with a write error
    }
    sink->written += bytes;
    return std::fwrite(data, 1, size * count, sink->file);
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

qint64 RssFilesTemp::sizeLimit(const QString& fileName) {
    switch (kindOf(fileName)) {
    case Kind::Archive:
        return kArchiveLimit;
    case Kind::Poster:
        return kPosterLimit;
    default:
        return kPageLimit;
    }
}

std::chrono::milliseconds RssFilesTemp::timeLimit(const QString& fileName) {
    return kindOf(fileName) == Kind::Archive ? kArchiveTimeLimit : kPageTimeLimit;
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
    QMutexLocker lock(&m_wakeMutex);
    if (m_multi)
        curl_multi_wakeup(m_multi);
}

void RssFilesTemp::cancelAll(QObject* owner) {
    for (RssFilesTemp* fetcher : owner->findChildren<RssFilesTemp*>())
        fetcher->cancel();
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
    CURLM* multi = handle ? curl_multi_init() : nullptr;
    if (!multi) {
        if (handle)
            curl_easy_cleanup(handle);
        SettingsStore().setValue(QLatin1String(SettingsKeys::UpdateLog),
                                 QStringLiteral("CURL error"));
        emit fetchFailed(path);
        return;
    }
    const QByteArray encoded = url.toEncoded();
    Sink sink;
    sink.limit = sizeLimit(m_fileName);
    curl_easy_setopt(handle, CURLOPT_URL, encoded.constData());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, writeToFile);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &sink);
    // An announced length above the limit is refused before anything is written.
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(sink.limit));
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytes);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds);
    {
        QMutexLocker lock(&m_wakeMutex);
        m_multi = multi;
    }

    const QByteArray localPath = QFile::encodeName(path);
    const QDeadlineTimer deadline(
        TimeSource::current().duration(TimeSource::Wait::FetchDeadline, timeLimit(m_fileName)));
    CURLcode result = CURLE_GOT_NOTHING;
    bool tooLarge = false;
    for (int attempt = 0; attempt < kAttempts && !m_cancel && !tooLarge; ++attempt) {
        const qint64 timeLeft = deadline.remainingTime();
        // libcurl's clock and ours part by a rounding: an attempt that ended at the
        // deadline may leave a moment over, too short for another attempt. The last
        // result already says the time ran out.
        if (attempt > 0 && timeLeft < kLeastAttemptMs)
            break;
        curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(std::max<qint64>(timeLeft, 1)));
        std::remove(localPath.constData());
        sink.file = std::fopen(localPath.constData(), "wb");
        if (!sink.file)
            break;
        sink.written = 0;
        sink.tooLarge = false;
        // Driven through a multi handle so that cancel() wakes the wait at once instead
        // of at libcurl's next progress call.
        curl_multi_add_handle(multi, handle);
        int running = 1;
        result = CURLE_ABORTED_BY_CALLBACK;
        while (!m_cancel) {
            curl_multi_perform(multi, &running);
            if (!running)
                break;
            curl_multi_poll(multi, nullptr, 0, kPollMs, nullptr);
        }
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
            if (message->msg == CURLMSG_DONE)
                result = message->data.result;
        }
        curl_multi_remove_handle(multi, handle);
        if (std::fclose(sink.file) != 0 && result == CURLE_OK)
            result = CURLE_WRITE_ERROR;
        tooLarge = sink.tooLarge || result == CURLE_FILESIZE_EXCEEDED;
        if (result == CURLE_OK && !m_cancel)
            break;
    }
    {
        QMutexLocker lock(&m_wakeMutex);
        m_multi = nullptr;
    }
    curl_multi_cleanup(multi);
    curl_easy_cleanup(handle);

    if (result == CURLE_OK && !m_cancel) {
        emitReady(path);
        return;
    }
    if (tooLarge)
        qDebug() << "rss fail: the answer is larger than" << sink.limit << "bytes:" << m_url;
    else if (!m_cancel)
        qDebug() << "rss fail:" << curl_easy_strerror(result);
    // Nobody reads what a failed fetch left.
    QFile::remove(path);
    emit fetchFailed(path);
}

void RssFilesTemp::emitReady(const QString& path) {
    switch (kindOf(m_fileName)) {
    case Kind::Category:
        emit readyParseRssCategoryXml(path);
        break;
    case Kind::Films:
        emit readyParseRssListFilmsXml(path);
        break;
    case Kind::SearchPage:
        emit readyReadSearchSubtitle(path);
        break;
    case Kind::ListPage:
        emit readyReadListSubtitle(path);
        break;
    case Kind::SubtitlePage:
        emit readyDownloadSubtitle(path);
        break;
    case Kind::Archive:
        emit readyReadSubFile(path);
        break;
    case Kind::AutoDownload:
        emit autoDownload_readyParseRssListFilmsXml(path);
        break;
    case Kind::Poster:
        emit readyLoadPresentImage(path);
        break;
    }
}
