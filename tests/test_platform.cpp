#include "platform/atomicfile.h"
#include "platform/autostart.h"
#include "platform/recordingsystemactions.h"
#include "platform/registry.h"
#include "platform/userfolders.h"
#include "platform/volumes.h"
#include "tests/support/filemodesinforce.h"

#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void fileSystemNames_data();
    void fileSystemNames();
    void fileSystemOfARealPath();
    void diskSpace();
    void execQuoting_data();
    void execQuoting();
    void autostartEntry();
    void autostartWriteFailureIsReported();
    void privateTempFolder();
    void unsafeTempNameIsAvoided_data();
    void unsafeTempNameIsAvoided();
    void recordingActions();
    void realProcessRuns();
    void damagedRegistryIsKeptAside_data();
    void damagedRegistryIsKeptAside();
};

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct stat statOf(const QString& path) {
    struct stat st {};
    lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

void TestPlatform::fileSystemNames_data() {
    QTest::addColumn<QByteArray>("mountType");
    QTest::addColumn<QByteArray>("deviceType");
    QTest::addColumn<QString>("expected");
    QTest::newRow("vfat") << QByteArray("vfat") << QByteArray() << "FAT32";
    QTest::newRow("msdos") << QByteArray("msdos") << QByteArray() << "FAT32";
    QTest::newRow("exfat") << QByteArray("exfat") << QByteArray() << "exFAT";
    QTest::newRow("ntfs") << QByteArray("ntfs") << QByteArray() << "NTFS";
    QTest::newRow("ntfs3") << QByteArray("ntfs3") << QByteArray() << "NTFS";
    QTest::newRow("ntfs-3g on fuseblk") << QByteArray("fuseblk") << QByteArray("ntfs") << "NTFS";
    QTest::newRow("fuse subtype") << QByteArray("fuse.exfat") << QByteArray() << "exFAT";
    QTest::newRow("fuseblk unknown") << QByteArray("fuseblk") << QByteArray() << "fuseblk";
    QTest::newRow("other fuse") << QByteArray("fuse.sshfs") << QByteArray() << "fuse.sshfs";
    QTest::newRow("ext4") << QByteArray("ext4") << QByteArray() << "ext4";
    QTest::newRow("tmpfs") << QByteArray("tmpfs") << QByteArray("vfat") << "tmpfs";
    QTest::newRow("nothing") << QByteArray() << QByteArray() << "unknown";
}

void TestPlatform::fileSystemNames() {
    QFETCH(QByteArray, mountType);
    QFETCH(QByteArray, deviceType);
    QFETCH(QString, expected);
    const QString name = platform::fileSystemDisplayName(mountType, deviceType);
    QCOMPARE(name, expected);
    // The download check asks whether the name begins with "FAT".
    QCOMPARE(name.startsWith("FAT"), mountType == "vfat" || mountType == "msdos");
}

void TestPlatform::fileSystemOfARealPath() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString expected =
        platform::fileSystemDisplayName(QStorageInfo(dir.path()).fileSystemType());
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    QCOMPARE(QString::fromStdString(platform::volumeFileSystemName(folder)), expected);
    QVERIFY(expected != "unknown");
    // A download target that doesn't exist yet lies on its parent's volume.
    const std::string later = QFile::encodeName(dir.filePath("phim mới/a.mkv")).toStdString();
    QCOMPARE(QString::fromStdString(platform::volumeFileSystemName(later)), expected);
    QCOMPARE(platform::volumeFileSystemName(""), std::string("unknown"));
}

void TestPlatform::diskSpace() {
    QTemporaryDir dir;
    qint64 total = -1, free = -1;
    QVERIFY(platform::volumeSpace(dir.path(), total, free));
    QVERIFY(total > 0);
    QVERIFY(free >= 0 && free <= total);

    total = free = -7;
    QVERIFY(!platform::volumeSpace(dir.filePath("missing/folder"), total, free));
    QVERIFY(!platform::volumeSpace(QString(), total, free));
    QCOMPARE(total, qint64(-7));
    QCOMPARE(free, qint64(-7));
}

void TestPlatform::execQuoting_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/opt/brisko/briskotool" << QStringList() << "/opt/brisko/briskotool";
    QTest::newRow("space") << "/home/an b/briskotool" << QStringList()
                           << "\"/home/an b/briskotool\"";
    // Quoting escapes " ` $ \ with a backslash; the string value then doubles every
    // backslash, so a literal backslash ends up as four.
    QTest::newRow("reserved characters")
        << "/x/a\"b$c`d\\e" << QStringList() << "\"/x/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e\"";
    QTest::newRow("percent") << "/x/100%" << QStringList() << "/x/100%%";
    QTest::newRow("arguments") << "/p/briskotool" << QStringList({"-d", "a b", ""})
                               << "/p/briskotool -d \"a b\" \"\"";
    QTest::newRow("newline") << "/p/t" << QStringList({"a\nb"}) << "/p/t \"a\\nb\"";
    QTest::newRow("utf-8") << "/home/người dùng/briskotool" << QStringList()
                           << "\"/home/người dùng/briskotool\"";
}

void TestPlatform::execQuoting() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QCOMPARE(platform::desktopExecLine(program, arguments), expected);
}

void TestPlatform::autostartEntry() {
    const QString path = platform::autostartEntryPath();
    QCOMPARE(path, qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/briskotool.desktop");
    QVERIFY(platform::removeAutostartEntry()); // none there: nothing to do

    QVERIFY(platform::writeAutostartEntry("/home/an b/briskotool"));
    const QList<QByteArray> lines = readAll(path).split('\n');
    QCOMPARE(lines.value(0), QByteArray("[Desktop Entry]"));
    QVERIFY(lines.contains("Type=Application"));
    QVERIFY(lines.contains("Exec=\"/home/an b/briskotool\""));

    QVERIFY(platform::writeAutostartEntry("/opt/briskotool")); // replaced, not appended
    QCOMPARE(readAll(path).count("Exec="), 1);
    QVERIFY(readAll(path).contains("Exec=/opt/briskotool\n"));

    QVERIFY(platform::removeAutostartEntry());
    QVERIFY(!QFile::exists(path));
}

void TestPlatform::autostartWriteFailureIsReported() {
    const QString folder = QFileInfo(platform::autostartEntryPath()).absolutePath();
    QDir(folder).removeRecursively();
    QFile blocker(folder); // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot write .*briskotool.desktop"));
    QVERIFY(!platform::writeAutostartEntry("/opt/briskotool"));
    QVERIFY(blocker.remove());
}

void TestPlatform::privateTempFolder() {
    const QString folder = platform::privateTempFolder();
    QCOMPARE(folder, QDir::tempPath() + QString("/briskotool-%1").arg(geteuid()));
    const struct stat st = statOf(folder);
    QVERIFY(S_ISDIR(st.st_mode));
    QCOMPARE(st.st_uid, geteuid());
    QCOMPARE(int(st.st_mode & 0777), 0700);
    QCOMPARE(platform::privateTempFolder(), folder);
}

void TestPlatform::unsafeTempNameIsAvoided_data() {
    QTest::addColumn<QString>("trap");
    QTest::newRow("symlink to our own folder") << "symlink";
    QTest::newRow("open to others") << "loose";
    QTest::newRow("someone else's") << "foreign";
}

void TestPlatform::unsafeTempNameIsAvoided() {
    QFETCH(QString, trap);
    QTemporaryDir base;
    QVERIFY(base.isValid());
    const QString name = base.filePath(QString("briskotool-%1").arg(geteuid()));
    QTemporaryDir target;
    if (trap == "symlink") {
        QVERIFY(QFile::link(target.path(), name));
    } else {
        QVERIFY(QDir().mkdir(name));
        QVERIFY(chmod(QFile::encodeName(name).constData(), trap == "loose" ? 0777 : 0700) == 0);
        if (trap == "foreign") {
            if (geteuid() != 0)
                QSKIP("only root can hand a folder to another user");
            QVERIFY(chown(QFile::encodeName(name).constData(), 65534, 65534) == 0);
        }
    }
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(base.path()));
    const QString folder = platform::privateTempFolder();
    qputenv("TMPDIR", oldTmp);

    QVERIFY2(folder != name, qPrintable(folder));
    QVERIFY(folder.startsWith(base.path() + '/'));
    const struct stat st = statOf(folder);
    QVERIFY(S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 0777) == 0700);
    QVERIFY(QDir(target.path()).isEmpty()); // nothing went through the link
}

void TestPlatform::recordingActions() {
    QVERIFY(dynamic_cast<platform::RealSystemActions*>(&platform::systemActions()));
    {
        platform::RecordingSystemActions fake;
        QCOMPARE(&platform::systemActions(), static_cast<platform::SystemActions*>(&fake));
        fake.setPowerOffResult(false);
        QVERIFY(!platform::systemActions().requestPowerOff());
        QVERIFY(platform::systemActions().startDetached("vlc", {"/tmp/a b.mkv"}));
        platform::ProcessResult scripted;
        scripted.started = true;
        scripted.finished = true;
        scripted.exitCode = 2;
        fake.queueRunResult(scripted);
        QCOMPARE(platform::systemActions().runAndWait("7z", {"x", "a.zip"}).exitCode, 2);
        QCOMPARE(platform::systemActions().runAndWait("7z", {"l"}).exitCode, 0);

        const auto calls = fake.calls();
        QCOMPARE(calls.size(), 4);
        QCOMPARE(calls[0].kind, QString("poweroff"));
        QCOMPARE(calls[1].kind, QString("detached"));
        QCOMPARE(calls[1].arguments, QStringList{"/tmp/a b.mkv"});
        QCOMPARE(calls[2].program, QString("7z"));
    }
    QVERIFY(dynamic_cast<platform::RealSystemActions*>(&platform::systemActions()));
}

// Only harmless shell commands: nothing here powers off or starts a player.
void TestPlatform::realProcessRuns() {
    platform::RealSystemActions real;
    const platform::ProcessResult run = real.runAndWait(
        "sh", {"-c", "printf '%s' \"$1\"; printf err >&2; exit 3", "sh", "tệp có dấu cách"});
    QVERIFY(run.started && run.finished);
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(QString::fromUtf8(run.output), QString("tệp có dấu cách"));
    QCOMPARE(run.errors, QByteArray("err"));

    const platform::ProcessResult slow = real.runAndWait("sleep", {"30"}, 100);
    QVERIFY(slow.started && !slow.finished);
    QVERIFY(!real.runAndWait("/nonexistent/program", {}).started);

    QTemporaryDir dir;
    const QString marker = dir.filePath("started");
    QVERIFY(real.startDetached("sh", {"-c", "echo ok > \"$1\"", "sh", marker}));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker) && !readAll(marker).isEmpty(), 20000);
    QVERIFY(!real.startDetached("/nonexistent/program", {}));
}

void TestPlatform::damagedRegistryIsKeptAside_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("cut") << QByteArray("{\"HKEY_CURRENT_USER\": {\"keys\": {\"Softw") << true
                         << true;
    QTest::newRow("not an object") << QByteArray("[1, 2]") << true << true;
    QTest::newRow("empty") << QByteArray("") << true << false;
    QTest::newRow("sound") << QByteArray("{}") << true << false;
    QTest::newRow("sound but unreadable (mode 0200)")
        << QByteArray("{\"HKEY_CURRENT_USER\": {}}") << false << true;
}

// A registry file that does not parse, or cannot be read, is read as empty, and kept
// beside the new one before the first save writes over it; the new one is readable, and
// later saves keep no further copy.
void TestPlatform::damagedRegistryIsKeptAside() {
    QFETCH(QByteArray, text);
    QFETCH(bool, readable);
    QFETCH(bool, damaged);
    QTemporaryDir folder;
    const QString path = folder.filePath("registry.json");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    if (!readable)
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const QString copy = platform::damagedCopyPath(path);
    withFileModesInForce([&] {
        QCOMPARE(QFile(path).open(QIODevice::ReadOnly), readable);
        platform::Registry registry(path, nullptr);
        registry.setValue(platform::RegistryRoot::CurrentUser, "Software\\X", "v",
                          platform::RegistryValue::dword(1));
        QVERIFY(registry.save());
        QVERIFY(readAll(path).contains("Software"));
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(QFile::exists(copy), damaged);
    if (damaged)
        QCOMPARE(readAll(copy), text);
    platform::Registry registry(path, nullptr);
    QVERIFY(readAll(path).contains("Software"));
    QFile::remove(copy);
    QVERIFY(registry.save());
    QVERIFY(!QFile::exists(copy));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
