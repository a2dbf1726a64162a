#include "transfer/historyfile.h"

#include "platform/atomicfile.h"
#include "platform/mainthread.h"
#include "transfer/transferenvironment.h"

#include <QFileInfo>
#include <QHash>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <list>
#include <mutex>

namespace historyfile {

namespace {

// The writes of every history file not run yet, each file's in the order asked for. One
// lock for all: a few entries at a time.
struct Writes {
    std::mutex mutex;
    std::condition_variable changed; // a write ended
    QHash<QString, std::list<const PendingWrite*>> byFile;
};

Writes& writes() {
    // Never freed: a writer thread may still end its write while the process ends.
    static Writes* const all = new Writes;
    return *all;
}

} // namespace

PendingWrite::PendingWrite(const QString& path, std::function<QByteArray()> build)
    : m_path(path), m_build(std::move(build)) {
    Writes& all = writes();
    std::lock_guard<std::mutex> lock(all.mutex);
    all.byFile[m_path].push_back(this);
}

PendingWrite::~PendingWrite() {
    Writes& all = writes();
    {
        std::lock_guard<std::mutex> lock(all.mutex);
        auto it = all.byFile.find(m_path);
        if (it != all.byFile.end()) {
            it->remove(this);
            if (it->empty())
                all.byFile.erase(it);
        }
    }
    all.changed.notify_all();
}

void PendingWrite::waitForEarlier() const {
    Writes& all = writes();
    std::unique_lock<std::mutex> lock(all.mutex);
    all.changed.wait(lock, [&] {
        const auto it = all.byFile.constFind(m_path);
        return it == all.byFile.cend() || it->front() == this;
    });
}

bool pendingDocument(const QString& path, QByteArray* document) {
    std::function<QByteArray()> build;
    {
        Writes& all = writes();
        std::lock_guard<std::mutex> lock(all.mutex);
        const auto it = all.byFile.constFind(path);
        if (it == all.byFile.cend())
            return false;
        build = it->back()->m_build;
    }
    // Built here from its own copies: nothing waits for the writer thread.
    *document = build();
    return true;
}

bool waitForWrites(int timeoutMs) {
    Writes& all = writes();
    std::unique_lock<std::mutex> lock(all.mutex);
    return all.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                [&] { return all.byFile.isEmpty(); });
}

bool readDocument(const QString& path, QByteArray* bytes, QString* unreadable) {
    if (pendingDocument(path, bytes))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // No file is an empty list; one that is there but will not open is damaged.
        if (file.exists())
            *unreadable = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *unreadable = file.errorString();
        return false;
    }
    return true;
}

void appendEscaped(QString& out, const QString& text, bool attribute) {
    const QChar* const begin = text.constData();
    const QChar* const end = begin + text.size();
    const QChar* run = begin; // start of the characters not yet appended
    for (const QChar* c = begin; c != end; ++c) {
        const char16_t u = c->unicode();
        if (u > 0x3e && u < 0xd800) // the common case: nothing to do
            continue;
        const char* replacement = nullptr;
        bool drop = false;
        bool unpaired = false;
        switch (u) {
        case '<':
            replacement = "&lt;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '&':
            replacement = "&amp;";
            break;
        case '"':
            replacement = "&quot;";
            break;
        case '\t':
            replacement = attribute ? "&#9;" : nullptr;
            break;
        case '\n':
            replacement = attribute ? "&#10;" : nullptr;
            break;
        case '\r':
            // Also in text: a reader turns a raw one into a line feed, or drops it.
            replacement = "&#13;";
            break;
        default:
            drop = u < 0x20 || u == 0xfffe || u == 0xffff;
            if (QChar::isHighSurrogate(u) && c + 1 != end && (c + 1)->isLowSurrogate()) {
                ++c;
                continue;
            }
            unpaired = QChar::isSurrogate(u);
            break;
        }
        if (!replacement && !drop && !unpaired)
            continue;
        out.append(run, int(c - run));
        if (replacement)
            out += QLatin1String(replacement);
        if (unpaired)
            out += QChar(QChar::ReplacementCharacter);
        run = c + 1;
    }
    out.append(run, int(end - run));
}

void appendAttribute(QString& out, const char* name, const QString& value) {
    out += QLatin1Char(' ');
    out += QLatin1String(name);
    out += QLatin1String("=\"");
    appendEscaped(out, value, true);
    out += QLatin1Char('"');
}

double progressFromText(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value > 0.0 && value < 1.0 ? value : 0.0;
}

SaveResult write(const QString& path, const QByteArray& document) {
    // What could not be read of the old file stays beside the new one.
    QString why;
    if (!platform::keepIfNotedDamaged(path, &why)) {
        platform::warnOnMainThread(
            QStringLiteral("history: %1 could not be kept aside: %2").arg(path, why));
        return SaveResult::WriteFailed;
    }
    qint64 total = 0;
    qint64 freeBytes = 0;
    if (TransferEnvironment::current().diskSpace(QFileInfo(path).absolutePath(), total,
                                                 freeBytes) &&
        document.size() > freeBytes + kFreeSpaceSlack)
        return SaveResult::NoRoom;
    return platform::writeFileAtomically(path, document) ? SaveResult::Saved
                                                         : SaveResult::WriteFailed;
}

} // namespace historyfile
