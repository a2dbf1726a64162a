// The settings store: keys without regard to case, typed reads, the INI text QSettings
// reads and writes, damaged files, reading with no room anywhere, and writes that leave
// the caller's thread but are still reported, in the order asked.
#include "platform/atomicfile.h"
#include "platform/hostconfig.h"
#include "platform/mainthread.h"
#include "platform/registry.h"
#include "platform/settingsstore.h"
#include "tests/support/filemodesinforce.h"
#include "tests/support/filesizelimit.h"

#include <QDir>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Every key QSettings' own INI reader finds in the file, with its value.
QVariantMap readByQt(const QString& path) {
    const QSettings ini(path, QSettings::IniFormat);
    QVariantMap values;
    for (const QString& key : ini.allKeys())
        values.insert(key, ini.value(key));
    return values;
}

// Two values alike as their readers see them (a list read back may be a QVariantList).
bool sameValue(const QVariant& a, const QVariant& b) {
    const auto isList = [](const QVariant& v) {
        return v.userType() == QMetaType::QStringList || v.userType() == QMetaType::QVariantList;
    };
    if (isList(a) || isList(b))
        return a.toStringList() == b.toStringList();
    return a == b || (a.userType() == b.userType() && a.toString() == b.toString());
}

// Holds the lock every settings write takes on the file's folder, as a second copy of the
// program writing at the same time would.
class FolderHeld {
public:
    explicit FolderHeld(const QString& folder)
        : fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY)) {
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            qFatal("could not lock %s", qPrintable(folder));
    }
    ~FolderHeld() { release(); }
    void release() {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

private:
    int fd;
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void keysIgnoreCase();
    void typedReads_data();
    void typedReads();
    void storeLivesInTheUserConfigFolder();
    void hostsFollowTheEnvironment();

    void writesWhatQSettingsWrites_data();
    void writesWhatQSettingsWrites();
    void readsWhatQSettingsReads_data();
    void readsWhatQSettingsReads();
    void damagedFileKeepsWhatParsed_data();
    void damagedFileKeepsWhatParsed();
    void unusableStreamedValueReadsAsMissing_data();
    void unusableStreamedValueReadsAsMissing();
    void unreadableFileIsKeptAsideAndReplacedReadable();
    void readingNeedsNoRoom();
    void writesLeaveTheCallersThread();
    void failedWriteIsToldOnce();
    void keepsWhatAnotherProgramWrote();
    void mainThreadWorkRunsInOrderAroundABox();
    void mainThreadWorkOutlivesALostPost();
};

void TestSettings::keysIgnoreCase() {
    {
        SettingsStore store;
        store.setValue("Download_threads", 3);
        store.setValue("update/status", "ok");
        QVERIFY(store.sync());
    }
    SettingsStore store;
    QCOMPARE(store.text("download_THREADS"), QString("3"));
    QVERIFY(store.contains("UPDATE/Status"));
    // Writing through another spelling keeps a single copy of the key.
    store.setValue("DOWNLOAD_threads", 5);
    QCOMPARE(store.integer("Download_threads"), 5);
    QVERIFY(store.sync());
    int copies = 0;
    QSettings raw(store.fileName(), QSettings::IniFormat);
    for (const QString& k : raw.allKeys())
        copies += k.compare("download_threads", Qt::CaseInsensitive) == 0;
    QCOMPARE(copies, 1);
    store.remove("Update/STATUS");
    QVERIFY(!store.contains("update/status"));
}

void TestSettings::typedReads_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("integer");
    QTest::addColumn<bool>("boolean");
    QTest::newRow("number") << QVariant(2) << 2 << true;
    QTest::newRow("zero text") << QVariant("0") << 0 << false;
    QTest::newRow("padded") << QVariant(" 7 ") << 7 << true;
    QTest::newRow("bool text") << QVariant("true") << -1 << true;
    QTest::newRow("not a number") << QVariant("abc") << -1 << false;
}

void TestSettings::typedReads() {
    QFETCH(QVariant, stored);
    QFETCH(int, integer);
    QFETCH(bool, boolean);
    SettingsStore store;
    store.setValue("Some_key", stored);
    QCOMPARE(store.integer("some_key", -1), integer);
    QCOMPARE(store.boolean("SOME_KEY", false), boolean);
    QCOMPARE(store.integer("missing", -1), -1);
}

void TestSettings::storeLivesInTheUserConfigFolder() {
    SettingsStore store;
    const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Brisko/Brisko Tool.conf";
    QCOMPARE(store.fileName(), expected);
}

void TestSettings::hostsFollowTheEnvironment() {
    QCOMPARE(QString::fromStdString(hosts::apiHost()), QString("api.brisko.vn"));
    qputenv("BRISKO_API_HOST", "127.0.0.1:4443");
    qputenv("BRISKO_WEB_HOST", "localhost:4443");
    QCOMPARE(QString::fromStdString(hosts::apiUrl("/api/user/get")),
             QString("https://127.0.0.1:4443/api/user/get"));
    QCOMPARE(QString::fromStdString(hosts::webHost()), QString("localhost:4443"));
    qunsetenv("BRISKO_API_HOST");
    qunsetenv("BRISKO_WEB_HOST");
}

void TestSettings::writesWhatQSettingsWrites_data() {
    QTest::addColumn<QVariantMap>("values");
    QTest::newRow("the program's own") << QVariantMap{
        {"Language", "brisko_vi.qm"},
        {"Download_threads", "3"},
        {"Download_limit", qint64(1234567890123)},
        {"Auto_download", true},
        {"ff_download", 0},
        {"Download_Dir", QString::fromUtf8("/home/u/Tải về/phim 🎬")},
        {"account/email", "u@brisko.local"},
        {"account/password", QString::fromLatin1("\x01\xff\x7f")},
        {"update/status", "success"},
        {"GAnalytics-cid", "{6f1c0b1e-2d2b-4d0e-9d3e-1b2c3d4e5f60}"},
        {"Qsyn", QString()},
    };
    QTest::newRow("texts that need escapes and quotes") << QVariantMap{
        {"comma", "a,b"},
        {"semicolon", "x;y"},
        {"equals", "k=v"},
        {"blanks", "  padded  "},
        {"quotes", "say \"hi\" \\ there"},
        {"controls", QString::fromLatin1("tab\tline\ncr\rbell\a")},
        {"nul then digits", QString::fromLatin1("a\0"
                                                "12b",
                                                5)},
        {"hex after escape", QString::fromUtf8("\u00e9abc")},
        {"at", "@x"},
        {"at at", "@@y"},
    };
    QTest::newRow("lists and typed values") << QVariantMap{
        {"list", QStringList{"a", "b c", "d,e"}},
        {"list with at", QStringList{"@x", "y"}},
        {"list with nul", QStringList{QString::fromLatin1("a\0b", 3), "c"}},
        {"one", QStringList{"only"}},
        {"none", QStringList{}},
        {"bytes", QByteArray("raw\x01bytes")},
        {"rect", QRect(1, 2, 3, 4)},
        {"streamed", QVariant(1.5f)},
    };
    QTest::newRow("keys and sections") << QVariantMap{
        {"Key With Spaces", "1"},
        {QString::fromUtf8("khóa"), "2"},
        {"general/x", "3"},
        {"a/b/c", "4"},
        {"Zed", "5"},
        {"account/Z", "6"},
    };
}

// The file is the one the companions and QSettings read: byte for byte what QSettings
// writes for the same values.
void TestSettings::writesWhatQSettingsWrites() {
    QFETCH(QVariantMap, values);
    QTemporaryDir folder;
    const QString ours = folder.filePath("ours.conf");
    const QString theirs = folder.filePath("theirs.conf");
    {
        SettingsStore store(ours);
        QSettings qt(theirs, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            store.setValue(it.key(), it.value());
            qt.setValue(it.key(), it.value());
        }
        QVERIFY(store.sync());
    }
    QCOMPARE(readAll(ours), readAll(theirs));
    // And read back as written.
    const SettingsStore back(ours);
    const QVariantMap read = readByQt(theirs);
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        QVERIFY2(sameValue(back.value(it.key()), it.value()), qPrintable(it.key()));
}

void TestSettings::readsWhatQSettingsReads_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("as written") << QByteArray("[General]\nLanguage=brisko_en.qm\nuseProxy=2\n\n"
                                              "[account]\nemail=u@x\n");
    QTest::newRow("hand edited") << QByteArray(
        "; comment\r\n  Language = brisko_ja.qm  \r\n[General]\nhttpProxy=\"proxy.lan\" \n"
        "list = a , \"b, c\" ,d\nquoted=\"  x  \"\nescaped=T\\x1ea3i v\\x1ec1\\t!\n"
        "octal=\\101\\0\ncontinued=one\\\ntwo\n[update]\nstatus=ok ; trailing comment\n");
    QTest::newRow("typed forms") << QByteArray(
        "bytes=@ByteArray(abc)\nrect=@Rect(1 2 3 4)\ninvalid=@Invalid()\nat=@@x\n"
        "nulstring=@String(a\\0b)\nlistat=@x,y\n");
    QTest::newRow("BOM and UTF-8")
        << QByteArray("\xef\xbb\xbf[General]\nDownload_Dir=/home/u/T\xe1\xba\xa3i\n");
    QTest::newRow("escaped section and keys")
        << QByteArray("[%General]\nx=1\n[a%20b]\nc\\d=2\n%U1ea3=3\n");
}

void TestSettings::readsWhatQSettingsReads() {
    QFETCH(QByteArray, text);
    QTemporaryDir folder;
    const QString path = folder.filePath("read.conf");
    writeRaw(path, text);
    const QVariantMap expected = readByQt(path);
    QVERIFY(!expected.isEmpty());
    const SettingsStore store(path);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(store.contains(it.key()), qPrintable(it.key()));
        QVERIFY2(sameValue(store.value(it.key()), it.value()),
                 qPrintable(it.key() + ": " + store.value(it.key()).toString() + " / " +
                            it.value().toString()));
    }
}

void TestSettings::damagedFileKeepsWhatParsed_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QVariantMap>("kept");
    QTest::addColumn<bool>("damaged");
    const QByteArray head = "[General]\nLanguage=vi\nDownloadDir=/home/u/Downloads\n";
    const QVariantMap both{{"Language", "vi"}, {"DownloadDir", "/home/u/Downloads"}};
    QTest::newRow("a cut last line") << head + "Upload_li" << both << true;
    QTest::newRow("an empty key") << head + "=x\nUpload_limit=5\n"
                                  << QVariantMap{{"Language", "vi"},
                                                 {"DownloadDir", "/home/u/Downloads"},
                                                 {"Upload_limit", "5"}}
                                  << true;
    QTest::newRow("a section without its end") << head + "[account\nemail=a@b\n" << both << true;
    QTest::newRow("a NUL byte in a list")
        << head + QByteArray("recent=a\0b, c\n", 15)
        << QVariantMap{{"Language", "vi"},
                       {"DownloadDir", "/home/u/Downloads"},
                       {"recent", QStringList{QString::fromLatin1("a\0b", 3), "c"}}}
        << true;
    // Sound, though not as this writer writes them: read alike, saved without a copy.
    QTest::newRow("an escaped NUL in a list")
        << head + "recent=@String(a\\0b), c\n"
        << QVariantMap{{"Language", "vi"},
                       {"recent", QStringList{QString::fromLatin1("a\0b", 3), "c"}}}
        << false;
    QTest::newRow("a list starting with @")
        << head + "k=@x,y\n"
        << QVariantMap{{"Language", "vi"}, {"k", QStringList{"@x", "y"}}} << false;
}

// What parsed is kept, one copy of the damaged file stays beside it, and the next save
// writes a sound file with the kept values and the new one.
void TestSettings::damagedFileKeepsWhatParsed() {
    QFETCH(QByteArray, text);
    QFETCH(QVariantMap, kept);
    QFETCH(bool, damaged);
    QTemporaryDir folder;
    const QString path = folder.filePath("Brisko Tool.conf");
    writeRaw(path, text);
    SettingsStore store(path);
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        QVERIFY2(sameValue(store.value(it.key()), it.value()), qPrintable(it.key()));
    store.setValue("Upload_Dir", "/home/u/up");
    QString error;
    QVERIFY2(store.sync(&error), qPrintable(error));
    const QString copy = platform::damagedCopyPath(path);
    QCOMPARE(QFile::exists(copy), damaged);
    if (damaged)
        QCOMPARE(readAll(copy), text);
    // Sound now: QSettings reads it without complaint, with every kept value.
    const QSettings ini(path, QSettings::IniFormat);
    QCOMPARE(ini.status(), QSettings::NoError);
    kept.insert("Upload_Dir", "/home/u/up");
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        QVERIFY2(sameValue(ini.value(it.key()), it.value()), qPrintable(it.key()));
    // Later saves need no copy and replace none.
    QFile::remove(copy);
    store.setValue("Upload_Dir", "/home/u/up2");
    QVERIFY(store.sync());
    QVERIFY(!QFile::exists(copy));
}

void TestSettings::unusableStreamedValueReadsAsMissing_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("read");
    // A point list claiming 1.7 thousand million points: streaming it asks for all of them
    // at once, with the GUI types loaded (as they are here).
    QTest::newRow("a point list") << QByteArray("@Variant(\\0\\0\\0Gf)y)") << "fallback";
    QTest::newRow("a number cut short") << QByteArray("@Variant(\\0\\0\\0\\x2\\0)") << "fallback";
    QTest::newRow("bytes after a number")
        << QByteArray("@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5xy)") << "fallback";
    QTest::newRow("a number") << QByteArray("@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)") << "5";
}

// A streamed value of a type the program never stores, or that does not stream cleanly
// within its own bytes, reads as missing (the key's fallback), here and for the
// companions; the other keys read, and a save writes its text back as it stands.
void TestSettings::unusableStreamedValueReadsAsMissing() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, read);
    QTemporaryDir folder;
    const QString path = folder.filePath("Brisko Tool.conf");
    const QByteArray line = "Language=" + stored + "\n";
    writeRaw(path, "[General]\nDownload_Dir=/home/u/d\n" + line);
    SettingsStore store(path);
    QCOMPARE(store.text("Language", "fallback"), read);
    QCOMPARE(store.text("download_dir"), QString("/home/u/d"));
    QVERIFY(store.contains("Language"));
    platform::Registry registry(folder.filePath("registry.json"), &store);
    platform::RegistryValue value;
    QCOMPARE(registry.queryValue(platform::RegistryRoot::CurrentUser,
                                 platform::programRegistryKey(), "Language", &value),
             read == "fallback" ? platform::RegistryStatus::NotFound
                                : platform::RegistryStatus::Ok);

    store.setValue("Upload_Dir", "/up");
    QString error;
    QVERIFY2(store.sync(&error), qPrintable(error));
    QCOMPARE(readAll(path), "[General]\nDownload_Dir=/home/u/d\n" + line + "Upload_Dir=/up\n");
    QVERIFY(!QFile::exists(platform::damagedCopyPath(path)));
}

// A settings file its owner cannot read (mode 0200) is damaged: kept aside before the
// first write, which leaves a file its owner can read at the next start. A later damage
// keeps its own copy beside the first.
void TestSettings::unreadableFileIsKeptAsideAndReplacedReadable() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Brisko Tool.conf");
    const QByteArray original = "[General]\nLanguage=brisko_en.qm\n";
    writeRaw(path, original);
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    withFileModesInForce([&] {
        QVERIFY2(!QFile(path).open(QIODevice::ReadOnly), "file modes are not in force");
        SettingsStore store(path);
        QVERIFY(store.text("Language").isEmpty());
        store.setValue("Upload_Dir", "/up");
        QString error;
        QVERIFY2(store.sync(&error), qPrintable(error));
        QCOMPARE(readAll(path), QByteArray("[General]\nUpload_Dir=/up\n"));
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(readAll(platform::damagedCopyPath(path)), original);

    const QByteArray cut = "[General]\nUpload_Dir=/up\nLangu";
    writeRaw(path, cut);
    SettingsStore store(path);
    store.setValue("Language", "brisko_vi.qm");
    QVERIFY(store.sync());
    QCOMPARE(readAll(platform::damagedCopyPath(path)), original);
    QCOMPARE(readAll(platform::damagedCopyPath(path, 1)), cut);
}

// Reading writes nothing anywhere: with no room to write (no file may grow, as on a full
// disk that holds the temporary folder), every value still reads.
void TestSettings::readingNeedsNoRoom() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Brisko Tool.conf");
    writeRaw(path, "[General]\nAutoLogin=true\nDownload_Dir=/home/u/d\n\n[account]\nemail=a@b\n");
    const QString seen = withFileSizeLimit(0, [&] {
        const SettingsStore store(path);
        return store.text("download_dir") + '|' + store.text("account/email") + '|' +
               store.text("autologin");
    });
    QCOMPARE(seen, QString("/home/u/d|a@b|true"));
}

// The store that set a value goes at once, while another copy of the program holds the
// file; the value reads at once in this process, and reaches the disk, reported, later.
void TestSettings::writesLeaveTheCallersThread() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Brisko Tool.conf");
    writeRaw(path, "[General]\nLanguage=brisko_vi.qm\n");
    auto held = std::make_unique<FolderHeld>(folder.path());
    {
        SettingsStore store(path);
        store.setValue("Language", "brisko_en.qm");
    }
    QCOMPARE(SettingsStore(path).text("language"), QString("brisko_en.qm"));
    QCOMPARE(readAll(path), QByteArray("[General]\nLanguage=brisko_vi.qm\n"));
    bool told = false;
    bool saved = false;
    QObject context;
    SettingsStore(path).whenSaved(&context, [&](bool ok, const QString&) {
        told = true;
        saved = ok;
    });
    held->release();
    QTRY_VERIFY_WITH_TIMEOUT(told, 20000);
    QVERIFY(saved);
    QCOMPARE(readAll(path), QByteArray("[General]\nLanguage=brisko_en.qm\n"));
}

// A write that fails (a full disk) is told to the one waiting for it, once, with why; the
// change stays in force and goes out with the next write.
void TestSettings::failedWriteIsToldOnce() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Brisko Tool.conf");
    {
        SettingsStore store(path);
        store.setValue("Language", "vi");
        QVERIFY(store.sync());
    }
    const QByteArray old = readAll(path);
    QStringList outcomes;
    QObject context;
    const bool told = withFileSizeLimit(2048, [&] {
        SettingsStore store(path);
        store.setValue("Upload_limit", QString(6000, '7'));
        store.whenSaved(&context, [&](bool ok, const QString& why) {
            outcomes << (ok ? QString("saved") : "failed: " + why);
        });
        return QTest::qWaitFor([&] { return !outcomes.isEmpty(); }, 20000);
    });
    QVERIFY(told);
    QCOMPARE(outcomes.size(), 1);
    QVERIFY2(outcomes.first().startsWith("failed: ") && outcomes.first().size() > 8,
             qPrintable(outcomes.first()));
    QCOMPARE(readAll(path), old);
    QCOMPARE(SettingsStore(path).text("Upload_limit").size(), 6000);
    // No second report of it; the next write takes the change along.
    SettingsStore(path).whenSaved(&context, [&](bool ok, const QString&) {
        outcomes << (ok ? QString("saved") : QString("failed"));
    });
    QTRY_COMPARE_WITH_TIMEOUT(outcomes.size(), 2, 20000);
    QCOMPARE(outcomes.last(), QString("saved"));
    QVERIFY(readAll(path).contains("Upload_limit=" + QByteArray(6000, '7')));
}

// Outcomes reach the main thread in the order asked, one at a time: one that opens a box
// (a loop of its own) holds back those asked for after it until the box is closed.
void TestSettings::mainThreadWorkRunsInOrderAroundABox() {
    auto ran = std::make_shared<QStringList>();
    QEventLoop box;
    QVERIFY(platform::runOnMainThread([ran, &box] {
        *ran << "box opens";
        std::thread asker([ran] { // as the writer threads ask
            platform::runOnMainThread([ran] { *ran << "second"; });
            platform::runOnMainThread([ran] { *ran << "third"; });
        });
        asker.join();
        // Posted after the two, so the box's loop gets to them before it ends.
        QMetaObject::invokeMethod(&box, &QEventLoop::quit, Qt::QueuedConnection);
        box.exec();
        *ran << "box closed";
    }));
    QTRY_COMPARE(ran->size(), 4);
    QCOMPARE(*ran, (QStringList{"box opens", "box closed", "second", "third"}));
}

// A request whose post is never delivered holds nothing up: the next one runs it, first.
void TestSettings::mainThreadWorkOutlivesALostPost() {
    auto ran = std::make_shared<QStringList>();
    QVERIFY(platform::runOnMainThread([ran] { *ran << "first"; }));
    QCoreApplication::removePostedEvents(qApp, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents();
    QVERIFY(ran->isEmpty());
    QVERIFY(platform::runOnMainThread([ran] { *ran << "second"; }));
    QTRY_COMPARE(*ran, (QStringList{"first", "second"}));
}

// A companion changed the file meanwhile: its value stays beside this process's change.
void TestSettings::keepsWhatAnotherProgramWrote() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Brisko Tool.conf");
    writeRaw(path, "[General]\nLanguage=vi\n");
    SettingsStore store(path);
    QCOMPARE(store.text("Language"), QString("vi"));
    store.setValue("Upload_Dir", "/up");
    writeRaw(path, "[General]\nLanguage=vi\nie_download=0\n");
    QVERIFY(store.sync());
    const QVariantMap onDisk = readByQt(path);
    QCOMPARE(onDisk.value("ie_download").toString(), QString("0"));
    QCOMPARE(onDisk.value("Upload_Dir").toString(), QString("/up"));
    QCOMPARE(store.text("IE_download"), QString("0"));
}

// With the GUI types loaded: their streamed forms are what a damaged value may claim.
QTEST_MAIN(TestSettings)
#include "test_settings.moc"
