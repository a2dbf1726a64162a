#pragma once
// The per-account list of downloads kept between runs: an XML document with one "file"
// entry per download, the unfinished ones and the newest finished ones. Engine code: no
// widgets, so it runs headless; the download tab shows what goes wrong.
#include "download/downloadfile.h"
#include "transfer/historyfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QVector>
#include <QPair>
#include <QString>

#include <functional>

class QXmlStreamAttributes;
class QXmlStreamReader;

class DownloadHistory {
public:
    // Finished downloads beyond this many (in list order) are neither written nor read.
    static constexpr int kMaxFinished = 500;
    // A document may take this much more than the free space reported for its volume.
    static constexpr qint64 kFreeSpaceSlack = historyfile::kFreeSpaceSlack;

    using SaveResult = historyfile::SaveResult;

    // The size of a file as the service reports it for a share link; 0 when it can't
    // be told.
    using SizeLookup = std::function<qint64(const QString& url)>;

    // What the file keeps of one download: copies, so the document can be built on
    // another thread while the job goes on. The password is enciphered only then.
    struct Entry {
        QString name;
        QString path;
        QString desc;
        QString url;
        QString typeFile;
        QString session;
        QString password;
        qint64 size = 0;
        double progress = 0.0;
        bool finished = false;
    };

    using Loaded = historyfile::Loaded<DownloadFile>;

    // The whole document for the jobs, in list order, byte for byte what QXmlStreamWriter
    // writes with auto-formatting (which it would take several times longer to build),
    // except that an unpaired surrogate becomes U+FFFD instead of breaking the document.
    static QByteArray document(const QList<DownloadFile*>& jobs, const QString& user,
                               const QDateTime& created = QDateTime::currentDateTime());
    static QByteArray document(const QVector<Entry>& entries, const QString& user,
                               const QDateTime& created = QDateTime::currentDateTime());
    // The entries the document of these jobs holds, in list order: every unfinished job
    // and the first kMaxFinished finished ones. Cheap: no cipher, no disk.
    static QVector<Entry> snapshot(const QList<DownloadFile*>& jobs);
    // Replaces the file atomically: on any failure the previous file stays as it was.
    static SaveResult write(const QString& path, const QByteArray& document);

    // The jobs of the file; a missing or unreadable file gives none, and is not broken.
    static Loaded load(const QString& path, const SizeLookup& sizeOf = &serviceSize);
    // The entries of the "downloadfiles" element the reader stands on. Stops at the
    // element's end, or where the input ends or breaks.
    static QList<DownloadFile*> parseDownloadList(QXmlStreamReader& reader,
                                                  const SizeLookup& sizeOf = &serviceSize);

    // Asks the service through the process-wide client, logging in again once when the
    // session expired. Blocks for the round trip.
    static qint64 serviceSize(const QString& url);

    // A stored password: "pwd" holds the cipher bytes as Latin-1 characters; passwords
    // that can't be carried so (characters beyond Latin-1, or cipher bytes XML cannot
    // hold) go as base64 of the cipher of their UTF-8 bytes in "pwd_b64". The attribute's
    // name and value; no name when the password is blank.
    static QPair<QString, QString> passwordAttribute(const QString& password);
    static QString readPassword(const QXmlStreamAttributes& attributes);

private:
    static void writeEntry(QString& out, const Entry& entry);
    static DownloadFile* readEntry(QXmlStreamReader& reader, int& finishedCount,
                                   const SizeLookup& sizeOf);
};
