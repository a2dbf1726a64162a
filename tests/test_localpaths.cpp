#include "core/localpaths.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/userfolders.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestLocalPaths : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void installedCopy_data();
    void installedCopy();
    void installedCopyTakesOverLegacyFile_data();
    void installedCopyTakesOverLegacyFile();
    void portableCopyKeepsFilesBesideProgram();
    void readOnlyPortableCopyUsesDataFolder();
    void readOnlyProgramFolderForReal();
    void wrappers();

private:
    QScopedPointer<QTemporaryDir> m_tree;
    QString m_program;
    QString m_dataFolder;
};

namespace {

void setPathSetting(const QVariant& value) {
    SettingsStore store;
    store.remove(SettingsKeys::Path);
    if (value.isValid())
        store.setValue(SettingsKeys::Path, value);
    QVERIFY(store.sync());
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

void TestLocalPaths::initTestCase() {
    QCoreApplication::setOrganizationName("Brisko");
    QCoreApplication::setApplicationName("Brisko Tool");
    m_dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QCOMPARE(m_dataFolder, qEnvironmentVariable("XDG_DATA_HOME") + "/Brisko/Brisko Tool");
}

// A program folder of its own per test, and no data folder yet (as on a first run).
void TestLocalPaths::init() {
    m_tree.reset(new QTemporaryDir);
    QVERIFY(m_tree->isValid());
    QVERIFY(QDir().mkpath(m_tree->filePath("Chương trình")));
    m_program = m_tree->filePath("Chương trình/briskotool");
    writeFile(m_program, "#!");
    platform::setProgramFilePathOverride(m_program);
    QDir(m_dataFolder).removeRecursively();
    setPathSetting(QVariant());
}

void TestLocalPaths::cleanup() {
    platform::setProgramFilePathOverride(QString());
    platform::setWritableFolderCheck(nullptr);
}

void TestLocalPaths::installedCopy_data() {
    QTest::addColumn<QString>("form"); // how the setting spells the program path
    QTest::addColumn<bool>("installed");
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("empty") << "empty" << false;
    QTest::newRow("same") << "same" << true;
    QTest::newRow("other letter case") << "upper" << true;
    QTest::newRow("backslashes") << "backslashes" << true;
    QTest::newRow("surrounding blanks") << "blanks" << true;
    QTest::newRow("another program") << "other" << false;
}

void TestLocalPaths::installedCopy() {
    QFETCH(QString, form);
    QFETCH(bool, installed);
    const QMap<QString, QVariant> values{{"missing", QVariant()},
                                         {"empty", QString("")},
                                         {"same", m_program},
                                         {"upper", m_program.toUpper()},
                                         {"backslashes", QString(m_program).replace('/', '\\')},
                                         {"blanks", "  " + m_program + "\t"},
                                         {"other", QString("/opt/brisko/briskotool")}};
    setPathSetting(values.value(form));
    QCOMPARE(isInstalledCopy(), installed);
}

void TestLocalPaths::installedCopyTakesOverLegacyFile_data() {
    QTest::addColumn<QByteArray>("legacy");  // "" = no legacy file
    QTest::addColumn<QByteArray>("current"); // "<missing>" = no current file
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("legacy only, first run")
        << QByteArray("old") << QByteArray("<missing>") << QByteArray("old");
    QTest::newRow("non-empty list wins")
        << QByteArray("old") << QByteArray("new") << QByteArray("new");
    QTest::newRow("empty list replaced") << QByteArray("old") << QByteArray() << QByteArray("old");
    QTest::newRow("nothing to take over")
        << QByteArray() << QByteArray("<missing>") << QByteArray("<missing>");
}

void TestLocalPaths::installedCopyTakesOverLegacyFile() {
    QFETCH(QByteArray, legacy);
    QFETCH(QByteArray, current);
    QFETCH(QByteArray, expected);
    setPathSetting(m_program);
    const QString legacyPath = QFileInfo(m_program).absolutePath() + "/download.123.tmp";
    const QString currentPath = m_dataFolder + "/history.dl.123.xml";
    if (!legacy.isEmpty())
        writeFile(legacyPath, legacy);
    if (current != "<missing>") {
        QVERIFY(QDir().mkpath(m_dataFolder));
        writeFile(currentPath, current);
    }
    QCOMPARE(downloadHistoryFilePath(123), currentPath);
    QVERIFY(QFileInfo(m_dataFolder).isDir());
    QCOMPARE(readFile(currentPath), expected);
    QVERIFY(!QFile::exists(legacyPath));
}

void TestLocalPaths::portableCopyKeepsFilesBesideProgram() {
    const QString folder = QFileInfo(m_program).absolutePath();
    writeFile(folder + "/upload.77.tmp", "old");
    QCOMPARE(uploadHistoryFilePath(77), folder + "/history.ul.77.xml");
    QCOMPARE(downloadHistoryFilePath(-5), folder + "/history.dl.-5.xml");
    QCOMPARE(readFile(folder + "/upload.77.tmp"), QByteArray("old")); // left alone
    QVERIFY(!QFileInfo::exists(m_dataFolder));
}

void TestLocalPaths::readOnlyPortableCopyUsesDataFolder() {
    const QString folder = QFileInfo(m_program).absolutePath();
    QStringList asked;
    platform::setWritableFolderCheck([&](const QString& f) {
        asked << f;
        return false;
    });
    QCOMPARE(downloadHistoryFilePath(9), m_dataFolder + "/history.dl.9.xml");
    QVERIFY(QFileInfo(m_dataFolder).isDir());
    QCOMPARE(asked, QStringList{folder});
}

void TestLocalPaths::readOnlyProgramFolderForReal() {
    if (geteuid() == 0)
        QSKIP("running as root: a read-only folder is still writable, so the real check "
              "can't be shown here (readOnlyPortableCopyUsesDataFolder covers the rule)");
    const QByteArray folder = QFile::encodeName(QFileInfo(m_program).absolutePath());
    QVERIFY(chmod(folder.constData(), 0555) == 0);
    const QString path = uploadHistoryFilePath(4);
    chmod(folder.constData(), 0755);
    QCOMPARE(path, m_dataFolder + "/history.ul.4.xml");
}

void TestLocalPaths::wrappers() {
    const QString temp = tempFolder();
    QCOMPARE(temp, QDir::tempPath() + QString("/briskotool-%1").arg(geteuid()));
    QVERIFY(QFileInfo(temp).isDir());

    QVERIFY(fileSystemName(QFile::encodeName(temp).toStdString()) != "unknown");
    qint64 total = 0, free = 0;
    QVERIFY(getDiskSpace(temp, total, free) && total > 0);

    const QString entry = qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/briskotool.desktop";
    QVERIFY(setAutoStart(m_program, false));
    QVERIFY(readFile(entry).contains("Exec=\"" + m_program.toUtf8() + "\"\n"));
    QVERIFY(setAutoStart(m_program, true));
    QVERIFY(!QFile::exists(entry));
    QVERIFY(setAutoStart(m_program, true));
}

QTEST_GUILESS_MAIN(TestLocalPaths)
#include "test_localpaths.moc"
