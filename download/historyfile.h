#pragma once
// What the download and upload history files share: their XML text, built in one pass
// the way QXmlStreamWriter writes it, and the atomic save that refuses to fill the disk.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace historyfile {

// A document may take this much more than the free space reported for its volume.
constexpr qint64 kFreeSpaceSlack = 10240;

enum class SaveResult { Saved, NoRoom, WriteFailed };

// Appends text escaped as QXmlStreamWriter escapes it (markup characters, and in attribute
// values tab, line feed and carriage return, as references). Characters XML 1.0 has no
// form for are left out, as that writer leaves them out; an unpaired surrogate, which
// would break its output, becomes U+FFFD.
void appendEscaped(QString& out, const QString& text, bool attribute);
// ` name="value"`, the value escaped.
void appendAttribute(QString& out, const char* name, const QString& value);

// The whole document: the declaration, the root element with its "created" and "user"
// attributes, and one entry per job in list order, finished jobs beyond `maxFinished`
// left out; byte for byte what QXmlStreamWriter writes with auto-formatting.
// `writeEntry(out, job)` appends one entry, starting with its line break and indent.
template <class Job, class WriteEntry>
QByteArray document(const char* root, const QList<Job*>& jobs, const QString& user,
                    const QDateTime& created, int maxFinished, WriteEntry writeEntry) {
    QString out;
    out.reserve(256 + 400 * jobs.size());
    out += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<");
    out += QLatin1String(root);
    appendAttribute(out, "created", created.toString(Qt::ISODate));
    appendAttribute(out, "user", user);
    int written = 0;
    int finishedCount = 0;
    for (const Job* job : jobs) {
        const bool finished = job->isFinished();
        if (finished && finishedCount >= maxFinished)
            continue;
        if (finished)
            ++finishedCount;
        if (written++ == 0)
            out += QLatin1Char('>');
        writeEntry(out, *job);
    }
    if (written) {
        out += QLatin1String("\n</");
        out += QLatin1String(root);
        out += QLatin1String(">\n");
    } else {
        out += QLatin1String("/>\n");
    }
    return out.toUtf8();
}

// A stored fraction done: a number strictly between 0 and 1, else 0.
double progressFromText(const QString& text);

// Replaces the file atomically: on any failure the previous file stays as it was. The
// free space is asked of the file's own folder, where the document lands.
SaveResult write(const QString& path, const QByteArray& document);

} // namespace historyfile
