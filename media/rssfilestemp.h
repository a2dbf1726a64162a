#pragma once
// Fetches one address into a file of the program's temporary folder on a thread of its
// own, then says so with one signal chosen by the file's name. Feeds, poster images,
// subtitle pages and subtitle archives all come through here; the requester reads the
// file in its own thread when the signal arrives.
#include <QString>
#include <QThread>

#include <atomic>

class RssFilesTemp : public QThread {
    Q_OBJECT
public:
    explicit RssFilesTemp(QObject* parent = nullptr);
    // Stops a running fetch and waits for it, so an owner may go away at any time.
    ~RssFilesTemp() override;

    // Fetches `url` into tempFolder() + "/" + fileName. Dropped while a fetch runs.
    void fetch(const QString& fileName, const QString& url);
    // Asks a running fetch to stop; it then ends with fetchFailed.
    void cancel();

    // The path a fetch under this name writes.
    static QString resultPath(const QString& fileName);

signals:
    void readyParseRssCategoryXml(const QString& path);
    void readyParseRssListFilmsXml(const QString& path);
    void readyLoadPresentImage(const QString& path);
    void autoDownload_readyParseRssListFilmsXml(const QString& path);
    void readyReadSearchSubtitle(const QString& path);
    void readyReadListSubtitle(const QString& path);
    void readyDownloadSubtitle(const QString& path);
    void readyReadSubFile(const QString& path);
    // No file came (refused, cut, cancelled, not http or https): the requester leaves its
    // busy state. Carries the path the fetch would have written.
    void fetchFailed(const QString& path);

protected:
    void run() override;

private:
    void emitReady(const QString& path);

    QString m_url;
    QString m_fileName;
    std::atomic<bool> m_cancel{false};
};
