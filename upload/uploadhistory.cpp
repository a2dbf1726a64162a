#include "upload/uploadhistory.h"

#include "upload/uploadjobs.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

using historyfile::appendAttribute;
using historyfile::appendEscaped;
using historyfile::progressFromText;

} // namespace

QByteArray UploadHistory::document(const QList<UploadFile*>& jobs, const QString& user,
                                   const QDateTime& created) {
    return historyfile::document("uploadfiles", jobs, user, created, kMaxFinished, &writeEntry);
}

void UploadHistory::writeEntry(QString& out, const UploadFile& job) {
    const MegaFile folder = job.getFolder();
    out += QLatin1String("\n    <file");
    appendAttribute(out, "id", folder.getId());
    appendAttribute(out, "linkcode", folder.getLinkcode());
    appendAttribute(out, "name", folder.getName());
    appendAttribute(out, "path", job.getPath());
    appendAttribute(out, "desc", job.getDesc());
    appendAttribute(out, "realUrl", job.getRealUrl());
    appendAttribute(out, "fileSecure", job.getFileSecure());
    appendAttribute(out, "fileDirectLink",
                    job.getFileDirectLink() == QLatin1String("2") ? QStringLiteral("2")
                                                                  : QStringLiteral("0"));
    const double progress = job.progress();
    if (progress > 0.0 && progress < 1.0) {
        appendAttribute(out, "progress", QString::number(progress, 'g', 6));
        appendAttribute(out, "host", job.getHost());
    }
    if (job.isFinished()) {
        appendAttribute(out, "mlink", job.getMlink());
        appendAttribute(out, "status", QStringLiteral("true"));
    }
    out += QLatin1Char('>');
    appendEscaped(out, job.getName(), false);
    out += QLatin1String("</file>");
}

historyfile::SaveResult UploadHistory::write(const QString& path, const QByteArray& document) {
    return historyfile::write(path, document);
}

UploadHistory::Loaded UploadHistory::load(const QString& path, const QString& accountId) {
    Loaded loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return loaded;
    const QByteArray bytes = file.readAll();
    file.close();
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("file")) {
            if (UploadFile* job = parseFolder(reader, accountId))
                loaded.jobs.append(job);
        }
    }
    if (reader.hasError()) {
        loaded.broken = true;
        loaded.error = reader.errorString();
    }
    return loaded;
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
