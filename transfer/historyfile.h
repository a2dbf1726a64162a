#pragma once
// What the download and upload history files share: their XML text, built in one pass
// the way QXmlStreamWriter writes it (but for a carriage return in text), and the atomic
// save that refuses to fill the disk.
#include "platform/atomicfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <QVector>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

namespace historyfile {

// A document may take this much more than the free space reported for its volume.
constexpr qint64 kFreeSpaceSlack = 10240;

enum class SaveResult { Saved, NoRoom, WriteFailed };

// Appends text escaped as QXmlStreamWriter escapes it (markup characters, and in attribute
// values tab, line feed and carriage return, as references), and a carriage return in
// text as a reference too, which that writer leaves raw. Characters XML 1.0 has no
// form for are left out, as that writer leaves them out; an unpaired surrogate, which
// would break its output, becomes U+FFFD.
void appendEscaped(QString& out, const QString& text, bool attribute);
// ` name="value"`, the value escaped.
void appendAttribute(QString& out, const char* name, const QString& value);

// What the file will hold of the jobs, in list order: every unfinished job and the first
// `maxFinished` finished ones, each copied by `take(job)` into an entry whose `finished`
// member says which it was. Cheap and on the jobs' own thread; the document is then built
// from the copies anywhere.
template <class Entry, class Job, class Take>
QVector<Entry> snapshot(const QList<Job*>& jobs, int maxFinished, Take take) {
    QVector<Entry> entries;
    entries.reserve(jobs.size());
    int finishedCount = 0;
    for (const Job* job : jobs) {
        const bool finished = job->isFinished();
        if (finished && finishedCount++ >= maxFinished)
            continue;
        entries.append(take(*job));
        entries.back().finished = finished;
    }
    return entries;
}

// The whole document: the declaration, the root element with its "created" and "user"
// attributes, and one entry per snapshot entry; byte for byte what QXmlStreamWriter writes
// with auto-formatting. `writeEntry(out, entry)` appends one entry, starting with its line
// break and indent.
template <class Entry, class WriteEntry>
QByteArray document(const char* root, const QVector<Entry>& entries, const QString& user,
                    const QDateTime& created, WriteEntry writeEntry) {
    QString out;
    out.reserve(256 + 400 * entries.size());
    out += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<");
    out += QLatin1String(root);
    appendAttribute(out, "created", created.toString(Qt::ISODate));
    appendAttribute(out, "user", user);
    if (entries.isEmpty()) {
        out += QLatin1String("/>\n");
        return out.toUtf8();
    }
    out += QLatin1Char('>');
    for (const Entry& entry : entries)
        writeEntry(out, entry);
    out += QLatin1String("\n</");
    out += QLatin1String(root);
    out += QLatin1String(">\n");
    return out.toUtf8();
}

// One write of a history file, from the moment it is asked for until it has run or was
// dropped for a newer one. The writes of one file keep the order in which they were asked
// for, whichever tab asks: each waits, on its writer thread, for the earlier ones. Until
// the newest has run, a reader of the file gets its document instead of the file, so that
// the tab of the next login reads what the last one handed over, without waiting for it.
class PendingWrite;
// The document of the newest write of `path` not run yet, built now (on the caller's
// thread, from the write's own copies); false when none waits.
bool pendingDocument(const QString& path, QByteArray* document);

class PendingWrite {
public:
    PendingWrite(const QString& path, std::function<QByteArray()> build);
    ~PendingWrite();
    PendingWrite(const PendingWrite&) = delete;
    PendingWrite& operator=(const PendingWrite&) = delete;

    // Returns once every earlier write of the file has run or was dropped.
    void waitForEarlier() const;
    QByteArray document() const { return m_build(); }

private:
    friend bool pendingDocument(const QString& path, QByteArray* document);

    QString m_path;
    std::function<QByteArray()> m_build;
};

// Waits up to `timeoutMs` for every history write asked for so far, of any file, to end.
// False when some did not end in time. For the end of the program.
bool waitForWrites(int timeoutMs);

// The save of `jobs` into `path` as History writes its file: the entries are copied now,
// on the jobs' thread; the returned task builds the document and commits it, anywhere,
// after every earlier write of the file, and gives the SaveResult as a number. Empty when
// there is no path.
template <class History, class Job>
std::function<int()> saveTask(const QString& path, const QList<Job*>& jobs, const QString& user) {
    if (path.isEmpty())
        return {};
    const auto entries = History::snapshot(jobs);
    const QDateTime created = QDateTime::currentDateTime();
    const auto pending = std::make_shared<PendingWrite>(
        path, [entries, user, created] { return History::document(entries, user, created); });
    return [path, pending] {
        pending->waitForEarlier();
        return int(History::write(path, pending->document()));
    };
}

// What reading a history file gave.
template <class Job> struct Loaded {
    QList<Job*> jobs;    // new jobs, owned by the caller, in file order
    bool broken = false; // the file cannot be read, or ended early, or is malformed
    QString error;       // why, when broken: the file's error or the XML reader's text
};

// What the file at `path` holds, or is about to hold (pendingDocument). False when there is
// no file, or, with the reason in `unreadable`, when there is one that cannot be read.
bool readDocument(const QString& path, QByteArray* bytes, QString* unreadable);

// Reads the file at `path` and calls `read(reader, jobs)` at every start element named
// `element`; `read` appends the jobs it makes of it. A missing file gives none, and is not
// broken. A file that cannot be read, or not whole, is broken, and the next write keeps
// it beside the new one (platform::noteDamaged) before it replaces it, or fails.
template <class Job, class Read>
Loaded<Job> load(const QString& path, const char* element, Read read) {
    Loaded<Job> loaded;
    // Read whole: the reader is much quicker on bytes in memory than on a device.
    QByteArray bytes;
    if (!readDocument(path, &bytes, &loaded.error)) {
        if (!loaded.error.isEmpty()) {
            loaded.broken = true;
            platform::noteDamaged(path);
        }
        return loaded;
    }
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String(element))
            read(reader, loaded.jobs);
    }
    if (reader.hasError()) {
        loaded.broken = true;
        loaded.error = reader.errorString();
        platform::noteDamaged(path);
    }
    return loaded;
}

// A stored fraction done: a number strictly between 0 and 1, else 0.
double progressFromText(const QString& text);

// Replaces the file atomically: on any failure the previous file stays as it was. The
// free space is asked of the file's own folder, where the document lands. A file noted
// damaged is kept aside first.
SaveResult write(const QString& path, const QByteArray& document);

} // namespace historyfile
