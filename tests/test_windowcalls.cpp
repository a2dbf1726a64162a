// The windows' own service calls against a stand-in that holds every API reply back: the
// logout (menu and account panel), the login's account read and the play dialog's direct
// link keep the GUI thread turning while they run, refuse a second start and apply
// nothing to a window closed meanwhile; and a logout ends the re-login of every request
// still on its way for the account.
#include "core/actionthread.h"
#include "core/globals.h"
#include "core/mediaplayerinfo.h"
#include "core/relogin.h"
#include "core/ruridudi.h"
#include "core/localpaths.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "download/dialogfileinfo.h"
#include "download/downloadfile.h"
#include "filemanager/dialogcreatefol.h"
#include "filemanager/dialogmovefile.h"
#include "filemanager/formchangefilepassword.h"
#include "tests/otherdisk.h"
#include "transfer/historyfile.h"
#include "transfer/transferenvironment.h"
#include "mainwindow/forminfo.h"
#include "mainwindow/loginform.h"
#include "mainwindow/programexit.h"
#include "media/dialogplayvideo.h"
#include "platform/recordingsystemactions.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/downloadtabprobe.h"
#include "tests/formmanagefixture.h"
#include "tests/guiturns.h"
#include "tests/mainformprobe.h"
#include "tests/mainwindowsession.h"
#include "tests/support/environmentvalue.h"
#include "tests/support/scripteduserprompt.h"
#include "tools/devservice/demoaccount.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSemaphore>
#include <QTableView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>

#include <atomic>
#include <functional>
#include <thread>

using devservice::Fault;

namespace {

const char kLogoutPath[] = "/api/user/logout";
const char kLoginPath[] = "/api/user/login";
const char kAccountPath[] = "/api/user/get";
const char kSessionPath[] = "/api/session/download";
const std::string kExpired = R"({"code":201,"msg":"Phiên đăng nhập đã hết hạn"})";
constexpr auto kLatency = std::chrono::milliseconds(300);
// Where the GUI thread's pauses are measured: long enough that a loaded machine's own
// pauses stay well below it.
constexpr auto kSlowLatency = std::chrono::milliseconds(1500);
constexpr int kWaitMs = 20000;

// A dialog shown now, the login dialog aside.
QDialog* shownDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog && dialog->isVisible() && !qobject_cast<LoginForm*>(dialog))
            return dialog;
    }
    return nullptr;
}

// Acts on each dialog that comes up while it lives (from inside the dialog's own modal
// run), until the action says it is done with them.
class OnDialog {
public:
    explicit OnDialog(std::function<bool(QDialog*)> act) {
        QObject::connect(&timer, &QTimer::timeout, [this, act] {
            QDialog* dialog = shownDialog();
            if (dialog && dialog != last && act(dialog))
                timer.stop();
            last = dialog;
        });
        timer.start(5);
    }

private:
    QTimer timer;
    QPointer<QDialog> last;
};

// Whether a dialog still showed when a tab went: it ran inside code the teardown destroyed.
class TabGoes {
public:
    explicit TabGoes(QWidget* tab) {
        QObject::connect(tab, &QObject::destroyed, [this] {
            gone = true;
            dialogOpen = shownDialog() != nullptr;
        });
    }
    bool gone = false;
    bool dialogOpen = false;
};

// A player start that takes as long as the test wants (a process start waits for the new
// process to run its program).
class HeldPlayerStart : public platform::RecordingSystemActions {
public:
    ~HeldPlayerStart() override { go.release(16); }
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder = QString()) override {
        entered.release();
        go.tryAcquire(1, 5000);
        return RecordingSystemActions::startDetached(program, arguments, workingFolder);
    }
    QSemaphore entered;
    QSemaphore go;
};

// Lets the results of every call that has ended reach their windows.
void deliverEndedCalls() {
    QVERIFY(ServiceCallRunner::waitForAllCalls(kWaitMs));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

class TestWindowCalls : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void logoutKeepsTheWindowTurning_data();
    void logoutKeepsTheWindowTurning();
    void closingWhileLoggingOut_data();
    void closingWhileLoggingOut();
    void logoutEndsTheReLoginOfRequestsOnTheirWay_data();
    void logoutEndsTheReLoginOfRequestsOnTheirWay();
    void reLoginOnItsWayAtLogoutIsUndone();
    void loginReadKeepsTheDialogTurning();
    void quittingTheLoginWhileReading();
    void logoutHeldWhileTheUserOpensAWindow_data();
    void logoutHeldWhileTheUserOpensAWindow();
    void closingWaitsForTheWindowsOverTheTabs_data();
    void closingWaitsForTheWindowsOverTheTabs();
    void logoutAnsweredUnderAResultsBox();
    void noInputOpensAnythingWhileLoggingOut();
    void playLinkKeepsTheDialogTurning();
    void closingThePlayDialogWhileAsking();
    void minimisingThePlayDialogWhileAsking();

private:
    std::unique_ptr<TrayMainForm> loggedInWindow() { return ::loggedInWindow(session); }
    int calls(const char* path) { return int(session.service().requests().forPath(path).size()); }
    void latency(std::chrono::milliseconds held) { session.service().setLatency(held); }
    // Starts the logout the row names: "menu" or "panel" (the account panel's button).
    void startLogout(MainForm& window, const QString& how);
    // A job of the demo account's big video, and the dialog that plays it.
    std::unique_ptr<DownloadFile> videoJob();
    // The file manager tab, current and done loading.
    FormManage* managerTab(MainForm& window);
    // The download tab, current, with one queued job whose file is on disk.
    FormDownload* downloadTab(MainForm& window);
    // The user's input that opens the window `what` names over its tab.
    void open(MainForm& window, const QString& what);

    MainWindowSession session;
    std::unique_ptr<ScriptedUserPrompt> prompt;
    QList<int> quitStatuses;
    QTemporaryDir players;
};

void TestWindowCalls::initTestCase() {
    QVERIFY(session.start());
    // A quit only records its status and ends the login dialog's run.
    programexit::setHandler([this](int status) {
        quitStatuses << status;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<LoginForm*>(top))
                top->hide();
    });
    QFile vlc(players.filePath(QStringLiteral("vlc")));
    QVERIFY(vlc.open(QIODevice::WriteOnly) && vlc.write("#!/bin/sh\nexit 0\n") > 0);
    vlc.close();
    QVERIFY(vlc.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestWindowCalls::init() {
    latency(std::chrono::milliseconds(0));
    session.service().faults().clear();
    quitStatuses.clear();
    prompt = std::make_unique<ScriptedUserPrompt>();
}

void TestWindowCalls::cleanup() {
    latency(std::chrono::milliseconds(0));
    deliverEndedCalls();
    QCOMPARE(prompt->unanswered(), 0);
    prompt.reset();
}

void TestWindowCalls::startLogout(MainForm& window, const QString& how) {
    prompt->answer(QMessageBox::Ok);
    if (how == QLatin1String("menu"))
        window.on_actionLogout_triggered();
    else
        MainFormProbe::formInfo(window)
            ->findChild<QPushButton*>(QStringLiteral("pushButton"))
            ->click();
}

void TestWindowCalls::logoutKeepsTheWindowTurning_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("menu") << "menu";
    QTest::newRow("account panel") << "panel";
}

void TestWindowCalls::logoutKeepsTheWindowTurning() {
    QFETCH(QString, how);
    auto window = loggedInWindow();
    QVERIFY(window);
    LoginQuitter quitLogin(*window);
    latency(kSlowLatency);
    const int logouts = calls(kLogoutPath);
    GuiTurns turns;
    QWidget* busy = how == QLatin1String("menu") ? static_cast<QWidget*>(window.get())
                                                 : MainFormProbe::formInfo(*window);

    startLogout(*window, how);
    // Still logged in while the request runs, showing it; a second start asks nothing.
    QVERIFY(currentUser);
    QCOMPARE(busy->cursor().shape(), Qt::WaitCursor);
    if (how == QLatin1String("menu"))
        window->on_actionLogout_triggered();
    else
        MainFormProbe::formInfo(*window)
            ->findChild<QPushButton*>(QStringLiteral("pushButton"))
            ->click();
    QTRY_VERIFY_WITH_TIMEOUT(!currentUser, kWaitMs);

    qInfo("worst pause of the GUI thread: %lld ms", turns.worstPause());
    QVERIFY(turns.worstPause() < kSlowLatency.count());
    QCOMPARE(prompt->asked().size(), 1);
    QCOMPARE(calls(kLogoutPath) - logouts, 1);
    QCOMPARE(quitStatuses, QList<int>{1}); // the login dialog came back
    QVERIFY(!MainFormProbe::formDownload(*window));
    window->logout(QStringLiteral("1"));
}

void TestWindowCalls::closingWhileLoggingOut_data() {
    logoutKeepsTheWindowTurning_data();
}

void TestWindowCalls::closingWhileLoggingOut() {
    QFETCH(QString, how);
    auto window = loggedInWindow();
    QVERIFY(window);
    latency(kLatency);
    startLogout(*window, how);
    QVERIFY(currentUser);
    window->logout(QStringLiteral("1")); // the program closes meanwhile
    QVERIFY(!currentUser);
    deliverEndedCalls();
    // The late answer changes nothing: no box, no login dialog, nothing deleted twice.
    QCOMPARE(prompt->asked().size(), 1);
    QVERIFY(quitStatuses.isEmpty());
    QVERIFY(!window->isVisible());
    QVERIFY(!MainFormProbe::loginForm(*window)->isVisible());
}

void TestWindowCalls::logoutEndsTheReLoginOfRequestsOnTheirWay_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("loggedOut"); // false: the service refuses the logout
    QTest::newRow("menu") << "menu" << true;
    QTest::newRow("account panel") << "panel" << true;
    QTest::newRow("closing") << "closing" << true;
    QTest::newRow("logout refused") << "menu" << false;
}

// The account panel's read is on its way when the account logs out, and the service
// answers that its session expired once the logout is through: it must not log in again,
// and reports the expiry. A logout the service refused leaves the account logged in, and
// the read logs in again as any other.
void TestWindowCalls::logoutEndsTheReLoginOfRequestsOnTheirWay() {
    QFETCH(QString, how);
    QFETCH(bool, loggedOut);
    auto window = loggedInWindow();
    QVERIFY(window);
    LoginQuitter quitLogin(*window);
    std::atomic<bool> answered{false};
    Fault expired = Fault::status(200, kExpired);
    expired.until = [&answered] { return answered.load(); };
    session.service().faults().next(kAccountPath, expired);
    if (!loggedOut) {
        session.service().faults().next(kLogoutPath,
                                        Fault::status(200, R"({"code":500,"msg":"Không được"})"));
        prompt->answer(QMessageBox::Ok);
    }
    const int reads = calls(kAccountPath);
    // The panel's read, as the panel starts it, watched to its end.
    auto* read = new ActionThread;
    QSignalSpy ended(read, &QThread::finished);
    QSignalSpy failed(read, &ActionThread::getUserInfoError);
    QSignalSpy succeeded(read, &ActionThread::getUserInfoSuccess);
    read->getUserInfo();
    QTRY_COMPARE_WITH_TIMEOUT(calls(kAccountPath), reads + 1, kWaitMs);

    if (how == QLatin1String("closing"))
        window->logout(QStringLiteral("1"));
    else
        startLogout(*window, how);
    QTRY_VERIFY_WITH_TIMEOUT(!MainFormProbe::loggingOut(*window), kWaitMs);
    QCOMPARE(currentUser == nullptr, loggedOut);
    const int logins = calls(kLoginPath);
    answered = true;
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kWaitMs);
    deliverEndedCalls();
    QCOMPARE(calls(kLoginPath), logins + (loggedOut ? 0 : 1));
    QCOMPARE(calls(kAccountPath), reads + (loggedOut ? 1 : 2));
    QCOMPARE(failed.count(), loggedOut ? 1 : 0);
    if (loggedOut)
        QCOMPARE(failed.first().at(0).toInt(), 201);
    QCOMPARE(succeeded.count(), loggedOut ? 0 : 1);
    QCOMPARE(prompt->asked().size(), how == QLatin1String("closing") ? 0 : loggedOut ? 1 : 2);
    window->logout(QStringLiteral("1"));
}

// A re-login already sent when the account logs out: its session is logged out at the
// service again and never reaches the program's client.
void TestWindowCalls::reLoginOnItsWayAtLogoutIsUndone() {
    const auto user = session.logIn();
    QVERIFY(user);
    currentUser = user.get();
    const ReLoginCredentials credentials = ReLoginCredentials::ofCurrentUser();
    currentUser = nullptr;
    QVERIFY(credentials.present);
    std::atomic<bool> release{false};
    session.service().faults().next(kLoginPath,
                                    Fault::waitFor([&release] { return release.load(); }));
    const auto sessionBefore = apiClient.get_session();
    const int logins = calls(kLoginPath);
    const int logouts = calls(kLogoutPath);
    bool installed = true;
    std::thread reLogin([&] { installed = ActionThread::reLogin(credentials); });
    QTRY_COMPARE_WITH_TIMEOUT(calls(kLoginPath), logins + 1, kWaitMs);
    relogin::endLogin();
    release = true;
    reLogin.join();
    QVERIFY(!installed);
    QVERIFY(apiClient.get_session() == sessionBefore);
    QCOMPARE(calls(kLogoutPath), logouts + 1);
    // And once ended, nothing is sent at all.
    QVERIFY(!ActionThread::reLogin(credentials));
    QCOMPARE(calls(kLoginPath), logins + 1);
}

void TestWindowCalls::loginReadKeepsTheDialogTurning() {
    LoginForm form;
    form.findChild<QLineEdit*>(QStringLiteral("txt_email"))
        ->setText(QString::fromLatin1(devservice::demo::kEmail));
    form.findChild<QLineEdit*>(QStringLiteral("txt_password"))
        ->setText(QString::fromLatin1(devservice::demo::kPassword));
    QString accountId;
    connect(&form, &LoginForm::loginFinish,
            [&accountId](RuriDudi& user) { accountId = user.getUserId(); });
    latency(kSlowLatency);
    const int reads = calls(kAccountPath);
    auto* login = form.findChild<QPushButton*>(QStringLiteral("btn_login"));
    GuiTurns turns;
    QVERIFY(QMetaObject::invokeMethod(&form, "on_btn_login_clicked"));
    // Busy through the login and the account read.
    QTRY_COMPARE_WITH_TIMEOUT(calls(kAccountPath), reads + 1, kWaitMs);
    QVERIFY(!login->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!accountId.isEmpty(), kWaitMs);
    qInfo("worst pause of the GUI thread: %lld ms", turns.worstPause());
    QVERIFY(turns.worstPause() < kSlowLatency.count());
    QCOMPARE(accountId, session.accountId());
    QVERIFY(login->isEnabled());
    QCOMPARE(calls(kAccountPath), reads + 1);
}

void TestWindowCalls::quittingTheLoginWhileReading() {
    LoginForm form;
    form.findChild<QLineEdit*>(QStringLiteral("txt_email"))
        ->setText(QString::fromLatin1(devservice::demo::kEmail));
    form.findChild<QLineEdit*>(QStringLiteral("txt_password"))
        ->setText(QString::fromLatin1(devservice::demo::kPassword));
    QSignalSpy finished(&form, &LoginForm::loginFinish);
    latency(kLatency);
    const int reads = calls(kAccountPath);
    QVERIFY(QMetaObject::invokeMethod(&form, "on_btn_login_clicked"));
    QTRY_COMPARE_WITH_TIMEOUT(calls(kAccountPath), reads + 1, kWaitMs);
    form.reject(); // Escape quits like the quit button
    QCOMPARE(quitStatuses, QList<int>{1});
    deliverEndedCalls();
    QCOMPARE(finished.count(), 0);
}

std::unique_ptr<DownloadFile> TestWindowCalls::videoJob() {
    return std::make_unique<DownloadFile>(
        QStringLiteral("trailer.mp4"), players.filePath(QStringLiteral("trailer.mp4")), QString(),
        QString(), QStringLiteral("1"), QStringLiteral("false"),
        session.linkOf(devservice::demo::kBigFile), QString(), 5 << 20);
}

void TestWindowCalls::playLinkKeepsTheDialogTurning() {
    const auto user = session.logIn();
    QVERIFY(user);
    currentUser = user.get();
    EnvironmentValue searched(kPlayerSearchPathVariable, QFile::encodeName(players.path()));
    HeldPlayerStart actions;
    const auto job = videoJob();
    DialogPlayVideo dialog(job.get(), 0);
    QSignalSpy viewed(&dialog, &DialogPlayVideo::viewOline);
    auto* play = dialog.findChild<QPushButton*>(QStringLiteral("pushPlayVideo"));
    dialog.show();
    latency(kSlowLatency);
    const int asked = calls(kSessionPath);
    GuiTurns turns;

    play->click();
    QVERIFY(dialog.isVisible());
    QVERIFY(!play->isEnabled());
    QCOMPARE(dialog.cursor().shape(), Qt::WaitCursor);
    play->click(); // refused while the link is asked for
    // The player's start is on its way too: the dialog stays busy and the GUI turns.
    QTRY_COMPARE_WITH_TIMEOUT(actions.entered.available(), 1, kWaitMs);
    QVERIFY(dialog.isVisible());
    QVERIFY(!play->isEnabled());
    actions.go.release();
    QTRY_COMPARE_WITH_TIMEOUT(viewed.count(), 1, kWaitMs);
    qInfo("worst pause of the GUI thread: %lld ms", turns.worstPause());
    QVERIFY(turns.worstPause() < kSlowLatency.count());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(actions.calls().size(), 1);
    QCOMPARE(calls(kSessionPath), asked + 1);
    currentUser = nullptr;
}

void TestWindowCalls::closingThePlayDialogWhileAsking() {
    const auto user = session.logIn();
    QVERIFY(user);
    currentUser = user.get();
    EnvironmentValue searched(kPlayerSearchPathVariable, QFile::encodeName(players.path()));
    platform::RecordingSystemActions actions;
    SettingsStore().remove(SettingsKeys::MediaPlayer);
    const auto job = videoJob();
    DialogPlayVideo dialog(job.get(), 0);
    QSignalSpy viewed(&dialog, &DialogPlayVideo::viewOline);
    dialog.show();
    latency(kLatency);
    const int asked = calls(kSessionPath);
    dialog.findChild<QPushButton*>(QStringLiteral("pushPlayVideo"))->click();
    dialog.findChild<QPushButton*>(QStringLiteral("pushHuy"))->click();
    QVERIFY(!dialog.isVisible());
    deliverEndedCalls();
    // The link came, but nobody plays it.
    QCOMPARE(calls(kSessionPath), asked + 1);
    QCOMPARE(viewed.count(), 0);
    QVERIFY(actions.calls().isEmpty());
    QVERIFY(!SettingsStore().contains(SettingsKeys::MediaPlayer));
    currentUser = nullptr;
}

FormManage* TestWindowCalls::managerTab(MainForm& window) {
    window.findChild<QTabWidget*>(QStringLiteral("MainTab"))->setCurrentIndex(2);
    FormManage* tab = MainFormProbe::formManage(window);
    const bool ready = QTest::qWaitFor(
        [tab] { return tab->isVisible() && !FormManageProbe::busy(*tab); }, kWaitMs);
    return ready ? tab : nullptr;
}

FormDownload* TestWindowCalls::downloadTab(MainForm& window) {
    window.findChild<QTabWidget*>(QStringLiteral("MainTab"))->setCurrentIndex(1);
    FormDownload* tab = MainFormProbe::formDownload(window);
    // The tab shows once the window has handled its layout.
    if (!QTest::qWaitFor([tab] { return tab->isVisible(); }, kWaitMs))
        return nullptr;
    const QString path = players.filePath(QStringLiteral("trailer.mp4"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("partial") != 7)
        return nullptr;
    file.close();
    DownloadTabProbe::addLoaded(
        *tab, {new DownloadFile(QStringLiteral("trailer.mp4"), path, QString(), QString(),
                                QStringLiteral("1"), QStringLiteral("false"),
                                session.linkOf(devservice::demo::kBigFile), QString(), 5 << 20)});
    return tab;
}

void TestWindowCalls::open(MainForm& window, const QString& what) {
    if (what == QLatin1String("properties")) {
        auto* view = MainFormProbe::formDownload(window)->findChild<QTableView*>(
            QStringLiteral("tableDownloading"));
        const QPoint row = view->visualRect(view->model()->index(0, 1)).center();
        // The view takes a double click only on the cell the press was on.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row);
        return;
    }
    FormManage* tab = MainFormProbe::formManage(window);
    if (what == QLatin1String("create folder")) {
        QTest::mouseClick(tab->findChild<QPushButton*>(QStringLiteral("btnCreate_2")),
                          Qt::LeftButton);
        return;
    }
    // The move and the password act on a file of the top level.
    auto* table = tab->findChild<QTableView*>(QStringLiteral("tableManage"));
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        const QModelIndex name = table->model()->index(row, filetable::ColName);
        if (name.data().toString() == QStringLiteral("ghi chú.txt"))
            table->selectionModel()->setCurrentIndex(
                name, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (what == QLatin1String("move"))
        QTest::mouseClick(tab->findChild<QPushButton*>(QStringLiteral("btnMove")),
                          Qt::LeftButton);
    else
        FormManageProbe::password(*tab); // its context menu entry
}

void TestWindowCalls::logoutHeldWhileTheUserOpensAWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("what");
    QTest::newRow("menu, create folder") << "menu" << "create folder";
    QTest::newRow("menu, properties") << "menu" << "properties";
    QTest::newRow("account panel, create folder") << "panel" << "create folder";
}

// The logout is on its way and the user goes on using the window: nothing opens, and the
// answer tears the account down as usual.
void TestWindowCalls::logoutHeldWhileTheUserOpensAWindow() {
    QFETCH(QString, how);
    QFETCH(QString, what);
    auto window = loggedInWindow();
    QVERIFY(window);
    LoginQuitter quitLogin(*window);
    QVERIFY(what == QLatin1String("properties") ? static_cast<QWidget*>(downloadTab(*window))
                                                : managerTab(*window));
    std::atomic<bool> release{false};
    session.service().faults().next(kLogoutPath,
                                    Fault::waitFor([&release] { return release.load(); }));
    const int logouts = calls(kLogoutPath);
    startLogout(*window, how);
    QTRY_COMPARE_WITH_TIMEOUT(calls(kLogoutPath), logouts + 1, kWaitMs);

    // The answer comes while what the user opened meanwhile would show.
    QPointer<QDialog> opened;
    QTimer::singleShot(0, [&] {
        opened = shownDialog();
        release = true;
    });
    open(*window, what);
    QTRY_VERIFY_WITH_TIMEOUT(!currentUser, kWaitMs);
    QVERIFY(!opened);
    QVERIFY(!MainFormProbe::formManage(*window) && !MainFormProbe::formDownload(*window));
    QCOMPARE(quitStatuses, QList<int>{1}); // the login dialog came back
    QCOMPARE(prompt->asked().size(), 1);
    window->logout(QStringLiteral("1"));
}

void TestWindowCalls::closingWaitsForTheWindowsOverTheTabs_data() {
    QTest::addColumn<QString>("what");
    QTest::newRow("create folder") << "create folder";
    QTest::newRow("move") << "move";
    QTest::newRow("file password") << "file password";
    QTest::newRow("properties' copy") << "properties";
}

// The program closes (the tray's entry, the end of the desktop session) while a window
// runs over a tab, on the tab's own stack: the window closes first, and the tab goes only
// once its modal run has returned. A file copy running under the properties dialog
// cannot be closed: the teardown waits for its end, and the job keeps its new place.
void TestWindowCalls::closingWaitsForTheWindowsOverTheTabs() {
    QFETCH(QString, what);
    auto window = loggedInWindow();
    QVERIFY(window);
    const bool copy = what == QLatin1String("properties");
    QWidget* tab = copy ? static_cast<QWidget*>(downloadTab(*window)) : managerTab(*window);
    QVERIFY(tab);
    QTemporaryDir target;
    OtherDisk disk;
    TabGoes goes(tab);
    bool askedToClose = false;
    bool goneInside = false;
    bool waitedForCopy = false;
    OnDialog act([&](QDialog* dialog) {
        if (auto* properties = qobject_cast<DialogFileInfo*>(dialog)) {
            properties->findChild<QLineEdit*>(QStringLiteral("txt_localPath"))
                ->setText(target.path());
            // Pressed from the event loop: this action's own timer must go on to the
            // copy's box.
            QMetaObject::invokeMethod(
                properties->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
                    ->button(QDialogButtonBox::Ok),
                "click", Qt::QueuedConnection);
            return false; // the copy's own box comes next
        }
        askedToClose = true;
        window->logout(QStringLiteral("1"));
        // Asked from inside the window's run: nothing goes yet.
        goneInside = !currentUser || goes.gone;
        if (copy) {
            // The copy's box cannot be closed: the account waits for the copy's end.
            QTimer::singleShot(100, [&] {
                waitedForCopy = currentUser && !goes.gone && shownDialog();
                disk.go.release();
            });
        }
        return true;
    });
    open(*window, what);
    QVERIFY(askedToClose);
    QVERIFY(!goneInside);
    QTRY_VERIFY_WITH_TIMEOUT(goes.gone, kWaitMs);
    QCOMPARE(waitedForCopy, copy);
    QVERIFY(!goes.dialogOpen);
    QVERIFY(!currentUser);
    QVERIFY(!shownDialog());
    QVERIFY(quitStatuses.isEmpty());
    if (copy) {
        const QString moved = QDir(target.path()).filePath(QStringLiteral("trailer.mp4"));
        QVERIFY(QFile::exists(moved));
        QVERIFY(historyfile::waitForWrites(20000)); // the program's end waits for it too
        QFile history(downloadHistoryFilePath(session.accountId().toLongLong()));
        QVERIFY(history.open(QIODevice::ReadOnly));
        QVERIFY(history.readAll().contains(moved.toUtf8()));
    }
}

// A result that opened its box while the logout was on its way: the box closes, and the
// tab that showed it goes once the box's run has returned into the tab.
void TestWindowCalls::logoutAnsweredUnderAResultsBox() {
    auto window = loggedInWindow();
    QVERIFY(window);
    LoginQuitter quitLogin(*window);
    FormManage* tab = managerTab(*window);
    QVERIFY(tab);
    TabGoes goes(tab);
    std::atomic<bool> logoutSent{false};
    std::atomic<bool> release{false};
    Fault refused = Fault::status(200, R"({"code":500,"msg":"Bận"})");
    refused.until = [&logoutSent] { return logoutSent.load(); };
    session.service().faults().next("/api/fileops/list/home", refused);
    session.service().faults().next(kLogoutPath,
                                    Fault::waitFor([&release] { return release.load(); }));
    const int logouts = calls(kLogoutPath);
    FormManageProbe::refresh(*tab);
    startLogout(*window, QStringLiteral("menu"));
    QTRY_COMPARE_WITH_TIMEOUT(calls(kLogoutPath), logouts + 1, kWaitMs);
    // Real boxes from now on, each in its own modal run.
    QtUserPrompt boxes;
    UserPrompt* scripted = UserPrompt::install(&boxes);
    QPointer<QDialog> box;
    OnDialog answer([&](QDialog* shown) {
        box = shown;
        release = true; // the logout is answered while the box shows
        return true;
    });
    logoutSent = true;
    QTRY_VERIFY_WITH_TIMEOUT(!currentUser || goes.gone, kWaitMs);
    // Had the teardown run inside the box's run, the box would still show: close it.
    QTRY_VERIFY_WITH_TIMEOUT(goes.gone, kWaitMs);
    if (box)
        box->reject();
    UserPrompt::install(scripted);
    QVERIFY(box.isNull() || !box->isVisible());
    QVERIFY(!goes.dialogOpen);
    QVERIFY(!currentUser);
    QCOMPARE(quitStatuses, QList<int>{1});
    window->logout(QStringLiteral("1"));
}

// While the logout is on its way, neither the tray's entries, the upload shortcut, the
// closing of the window nor links handed over by another copy open anything; a logout the
// service refused hands the links over then.
void TestWindowCalls::noInputOpensAnythingWhileLoggingOut() {
    auto window = loggedInWindow();
    QVERIFY(window);
    std::atomic<bool> release{false};
    Fault refused = Fault::status(200, R"({"code":500,"msg":"Không được"})");
    refused.until = [&release] { return release.load(); };
    session.service().faults().next(kLogoutPath, refused);
    const int logouts = calls(kLogoutPath);
    startLogout(*window, QStringLiteral("menu"));
    QTRY_COMPARE_WITH_TIMEOUT(calls(kLogoutPath), logouts + 1, kWaitMs);

    QStringList opened;
    OnDialog record([&opened](QDialog* dialog) {
        opened << QString::fromLatin1(dialog->metaObject()->className());
        dialog->reject();
        return false;
    });
    const QList<QAction*> tray = MainFormProbe::tray(*window)->contextMenu()->actions();
    for (QAction* entry : tray) {
        if (entry->isSeparator())
            continue;
        // Only bringing the window back stays; the menu offers no disabled entry.
        QCOMPARE(entry->isEnabled(), entry == tray.first());
    }
    QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
    QVERIFY(!window->findChild<QMenuBar*>()->isEnabled());
    window->close(); // no question over the logout: the window stays
    QVERIFY(window->isVisible());
    const QString link = session.linkOf(devservice::demo::kBigFile);
    window->handleMessage(QStringLiteral("-d|") + link);
    QVERIFY(opened.isEmpty()); // a dialog's own run would have recorded it
    QCOMPARE(prompt->asked().size(), 1); // the logout's question alone

    prompt->answer(QMessageBox::Ok); // the refusal
    release = true;
    QTRY_COMPARE_WITH_TIMEOUT(opened, QStringList{"DialogDownload"}, kWaitMs);
    QVERIFY(currentUser);
    QCOMPARE(prompt->asked().last().title, QStringLiteral("Lỗi (500)"));
    QVERIFY(window->findChild<QMenuBar*>()->isEnabled());
    window->logout(QStringLiteral("1"));
}

// The window manager hides the dialog it minimises: the link asked for still plays.
void TestWindowCalls::minimisingThePlayDialogWhileAsking() {
    const auto user = session.logIn();
    QVERIFY(user);
    currentUser = user.get();
    EnvironmentValue searched(kPlayerSearchPathVariable, QFile::encodeName(players.path()));
    platform::RecordingSystemActions actions;
    SettingsStore().remove(SettingsKeys::MediaPlayer); // VLC, the one the test has
    const auto job = videoJob();
    DialogPlayVideo dialog(job.get(), 0);
    QSignalSpy viewed(&dialog, &DialogPlayVideo::viewOline);
    dialog.show();
    latency(kLatency);
    dialog.findChild<QPushButton*>(QStringLiteral("pushPlayVideo"))->click();
    QHideEvent minimised;
    QSpontaneKeyEvent::setSpontaneous(&minimised);
    qApp->notify(&dialog, &minimised); // sendEvent would make it the program's own
    QTRY_COMPARE_WITH_TIMEOUT(viewed.count(), 1, kWaitMs);
    QCOMPARE(actions.calls().size(), 1);
    currentUser = nullptr;
}

QTEST_MAIN(TestWindowCalls)
#include "test_windowcalls.moc"
