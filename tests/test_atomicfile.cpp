// Files of the program's own on a disk that fills up while they are written: the old file
// stays whole and the failure is reported, whether the write fails on the way or only in
// the last flush; the settings store likewise.
#include "platform/atomicfile.h"
#include "platform/settingsstore.h"
#include "tests/support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Every fsync of a folder in this process: which folder, on which thread, and what the
// watched file held at that moment.
struct FolderSync {
    QString folder;
    std::thread::id thread;
    QByteArray watched;
};

std::mutex syncsMutex;
std::vector<FolderSync> folderSyncs;
QByteArray watchedFile; // under syncsMutex

std::vector<FolderSync> syncsOf(const QString& folder) {
    std::lock_guard<std::mutex> lock(syncsMutex);
    std::vector<FolderSync> found;
    for (const FolderSync& sync : folderSyncs)
        if (sync.folder == folder)
            found.push_back(sync);
    return found;
}

void watch(const QString& path) {
    std::lock_guard<std::mutex> lock(syncsMutex);
    folderSyncs.clear();
    watchedFile = QFile::encodeName(path);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Only the file itself: nothing half-written is left beside it.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

// Stands in for the C library's fsync in this program, to see the folder syncs.
extern "C" int fsync(int fd) {
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        char target[4096];
        const ssize_t length =
            ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), target,
                       sizeof target);
        std::lock_guard<std::mutex> lock(syncsMutex);
        QByteArray watched;
        const int file = ::open(watchedFile.constData(), O_RDONLY | O_CLOEXEC);
        if (file >= 0) {
            char buffer[256];
            ssize_t n = 0;
            while ((n = ::read(file, buffer, sizeof buffer)) > 0)
                watched.append(buffer, int(n));
            ::close(file);
        }
        folderSyncs.push_back(
            {QFile::decodeName(QByteArray(target, int(std::max<ssize_t>(length, 0)))),
             std::this_thread::get_id(), watched});
    }
    return real(fd);
}

class TestAtomicFile : public QObject {
    Q_OBJECT
private slots:
    void replacesWhole();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void settingsSurviveAFullDisk();
    void replaceSyncsItsFolderAfterTheRename();
    void settingsSyncTheirFolderOnTheWriterThread();
    void damagedCopiesAreKeptBounded();
};

void TestAtomicFile::replacesWhole() {
    QTemporaryDir folder;
    const QString path = folder.filePath("a.xml");
    QVERIFY(platform::writeFileAtomically(path, "old"));
    QVERIFY(platform::writeFileAtomically(path, QByteArray(50000, 'n')));
    QCOMPARE(readAll(path), QByteArray(50000, 'n'));
    QCOMPARE(filesIn(folder.path()), QStringList{"a.xml"});
    QString error;
    QVERIFY(!platform::writeFileAtomically(folder.filePath("missing/a.xml"), "x", &error));
    QVERIFY(!error.isEmpty());
}

void TestAtomicFile::fullDiskKeepsTheOldFile_data() {
    QTest::addColumn<int>("size");
    // Qt buffers up to 16 KiB and writes that only when the file is closed; QSaveFile
    // then renamed the cut file over the old one and reported success.
    QTest::newRow("a small document, cut in the last flush") << 6 * 1024;
    QTest::newRow("a large document, cut on the way") << 64 * 1024;
}

void TestAtomicFile::fullDiskKeepsTheOldFile() {
    QFETCH(int, size);
    QTemporaryDir folder;
    const QString path = folder.filePath("history.dl.1.xml");
    const QByteArray old = "<downloadfiles/>\n";
    QVERIFY(platform::writeFileAtomically(path, old));
    QString error;
    const bool saved = withFileSizeLimit(
        2048, [&] { return platform::writeFileAtomically(path, QByteArray(size, 'x'), &error); });
    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), old);
    QCOMPARE(filesIn(folder.path()), QStringList{"history.dl.1.xml"});
}

void TestAtomicFile::settingsSurviveAFullDisk() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Brisko Tool.conf");
    {
        SettingsStore store(path);
        store.setValue("Language", "vi");
        store.setValue("Download_Dir", QString::fromUtf8("/home/u/Tải về"));
        QVERIFY(store.sync());
    }
    const QByteArray old = readAll(path);
    QVERIFY(old.contains("Language=vi"));
    SettingsStore store(path);
    store.setValue("Upload_limit", QString(6000, '7'));
    QVERIFY(!withFileSizeLimit(2048, [&] { return store.sync(); }));
    QCOMPARE(readAll(path), old);
    QCOMPARE(filesIn(folder.path()), QStringList{"Brisko Tool.conf"});
    // The change is still pending, and goes out once there is room. (A QSettings keeps
    // reporting its first error: another store asks.)
    QVERIFY(SettingsStore(path).sync());
    const QByteArray now = readAll(path);
    QVERIFY(now.contains("Upload_limit=" + QByteArray(6000, '7')));
    QVERIFY(now.contains("Language=vi"));
}

// The new name is on the disk only once the folder is synced: after the rename, so that a
// power cut cannot bring the older file back.
void TestAtomicFile::replaceSyncsItsFolderAfterTheRename() {
    QTemporaryDir folder;
    const QString path = folder.filePath("history.ul.1.xml");
    QVERIFY(platform::writeFileAtomically(path, "old"));
    watch(path);
    QVERIFY(platform::writeFileAtomically(path, "new"));
    const std::vector<FolderSync> syncs = syncsOf(QDir(folder.path()).canonicalPath());
    QCOMPARE(int(syncs.size()), 1);
    QCOMPARE(syncs.front().watched, QByteArray("new"));
}

// A settings write the GUI thread asked for syncs the folder on the writer thread.
void TestAtomicFile::settingsSyncTheirFolderOnTheWriterThread() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Brisko Tool.conf");
    watch(path);
    bool saved = false;
    {
        SettingsStore store(path);
        store.setValue("Language", "vi");
        store.whenSaved(nullptr, [&](bool ok, const QString&) { saved = ok; });
    }
    QTRY_VERIFY_WITH_TIMEOUT(saved, 20000);
    const std::vector<FolderSync> syncs = syncsOf(QDir(folder.path()).canonicalPath());
    QCOMPARE(int(syncs.size()), 1);
    QVERIFY(syncs.front().thread != std::this_thread::get_id());
    QCOMPARE(syncs.front().watched, QByteArray("[General]\nLanguage=vi\n"));
}

// Each damage keeps its own copy, up to a few: the first copies stay, and past the bound
// the newest takes the last place. A file kept already is not kept twice.
void TestAtomicFile::damagedCopiesAreKeptBounded() {
    QTemporaryDir folder;
    const QString path = folder.filePath("registry.json");
    QStringList expected{"registry.json"};
    for (int i = 0; i <= platform::kDamagedCopies; ++i) {
        QVERIFY(platform::writeFileAtomically(path, "damage " + QByteArray::number(i)));
        QVERIFY(platform::keepDamagedCopy(path));
        QVERIFY(platform::keepDamagedCopy(path));
    }
    for (int i = 0; i < platform::kDamagedCopies; ++i) {
        const int kept = i == platform::kDamagedCopies - 1 ? platform::kDamagedCopies : i;
        QCOMPARE(readAll(platform::damagedCopyPath(path, i)), "damage " + QByteArray::number(kept));
        expected << QFileInfo(platform::damagedCopyPath(path, i)).fileName();
    }
    expected.sort();
    QCOMPARE(filesIn(folder.path()), expected);
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "test_atomicfile.moc"
