// Media players: lookup on PATH (or the override), the arguments a player is started
// with, and installing one from the stand-in's setup program.
#include "core/mediaplayerinfo.h"
#include "core/playerinstall.h"
#include "platform/recordingsystemactions.h"
#include "platform/userfolders.h"
#include "tests/support/devservicefixture.h"
#include "tests/support/environmentvalue.h"
#include "tools/devservice/webendpoints.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <atomic>

using PlayerMap = QMap<MEDIAPLAYER_ID, QString>;
Q_DECLARE_METATYPE(PlayerMap)

namespace {

// Runs programs for real, but first notes how the setup program looks when it is run.
class InspectingActions : public platform::RealSystemActions {
public:
    InspectingActions() { platform::setSystemActions(this); }
    ~InspectingActions() override { platform::setSystemActions(nullptr); }

    platform::ProcessResult runAndWait(const QString& program, const QStringList& arguments,
                                       int timeoutMs, const QString& workingFolder) override {
        {
            QMutexLocker lock(&mutex);
            this->program = program;
            this->arguments = arguments;
            permissions = QFile::permissions(program);
            QFile file(program);
            content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }
        if (!runIt)
            return {};
        return RealSystemActions::runAndWait(program, arguments, timeoutMs, workingFolder);
    }

    QMutex mutex;
    bool runIt = true; // false: as if the program could not be started
    QString program;
    QStringList arguments;
    QFile::Permissions permissions;
    QByteArray content;
};

void makeExecutable(const QString& path, bool executable = true) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        mode |= QFile::ExeOwner;
    QVERIFY(file.setPermissions(mode));
}

} // namespace

class TestMediaPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void findPlayerPath_data();
    void findPlayerPath();
    void startPlayerArguments_data();
    void startPlayerArguments();
    void uninstallablePlayerFailsAtOnce();
    void installPlayer_data();
    void installPlayer();
    void failedDownloadRunsNothing();

private:
    DevServiceFixture fixture;
};

void TestMediaPlayer::initTestCase() {
    QVERIFY(fixture.start());
}

void TestMediaPlayer::init() {
    fixture.service().requests().clear();
    fixture.service().faults().clear();
}

void TestMediaPlayer::findPlayerPath_data() {
    QTest::addColumn<QStringList>("onPath");      // executables in the PATH folder
    QTest::addColumn<QStringList>("notRunnable"); // files there without the x bit
    QTest::addColumn<QStringList>("inOverride");  // executables in the override folder
    QTest::addColumn<QStringList>("found");       // "id=folder/name", folder {PATH} or {OVERRIDE}

    QTest::newRow("nothing installed")
        << QStringList() << QStringList() << QStringList() << QStringList();
    QTest::newRow("vlc") << QStringList{"vlc"} << QStringList() << QStringList()
                         << QStringList{"1={PATH}/vlc"};
    QTest::newRow("both players") << QStringList{"vlc", "mpc-hc"} << QStringList() << QStringList()
                                  << QStringList{"1={PATH}/vlc", "2={PATH}/mpc-hc"};
    QTest::newRow("a file that can't run is no player")
        << QStringList() << QStringList{"vlc"} << QStringList() << QStringList();
    QTest::newRow("other names are not players")
        << QStringList{"vlc.exe", "KMPlayer", "mpc-hc64.exe"} << QStringList() << QStringList()
        << QStringList();
    QTest::newRow("the override replaces PATH")
        << QStringList{"vlc"} << QStringList() << QStringList{"mpc-hc"}
        << QStringList{"2={OVERRIDE}/mpc-hc"};
}

void TestMediaPlayer::findPlayerPath() {
    QFETCH(QStringList, onPath);
    QFETCH(QStringList, notRunnable);
    QFETCH(QStringList, inOverride);
    QFETCH(QStringList, found);

    QTemporaryDir pathFolder;
    QTemporaryDir overrideFolder;
    for (const QString& name : onPath)
        makeExecutable(pathFolder.filePath(name));
    for (const QString& name : notRunnable)
        makeExecutable(pathFolder.filePath(name), false);
    for (const QString& name : inOverride)
        makeExecutable(overrideFolder.filePath(name));
    EnvironmentValue path("PATH", QFile::encodeName(pathFolder.path()));
    std::unique_ptr<EnvironmentValue> override;
    if (!inOverride.isEmpty())
        override = std::make_unique<EnvironmentValue>(
            kPlayerSearchPathVariable, "/nonexistent:" + QFile::encodeName(overrideFolder.path()));

    QStringList got;
    const PlayerMap players = ::findPlayerPath();
    for (auto it = players.begin(); it != players.end(); ++it)
        got << QStringLiteral("%1=%2").arg(int(it.key())).arg(it.value());
    QStringList expected;
    for (QString entry : found)
        expected << entry.replace("{OVERRIDE}", overrideFolder.path())
                        .replace("{PATH}", pathFolder.path());
    QCOMPARE(got, expected);
}

void TestMediaPlayer::startPlayerArguments_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("subtitle");
    QTest::addColumn<QStringList>("arguments");
    const QString media = QStringLiteral("/tmp/Phim hay.mkv");
    const QString sub = QStringLiteral("/tmp/Phim hay.srt");
    QTest::newRow("VLC") << 1 << QString() << QStringList{media};
    QTest::newRow("VLC with subtitle") << 1 << sub << QStringList{media, "--sub-file", sub};
    QTest::newRow("MPC-HC") << 2 << QString() << QStringList{media};
    QTest::newRow("MPC-HC with subtitle") << 2 << sub << QStringList{media, "/sub", sub};
    QTest::newRow("KMPlayer takes no subtitle") << 3 << sub << QStringList{media};
}

void TestMediaPlayer::startPlayerArguments() {
    QFETCH(int, id);
    QFETCH(QString, subtitle);
    QFETCH(QStringList, arguments);
    platform::RecordingSystemActions actions;
    MediaPlayerInfo player{MEDIAPLAYER_ID(id), QStringLiteral("label"),
                           QStringLiteral("/opt/player dir/player")};
    QVERIFY(player.startPlayer(QStringLiteral("/tmp/Phim hay.mkv"), subtitle));
    const auto calls = actions.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).kind, QStringLiteral("detached"));
    QCOMPARE(calls.at(0).program, player.path);
    QCOMPARE(calls.at(0).arguments, arguments);
}

void TestMediaPlayer::uninstallablePlayerFailsAtOnce() {
    platform::RecordingSystemActions actions;
    QWidget parent;
    int calls = 0;
    bool outcome = true;
    ::installPlayer(
        MEDIAPLAYER_KMPLAYER, [&](bool ok) { ++calls, outcome = ok; }, &parent);
    QCOMPARE(calls, 1);
    QVERIFY(!outcome);
    QVERIFY(parent.findChildren<QDialog*>().isEmpty());
    QCOMPARE(fixture.service().requests().size(), std::size_t(0));
    QVERIFY(actions.calls().isEmpty());
}

void TestMediaPlayer::installPlayer_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("outcome");
    const QStringList vlc{"/S", "/NCRC", "/L=1033"};
    QTest::newRow("VLC") << 1 << "/file/VLCSETUP0001"
                         << "player_VLC_setup_brisko" << vlc << true << true;
    QTest::newRow("MPC-HC") << 2 << "/file/MPCSETUP0001"
                            << "player_MPC_setup_brisko" << QStringList{"/SILENT"} << true << true;
    QTest::newRow("installer can't start") << 1 << "/file/VLCSETUP0001"
                                           << "player_VLC_setup_brisko" << vlc << false << false;
}

void TestMediaPlayer::installPlayer() {
    QFETCH(int, id);
    QFETCH(QString, link);
    QFETCH(QString, name);
    QFETCH(QStringList, arguments);
    QFETCH(bool, starts);
    QFETCH(bool, outcome);

    InspectingActions actions;
    actions.runIt = starts;
    QWidget parent;
    std::atomic<int> calls{0};
    std::atomic<bool> result{!outcome};
    ::installPlayer(
        MEDIAPLAYER_ID(id),
        [&](bool ok) {
            result = ok;
            ++calls;
        },
        &parent);
    QTRY_COMPARE_WITH_TIMEOUT(calls.load(), 1, 20000);
    QCOMPARE(result.load(), outcome);
    QCOMPARE(fixture.service().requests().forPath(link.toStdString()).size(), std::size_t(1));

    QMutexLocker lock(&actions.mutex);
    QCOMPARE(QFileInfo(actions.program).absolutePath(), platform::privateTempFolder());
    QCOMPARE(QFileInfo(actions.program).fileName(), name);
    QCOMPARE(actions.arguments, arguments);
    // Runnable by its owner only, and exactly what the service sent.
    const QFile::Permissions ownerGroupOther(0x7077);
    QCOMPARE(actions.permissions & ownerGroupOther,
             QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(actions.content, QByteArray::fromStdString(devservice::setupProgram()));
    QVERIFY(!QFile::exists(actions.program));
    // The download dialog is gone as well.
    QTRY_VERIFY(parent.findChildren<QDialog*>().isEmpty());
}

void TestMediaPlayer::failedDownloadRunsNothing() {
    fixture.service().faults().next("/file/VLCSETUP0001",
                                    devservice::Fault::status(404, "gone", "text/html"));
    platform::RecordingSystemActions actions;
    QWidget parent;
    int calls = 0;
    bool outcome = true;
    ::installPlayer(
        MEDIAPLAYER_VLC, [&](bool ok) { ++calls, outcome = ok; }, &parent);
    QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 20000);
    QVERIFY(!outcome);
    QVERIFY(actions.calls().isEmpty());
}

QTEST_MAIN(TestMediaPlayer)
#include "test_mediaplayer.moc"
