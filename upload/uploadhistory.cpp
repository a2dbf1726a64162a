#include "upload/uploadhistory.h"

#include "upload/uploadjobs.h"

#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

using historyfile::appendAttribute;
using historyfile::appendEscaped;
using historyfile::progressFromText;

} // namespace

QVector<UploadHistory::Entry> UploadHistory::snapshot(const QList<UploadFile*>& jobs) {
    return historyfile::snapshot<Entry>(jobs, kMaxFinished, [](const UploadFile& job) {
        Entry entry;
        entry.folder = job.getFolder();
        entry.name = job.getName();
        entry.path = job.getPath();
        entry.desc = job.getDesc();
        entry.realUrl = job.getRealUrl();
        entry.fileSecure = job.getFileSecure();
        entry.fileDirectLink = job.getFileDirectLink();
        entry.host = job.getHost();
        entry.mlink = job.getMlink();
        entry.progress = job.progress();
        return entry;
    });
}

QByteArray UploadHistory::document(const QList<UploadFile*>& jobs, const QString& user,
                                   const QDateTime& created) {
    return document(snapshot(jobs), user, created);
}

QByteArray UploadHistory::document(const QVector<Entry>& entries, const QString& user,
                                   const QDateTime& created) {
    return historyfile::document("uploadfiles", entries, user, created, &writeEntry);
}

void UploadHistory::writeEntry(QString& out, const Entry& entry) {
    out += QLatin1String("\n    <file");
    appendAttribute(out, "id", entry.folder.getId());
    appendAttribute(out, "linkcode", entry.folder.getLinkcode());
    appendAttribute(out, "name", entry.folder.getName());
    appendAttribute(out, "path", entry.path);
    appendAttribute(out, "desc", entry.desc);
    appendAttribute(out, "realUrl", entry.realUrl);
    appendAttribute(out, "fileSecure", entry.fileSecure);
    appendAttribute(out, "fileDirectLink",
                    entry.fileDirectLink == QLatin1String("2") ? QStringLiteral("2")
                                                               : QStringLiteral("0"));
    if (entry.progress > 0.0 && entry.progress < 1.0) {
        appendAttribute(out, "progress", QString::number(entry.progress, 'g', 6));
        appendAttribute(out, "host", entry.host);
    }
    if (entry.finished) {
        appendAttribute(out, "mlink", entry.mlink);
        appendAttribute(out, "status", QStringLiteral("true"));
    }
    out += QLatin1Char('>');
    appendEscaped(out, entry.name, false);
    out += QLatin1String("</file>");
}

historyfile::SaveResult UploadHistory::write(const QString& path, const QByteArray& document) {
    return historyfile::write(path, document);
}

UploadHistory::Loaded UploadHistory::load(const QString& path, const QString& accountId) {
    return historyfile::load<UploadFile>(
        path, "file", [&accountId](QXmlStreamReader& reader, QList<UploadFile*>& jobs) {
            if (UploadFile* job = parseFolder(reader, accountId))
                jobs.append(job);
        });
}

UploadFile* UploadHistory::parseFolder(QXmlStreamReader& reader, const QString& accountId) {
    // Every value comes from this element alone: an entry without text or attributes
    // never takes over those of the entry before it.
    const QXmlStreamAttributes attributes = reader.attributes();
    const auto text = [&attributes](const char* name) {
        return attributes.value(QLatin1String(name)).toString();
    };
    const QString path = text("path");
    QString name = reader.readElementText(QXmlStreamReader::SkipChildElements);
    if (reader.hasError())
        return nullptr;
    if (name.isEmpty())
        name = QFileInfo(path).fileName();
    const bool finished = text("status") == QLatin1String("true");
    const QFileInfo local(path);
    // An unfinished upload has nothing left to send without its file; a finished one
    // keeps its link.
    if (!finished && (path.isEmpty() || !local.isFile()))
        return nullptr;
    MegaFile folder;
    folder.setId(text("id"));
    folder.setLinkcode(text("linkcode"));
    folder.setName(text("name"));
    auto* job = new UploadFile(folder, name, path, text("desc"), text("host"), text("realUrl"));
    job->setSize(local.isFile() ? local.size() : 0);
    job->setProgress(progressFromText(text("progress")));
    job->setFileSecure(text("fileSecure") == QLatin1String("1"));
    job->setFileDirectLink(text("fileDirectLink") == QLatin1String("2"));
    job->setMlink(text("mlink"));
    job->setId(uploadJobKey(name, accountId, folder.getId()));
    job->setFinished(finished);
    return job;
}
