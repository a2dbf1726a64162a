#pragma once
// Fetches one address into a file of the program's temporary folder on a thread of its
// own, then says so with one signal chosen by the file's name. Feeds, poster images,
// subtitle pages and subtitle archives all come through here; the requester reads the
// file in its own thread when the signal arrives.
#include <QMutex>
#include <QString>
#include <QThread>

#include <curl/curl.h>

#include <atomic>
#include <chrono>

class RssFilesTemp : public QThread {
    Q_OBJECT
public:
    explicit RssFilesTemp(QObject* parent = nullptr);
    // Stops a running fetch and waits for it, so an owner may go away at any time.
    ~RssFilesTemp() override;

    // Fetches `url` into tempFolder() + "/" + fileName. Dropped while a fetch runs.
    void fetch(const QString& fileName, const QString& url);
    // Asks a running fetch to stop; it wakes at once and ends with fetchFailed.
    void cancel();
    // Cancels every fetch below `owner` without waiting, so that the waits of their
    // destructors, one after the other, find them all stopping together.
    static void cancelAll(QObject* owner);

    // The path a fetch under this name writes.
    static QString resultPath(const QString& fileName);
    // The most a fetch under this name may bring: a feed or page 8 MB, a subtitle archive
    // 32 MB, a poster 4 MB. A larger answer fails and leaves no file.
    static qint64 sizeLimit(const QString& fileName);
    // The longest a fetch under this name may take, all its attempts together: a feed,
    // page or poster 60 s, a subtitle archive 300 s. A slower one fails and leaves no
    // file.
    static std::chrono::milliseconds timeLimit(const QString& fileName);

signals:
    void readyParseRssCategoryXml(const QString& path);
    void readyParseRssListFilmsXml(const QString& path);
    void readyLoadPresentImage(const QString& path);
    void autoDownload_readyParseRssListFilmsXml(const QString& path);
    void readyReadSearchSubtitle(const QString& path);
    void readyReadListSubtitle(const QString& path);
    void readyDownloadSubtitle(const QString& path);
    void readyReadSubFile(const QString& path);
    // No file came (refused, cut, too large, cancelled, not http or https): the requester
    // leaves its busy state. Carries the path the fetch would have written, which is gone.
    void fetchFailed(const QString& path);

protected:
    void run() override;

private:
    void emitReady(const QString& path);

    QString m_url;
    QString m_fileName;
    std::atomic<bool> m_cancel{false};
    // The running transfer's multi handle, for cancel() to wake its wait.
    QMutex m_wakeMutex;
    CURLM* m_multi = nullptr;
};
