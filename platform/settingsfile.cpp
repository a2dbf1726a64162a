#include "platform/settingsfile.h"

#include "platform/atomicfile.h"
#include "platform/mainthread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMetaObject>
#include <QMutex>
#include <QVector>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

using settingsformat::Map;
using settingsformat::Value;

namespace {

// How long a write waits for another copy of the program writing the same folder.
constexpr auto kLockWait = std::chrono::seconds(10);

// What tells one state of the file on disk from another.
struct Stamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const Stamp& other) const {
        return exists == other.exists && device == other.device && inode == other.inode &&
               size == other.size && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec &&
               changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
    }
    bool operator!=(const Stamp& other) const { return !(*this == other); }
};

Stamp stampOf(const QString& path) {
    Stamp stamp;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modified = info.st_mtim;
    stamp.changed = info.st_ctim;
    return stamp;
}

// The file as it reads now; one that is there but cannot be read counts as damaged, so
// that nothing replaces it before it is kept aside.
settingsformat::Parsed readFile(const QString& path, const Stamp& stamp) {
    if (!stamp.exists)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        settingsformat::Parsed unreadable;
        unreadable.damaged = true;
        return unreadable;
    }
    const QByteArray bytes = file.readAll();
    settingsformat::Parsed parsed = settingsformat::parse(bytes);
    if (file.error() != QFileDevice::NoError)
        parsed.damaged = true;
    return parsed;
}

// Whether the text reads back as the values it was made of. Keys are compared without
// regard to case, like the store compares them: a section named "general" is written
// "[%General]", as QSettings writes it.
bool readsBackAs(const QByteArray& text, const Map& values) {
    const auto folded = [](const Map& map) {
        QMap<QString, Value> result;
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            result.insert(it.key().toLower(), it.value());
        return result;
    };
    return folded(settingsformat::parse(text).values) == folded(values);
}

struct Change {
    quint64 serial = 0;
    QString key;
    bool remove = false;
    Value value;
};

void apply(Map& values, const Change& change) {
    const auto found = settingsformat::findKey(values, change.key);
    const QString kept = change.remove || found == values.cend() ? QString() : found.key();
    for (auto it = values.begin(); it != values.end();) {
        if (it.key() != kept && it.key().compare(change.key, Qt::CaseInsensitive) == 0)
            it = values.erase(it);
        else
            ++it;
    }
    if (!change.remove)
        values.insert(kept.isEmpty() ? change.key : kept, change.value);
}

Map withChanges(Map values, const std::vector<Change>& changes) {
    for (const Change& change : changes)
        apply(values, change);
    return values;
}

// An exclusive lock on the file's folder, shared with every other copy of the program
// writing there. Without one (a file system that has none) the write goes on unlocked.
class FolderLock {
public:
    explicit FolderLock(const QString& folder)
        : fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~FolderLock() {
        if (fd >= 0)
            ::close(fd); // lets go of the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when another holds it all the while.
    bool lock() {
        if (fd < 0)
            return true;
        const auto until = std::chrono::steady_clock::now() + kLockWait;
        for (;;) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
                return true;
            if (errno != EWOULDBLOCK && errno != EINTR)
                return true;
            if (std::chrono::steady_clock::now() >= until)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

private:
    int fd;
};

} // namespace

struct Waiter {
    quint64 serial = 0;
    bool guarded = false;
    QPointer<QObject> context; // read on the main thread only
    SettingsFile::Done done;
};

struct SettingsFile::Data {
    QString path;
    std::mutex io;    // one write at a time, on the writer thread or a caller's
    std::mutex mutex; // what follows; never held across disk work
    bool loaded = false;
    Stamp stamp; // the file when `base` was taken from it
    quint64 generation = 0;
    Map base; // the file as last read or written
    bool damaged = false;
    // Changes not yet on disk, in the order made. Not an implicitly shared container: the
    // writer reads its own copy while this one grows.
    std::vector<Change> pending;
    // Base with the changes on top. Copies of it are read on any thread; it is never
    // changed in place, only replaced, so that no reader's copy is written under it.
    Map view;
    quint64 lastSerial = 0;
    QVector<std::shared_ptr<Waiter>> waiters;

    void install(const Map& values, const Stamp& now, bool isDamaged) {
        base = values;
        stamp = now;
        damaged = isDamaged;
        loaded = true;
        ++generation;
        view = withChanges(base, pending);
    }
    void applyLast() {
        Map next = view; // copied, not changed where a reader's copy may share it
        apply(next, pending.back());
        view = next;
    }
};

namespace {

// Takes the waiter over (the caller's pointer is left empty).
void deliver(std::shared_ptr<Waiter>& waiter, bool saved, const QString& error) {
    platform::runOnMainThread([waiter = std::move(waiter), saved, error] {
        if (!waiter->guarded || waiter->context)
            waiter->done(saved, error);
    });
}

} // namespace

// The thread that writes for every settings file of the process; started on first use and
// kept, idle, until the process ends. Kept on the heap and never freed: it may still be
// writing while the process ends, and nothing may wait for it then.
class SettingsWriter {
public:
    static SettingsWriter& instance() {
        static SettingsWriter* const writer = new SettingsWriter;
        return *writer;
    }

    void request(SettingsFile* file) {
        bool start = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (std::find(queue.begin(), queue.end(), file) == queue.end())
                queue.push_back(file);
            start = !started;
            started = true;
        }
        wake.notify_one();
        if (start)
            std::thread([this] { run(); }).detach();
    }

private:
    void run() {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return !queue.empty(); });
            SettingsFile* file = queue.front();
            queue.pop_front();
            lock.unlock();
            QString error;
            if (!file->writeNow(&error))
                warnOnMainThread(
                    QStringLiteral("settings: %1 was not written: %2").arg(file->path(), error));
            lock.lock();
        }
    }

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<SettingsFile*> queue;
    bool started = false;
};

SettingsFile& SettingsFile::of(const QString& path) {
    static QMutex mutex;
    // Never freed: the writer thread may use a file while the process ends.
    static auto* const files = new QHash<QString, SettingsFile*>;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QMutexLocker lock(&mutex);
    SettingsFile*& file = (*files)[absolute];
    if (!file)
        file = new SettingsFile(absolute);
    return *file;
}

SettingsFile::SettingsFile(const QString& path) : d(std::make_unique<Data>()) {
    d->path = path;
}

SettingsFile::~SettingsFile() = default;

QString SettingsFile::path() const {
    return d->path;
}

void SettingsFile::refresh() {
    const Stamp now = stampOf(d->path);
    quint64 generation = 0;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (d->loaded && d->stamp == now)
            return;
        generation = d->generation;
    }
    // Read with no lock held: a writer or another reader never waits for this disk work.
    const settingsformat::Parsed parsed = readFile(d->path, now);
    std::lock_guard<std::mutex> lock(d->mutex);
    if (d->generation == generation) // else someone put a newer state in meanwhile
        d->install(parsed.values, now, parsed.damaged);
}

Map SettingsFile::values() {
    refresh();
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->view;
}

void SettingsFile::set(const QString& key, const Value& value) {
    std::lock_guard<std::mutex> lock(d->mutex);
    d->pending.push_back(Change{++d->lastSerial, key, false, value});
    d->applyLast();
}

void SettingsFile::remove(const QString& key) {
    std::lock_guard<std::mutex> lock(d->mutex);
    d->pending.push_back(Change{++d->lastSerial, key, true, Value()});
    d->applyLast();
}

void SettingsFile::requestWrite() {
    SettingsWriter::instance().request(this);
}

void SettingsFile::whenWritten(QObject* context, Done done) {
    auto waiter = std::make_shared<Waiter>();
    waiter->guarded = context != nullptr;
    waiter->context = context;
    waiter->done = std::move(done);
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (!d->pending.empty()) {
            waiter->serial = d->lastSerial;
            d->waiters.append(waiter);
            waiter.reset();
        }
    }
    if (waiter)
        deliver(waiter, true, QString()); // nothing waits to be written
    else
        requestWrite();
}

bool SettingsFile::writeNow(QString* error) {
    std::lock_guard<std::mutex> io(d->io);
    std::vector<Change> changes;
    Map known;
    Stamp knownStamp;
    bool loaded = false;
    bool damaged = false;
    quint64 generation = 0;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (d->pending.empty())
            return true;
        changes = d->pending;
        known = d->base;
        knownStamp = d->stamp;
        loaded = d->loaded;
        damaged = d->damaged;
        generation = d->generation;
    }
    const quint64 upTo = changes.back().serial; // a copy of this thread's own

    QString why;
    const QString folder = QFileInfo(d->path).absolutePath();
    QDir().mkpath(folder);
    FolderLock folderLock(folder);
    Stamp now;
    bool reread = false;
    bool written = false;
    Map target;
    if (!folderLock.lock()) {
        why = QStringLiteral("the settings are being written by another program");
    } else {
        // Another program may have changed the file since: its values are kept.
        now = stampOf(d->path);
        if (!loaded || now != knownStamp) {
            const settingsformat::Parsed parsed = readFile(d->path, now);
            known = parsed.values;
            damaged = parsed.damaged;
            reread = true;
        }
        target = withChanges(known, changes);
        const QByteArray bytes = settingsformat::text(target);
        if (damaged && now.exists && !keepDamagedCopy(d->path, &why)) {
            why = QStringLiteral("the damaged file could not be kept aside: ") + why;
        } else if (!readsBackAs(bytes, target)) {
            why = QStringLiteral("a value cannot be stored"); // never, as long as the format holds
        } else {
            written = writeFileAtomically(d->path, bytes, &why);
        }
    }
    const Stamp after = written ? stampOf(d->path) : Stamp();

    std::vector<std::shared_ptr<Waiter>> told;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (written) {
            d->pending.erase(std::remove_if(d->pending.begin(), d->pending.end(),
                                            [upTo](const Change& c) { return c.serial <= upTo; }),
                             d->pending.end());
            d->install(target, after, false);
        } else if (reread && d->generation == generation) {
            d->install(known, now, damaged);
        }
        for (auto it = d->waiters.begin(); it != d->waiters.end();) {
            if ((*it)->serial <= upTo) {
                told.push_back(std::move(*it));
                it = d->waiters.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto& waiter : told)
        deliver(waiter, written, why);
    if (!written && error)
        *error = why;
    return written;
}

} // namespace platform
