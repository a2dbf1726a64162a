// The ends of the program. Each runs in a child process that sets the program up as main
// does (single-copy lock, main window, signals) against the stand-in, logs in, queues a
// download and an upload, and is then ended one way or another: whatever ends it, the
// transfer lists handed over and the settings reach the disk, and the lock is let go in
// the order a new copy needs. The child's disk takes 300 ms for every free-space query a
// history save makes, as a slow disk does. In process: an account's teardown past a
// hidden dialog kept alive.
#include "app/startup.h"
#include "core/globals.h"
#include "core/localpaths.h"
#include "core/timesource.h"
#include "core/updatehelper.h"
#include "download/formdownload.h"
#include "mainwindow/mainform.h"
#include "mainwindow/programexit.h"
#include "platform/endsignals.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "platform/systemactions.h"
#include "platform/userfolders.h"
#include "tests/downloadtabprobe.h"
#include "tests/mainformprobe.h"
#include "tests/mainwindowsession.h"
#include "tests/shortwaits.h"
#include "tests/support/childenvironment.h"
#include "tests/support/scripteduserprompt.h"
#include "tools/devservice/demoaccount.h"
#include "transfer/transferenvironment.h"
#include "upload/formupload.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

const char kChildArgument[] = "--ending-child";
const char kInstanceId[] = "programend";
// What the child queues and sets, to be found in its files afterwards.
const char kDownloadName[] = "ket-thuc.bin";
const char kUploadName[] = "len-truoc.txt";
const char kMarkerKey[] = "EndMarker";

bool fileHolds(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains(text);
}

QByteArray marker(const QString& mode) {
    return QByteArray(kMarkerKey) + '=' + mode.toUtf8();
}

// The history files of the demo account, which the child logs in as.
QString downloadList(qint64 account) {
    return downloadHistoryFilePath(account);
}
QString uploadList(qint64 account) {
    return uploadHistoryFilePath(account);
}

} // namespace

// ---------------------------------------------------------------------------------------
// The child.

namespace child {

void say(const QByteArray& line) {
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

// A disk whose free-space query takes 300 ms: a history save is still on its way for
// that long after it was asked for.
class SlowDisk : public TransferEnvironment {
public:
    SlowDisk() : replaced(install(this)) {}
    ~SlowDisk() override { install(replaced); }
    bool diskSpace(const QString& folder, qint64& total, qint64& freeForCaller) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return TransferEnvironment::diskSpace(folder, total, freeForCaller);
    }

private:
    TransferEnvironment* replaced;
};

// What is on disk at a moment of the end: the settings and both transfer lists.
struct OnDisk {
    QString mode;
    qint64 account = 0;
    QByteArray now() const {
        const bool settings = fileHolds(SettingsStore().fileName(), marker(mode));
        const bool lists = fileHolds(downloadList(account), kDownloadName) &&
                           fileHolds(uploadList(account), kUploadName);
        return QByteArray(" settings=") + (settings ? "yes" : "no") +
               " lists=" + (lists ? "yes" : "no");
    }
};

// Starts nothing; says what it was asked to start and what the disk held then.
class StartRecorder : public platform::SystemActions {
public:
    explicit StartRecorder(const OnDisk& disk) : disk(disk) { platform::setSystemActions(this); }
    ~StartRecorder() override { platform::setSystemActions(nullptr); }
    bool requestPowerOff() override { return false; }
    bool startDetached(const QString& program, const QStringList&, const QString&) override {
        say("started " + program.toUtf8() + disk.now());
        return true;
    }
    platform::ProcessResult runAndWait(const QString&, const QStringList&, int,
                                       const QString&) override {
        return {};
    }

private:
    const OnDisk& disk;
};

// The self-update's end of the program.
class EndingUpdate : public UpdateHelper {
public:
    EndingUpdate() : UpdateHelper(nullptr) {}
    void endProgram() { quitProgram(0); }
};

brisko::file* record(const std::string& name, const std::string& code, std::uint64_t size) {
    auto* made = new brisko::file;
    made->set_name(name);
    made->set_linkcode(code);
    made->set_url(MainWindowSession::webSite().toStdString() + "/file/" + code);
    made->set_size(std::to_string(size));
    return made;
}

// Runs `act` once the login dialog that follows a logout shows.
void whenLoginShows(MainForm& window, std::function<void()> act) {
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, [&window, poll, act] {
        if (!MainFormProbe::loginForm(window)->isVisible())
            return;
        poll->stop();
        act();
    });
    poll->start(10);
}

int run(int argc, char** argv, const QString& mode) {
    QApplication app(argc, argv);
    const QString program = qEnvironmentVariable("BRISKO_TEST_PROGRAM");
    platform::setProgramFilePathOverride(program);
    startup::installCaBundle(platform::programFolder() + QStringLiteral("/ca.crt"));
    SlowDisk disk;
    ShortWaits waits;
    SingleInstance instance(QString::fromLatin1(kInstanceId));
    if (instance.isRunning() || instance.lockFailed())
        return 3;
    OnDisk onDisk{mode, 0};
    programexit::setInstanceRelease([&instance, &onDisk] {
        say("released" + onDisk.now());
        instance.release();
    });
    UpdateHelper::setProgramEnd(&programexit::quit);
    StartRecorder starts(onDisk);
    ScriptedUserPrompt prompt;

    MainForm window;
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, &window, &MainForm::endBySignal);
    const auto user = MainWindowSession::logIn();
    if (!user)
        return 4;
    onDisk.account = user->getUserId().toLongLong();
    window.loginDone(*user);
    FormDownload* downloads = MainFormProbe::formDownload(window);
    FormUpload* uploads = MainFormProbe::formUpload(window);

    const QString files = platform::programFolder() + QStringLiteral("/files");
    QDir().mkpath(files);
    QFile local(files + QLatin1Char('/') + QLatin1String(kUploadName));
    if (!local.open(QIODevice::WriteOnly) || local.write("truoc khi tat") <= 0)
        return 5;
    local.close();
    MegaFile top;
    top.setName(QStringLiteral("/"));
    uploads->getUploadInforFromDlg(top, {local.fileName()}, QString(), QString(), false, false);

    const bool transfer = mode.startsWith(QLatin1String("transfer"));
    std::unique_ptr<brisko::file> queued(
        transfer ? record("tep-lon.mp4", devservice::demo::kBigFileCode, 5 * 1024 * 1024)
                 : record(kDownloadName, "KHONGCOMA", 4096));
    DownloadTabProbe::getDir(*downloads, {queued.get()}, QString(), files);

    // The parent says when: it may take the settings' lock first.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        input.setEnabled(false);
        SettingsStore().setValue(QString::fromLatin1(kMarkerKey), mode);
        if (mode == QLatin1String("window-quit")) {
            prompt.answer(QMessageBox::Ok);
            window.on_actionQuit_triggered();
        } else if (mode == QLatin1String("restart-after-error")) {
            prompt.answer(QMessageBox::Yes);
            DownloadTabProbe::restartQuestion(*downloads);
        } else if (mode.startsWith(QLatin1String("login-")) ||
                   mode == QLatin1String("update-end")) {
            // The login dialog runs inside the logout.
            whenLoginShows(window, [mode, &window] {
                if (mode == QLatin1String("login-quit"))
                    MainFormProbe::loginForm(window)->reject(); // Escape
                else if (mode == QLatin1String("login-restart"))
                    programexit::restart(); // what the options of the login dialog end with
                else if (mode == QLatin1String("login-signal"))
                    std::raise(SIGTERM);
                else
                    EndingUpdate().endProgram();
            });
            window.logout(QString());
        }
    });
    if (transfer) {
        SettingsStore settings;
        settings.setValue(SettingsKeys::UseDownloadLimit, QStringLiteral("true"));
        settings.setValue(SettingsKeys::DownloadLimit, QStringLiteral("32"));
        QMetaObject::invokeMethod(downloads, "on_btnStartAll_clicked");
        // Ready once bytes have arrived: the list on disk knows nothing of them yet.
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            const QList<DownloadFile*> jobs = DownloadTabProbe::model(*downloads)->getJobs();
            if (jobs.isEmpty() || jobs.first()->progress() <= 0)
                return;
            poll->stop();
            SettingsStore().setValue(QString::fromLatin1(kMarkerKey), mode);
            say("transferring");
        });
        poll->start(20);
    } else {
        say("ready");
    }
    app.exec();
    return 6; // every end goes through the program's end, which does not return
}

} // namespace child

// ---------------------------------------------------------------------------------------
// The tests.

// Hidden windows' runs hold a teardown a moment only.
class ShortHold : public TimeSource {
public:
    std::chrono::milliseconds duration(Wait kind, std::chrono::milliseconds designed) override {
        return kind == Wait::HiddenWindowHold ? std::chrono::milliseconds(300) : designed;
    }
};

class TestProgramEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyEndKeepsWhatItHandedOver_data();
    void everyEndKeepsWhatItHandedOver();
    void signalsEndThroughTheProgramsEnd_data();
    void signalsEndThroughTheProgramsEnd();
    void teardownGoesOnPastAHiddenDialogKeptAlive();

private:
    // Starts the child in `mode`, reading its lines into `lines`.
    bool startChild(QProcess& child, const QString& mode, QList<QByteArray>& lines);
    static bool waitForLine(QProcess& child, QList<QByteArray>& lines, const QByteArray& start,
                            int ms = 60000);
    qint64 account() { return session.accountId().toLongLong(); }

    MainWindowSession session;
};

void TestProgramEnd::initTestCase() {
    QVERIFY(session.start());
    // The children hear these whatever the test runner ignores.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
}

bool TestProgramEnd::startChild(QProcess& child, const QString& mode, QList<QByteArray>& lines) {
    QFile::remove(downloadList(account()));
    QFile::remove(uploadList(account()));
    QDir(session.programFolder() + QStringLiteral("/files")).removeRecursively();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRISKO_TEST_PROGRAM"),
                       session.programFolder() + QStringLiteral("/briskotool"));
    child.setProcessEnvironment(childEnvironment(environment));
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lines.clear();
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kChildArgument), mode});
    return child.waitForStarted(10000);
}

bool TestProgramEnd::waitForLine(QProcess& child, QList<QByteArray>& lines, const QByteArray& start,
                                 int ms) {
    QDeadlineTimer deadline(ms);
    for (;;) {
        while (child.canReadLine())
            lines << child.readLine().trimmed();
        for (const QByteArray& line : lines) {
            if (line.startsWith(start))
                return true;
        }
        if (deadline.hasExpired() || child.state() == QProcess::NotRunning)
            return false;
        child.waitForReadyRead(int(qMin<qint64>(1000, deadline.remainingTime())));
    }
}

void TestProgramEnd::everyEndKeepsWhatItHandedOver_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("status");
    // The test holds the settings' folder lock until the lock of the program is let go.
    QTest::addColumn<bool>("holdSettings");
    QTest::addColumn<QByteArray>("atRelease"); // what the disk held then; empty: not checked
    QTest::addColumn<bool>("restarts");
    QTest::newRow("logout, then Escape in the login dialog")
        << "login-quit" << 1 << false << QByteArray() << false;
    QTest::newRow("logout, then a restart from the login dialog")
        << "login-restart" << 0 << false << QByteArray("settings=yes lists=yes") << true;
    QTest::newRow("logout, then the self-update ends the program")
        << "update-end" << 0 << false << QByteArray() << false;
    QTest::newRow("logout, then SIGTERM at the login dialog")
        << "login-signal" << 128 + SIGTERM << false << QByteArray() << false;
    // A quit lets go of the lock before it writes the settings; a restart after them,
    // since the new copy reads them.
    QTest::newRow("the window's quit")
        << "window-quit" << 1 << true << QByteArray("settings=no") << false;
    QTest::newRow("a restart after a download error")
        << "restart-after-error" << 0 << false << QByteArray("settings=yes lists=yes") << true;
}

void TestProgramEnd::everyEndKeepsWhatItHandedOver() {
    QFETCH(QString, mode);
    QFETCH(int, status);
    QFETCH(bool, holdSettings);
    QFETCH(QByteArray, atRelease);
    QFETCH(bool, restarts);
    QProcess child;
    QList<QByteArray> lines;
    QVERIFY(startChild(child, mode, lines));
    QVERIFY(waitForLine(child, lines, "ready"));

    const QString settingsFile = SettingsStore().fileName();
    int folderLock = -1;
    if (holdSettings) {
        folderLock = ::open(QFile::encodeName(QFileInfo(settingsFile).absolutePath()).constData(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(folderLock >= 0);
        QCOMPARE(::flock(folderLock, LOCK_EX), 0);
    }
    child.write("go\n");
    const bool released = waitForLine(child, lines, "released");
    if (folderLock >= 0)
        ::close(folderLock);
    QVERIFY2(released, lines.join('|').constData());
    QVERIFY(child.waitForFinished(60000));
    while (child.canReadLine())
        lines << child.readLine().trimmed();

    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), status);
    int releasedAt = -1;
    int startedAt = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("released") && releasedAt < 0)
            releasedAt = i;
        if (lines[i].startsWith("started"))
            startedAt = i;
    }
    if (!atRelease.isEmpty())
        QVERIFY2(lines[releasedAt].contains(atRelease), lines[releasedAt].constData());
    if (restarts) {
        // The new copy finds everything on disk, and the lock free.
        QVERIFY2(startedAt > releasedAt, lines.join('|').constData());
        const QByteArray program =
            (session.programFolder() + QStringLiteral("/briskotool")).toUtf8();
        QCOMPARE(lines[startedAt], "started " + program + " settings=yes lists=yes");
    } else {
        QCOMPARE(startedAt, -1);
    }
    // Whatever ended the program: both lists and the settings are on disk.
    QVERIFY(fileHolds(downloadList(account()), kDownloadName));
    QVERIFY(fileHolds(uploadList(account()), kUploadName));
    QVERIFY(fileHolds(settingsFile, marker(mode)));
}

void TestProgramEnd::signalsEndThroughTheProgramsEnd_data() {
    QTest::addColumn<int>("number");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

// A signal during a download ends the program as its quit does: the download stops, the
// list keeps how far it got, the settings changed last are written.
void TestProgramEnd::signalsEndThroughTheProgramsEnd() {
    QFETCH(int, number);
    QProcess child;
    QList<QByteArray> lines;
    const QString mode = QStringLiteral("transfer-%1").arg(number);
    QVERIFY(startChild(child, mode, lines));
    QVERIFY2(waitForLine(child, lines, "transferring"), lines.join('|').constData());
    QCOMPARE(::kill(pid_t(child.processId()), number), 0);
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 128 + number);

    QFile list(downloadList(account()));
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(list.readAll());
    const QRegularExpressionMatch progress =
        QRegularExpression(QStringLiteral(" progress=\"([^\"]+)\"[^>]*>tep-lon.mp4<")).match(saved);
    QVERIFY2(progress.hasMatch() && progress.captured(1).toDouble() > 0, qPrintable(saved));
    QVERIFY(fileHolds(SettingsStore().fileName(), marker(mode)));
}

// A dialog shown once and kept alive, hidden, looks like one still inside its run to a
// teardown asked from a deeper loop: the teardown goes on after a while, and says which.
void TestProgramEnd::teardownGoesOnPastAHiddenDialogKeptAlive() {
    ShortHold hold;
    TimeSource::install(&hold);
    programexit::setHandler([](int) {});
    auto window = loggedInWindow(session);
    QVERIFY(window);
    QPointer<FormDownload> tab = MainFormProbe::formDownload(*window);
    QDialog kept;
    kept.setObjectName(QStringLiteral("kept"));
    kept.show();
    kept.hide();

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("past hidden windows .*QDialog")));
    QEventLoop loop;
    QTimer::singleShot(0, window.get(), [&] { window->endBySignal(SIGTERM); });
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!tab)
            loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    TimeSource::install(nullptr);
    programexit::setHandler({});
    QVERIFY(!tab);
    QVERIFY(!currentUser);
}

int main(int argc, char** argv) {
    if (argc > 2 && qstrcmp(argv[1], kChildArgument) == 0)
        return child::run(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    TestProgramEnd test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_programend.moc"
