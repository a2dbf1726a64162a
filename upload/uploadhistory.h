#pragma once
// The per-account list of uploads kept between runs: an XML document with one "file"
// entry per upload, the queue and the newest finished uploads. Engine code: no widgets,
// so it runs headless; the upload tab shows what goes wrong.
#include "transfer/historyfile.h"
#include "upload/uploadfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>

class QXmlStreamReader;

class UploadHistory {
public:
    // Finished uploads beyond this many (in list order) are not written.
    static constexpr int kMaxFinished = 500;

    // What the file keeps of one upload: copies, so the document can be built on another
    // thread while the job goes on.
    struct Entry {
        MegaFile folder;
        QString name;
        QString path;
        QString desc;
        QString realUrl;
        QString fileSecure;
        QString fileDirectLink;
        QString host;
        QString mlink;
        double progress = 0.0;
        bool finished = false;
    };

    using Loaded = historyfile::Loaded<UploadFile>;

    // The whole document for the jobs, in list order.
    static QByteArray document(const QList<UploadFile*>& jobs, const QString& user,
                               const QDateTime& created = QDateTime::currentDateTime());
    static QByteArray document(const QVector<Entry>& entries, const QString& user,
                               const QDateTime& created = QDateTime::currentDateTime());
    // The entries the document of these jobs holds, in list order: every unfinished job
    // and the first kMaxFinished finished ones. Cheap: no disk.
    static QVector<Entry> snapshot(const QList<UploadFile*>& jobs);
    // Atomic; the old file stays on any failure.
    static historyfile::SaveResult write(const QString& path, const QByteArray& document);

    // The jobs of the file, their ids keyed with `accountId`. A missing or unreadable
    // file gives none, and is not broken.
    static Loaded load(const QString& path, const QString& accountId);
    // The job of the "file" element the reader stands on; null when the entry is dropped
    // (an unfinished upload whose local file is gone). Leaves the reader on the
    // element's end, or where the input ends or breaks.
    static UploadFile* parseFolder(QXmlStreamReader& reader, const QString& accountId);

private:
    static void writeEntry(QString& out, const Entry& entry);
};
