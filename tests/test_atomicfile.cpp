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

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Only the file itself: nothing half-written is left beside it.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT
private slots:
    void replacesWhole();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void settingsSurviveAFullDisk();
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

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "test_atomicfile.moc"
