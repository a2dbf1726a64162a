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
#include "core/servicecallrunner.h"
#include "download/downloadfile.h"
#include "mainwindow/forminfo.h"
#include "mainwindow/loginform.h"
#include "mainwindow/programexit.h"
#include "media/dialogplayvideo.h"
#include "platform/recordingsystemactions.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/guiturns.h"
#include "tests/mainformprobe.h"
#include "tests/mainwindowsession.h"
#include "tests/support/environmentvalue.h"
#include "tests/support/scripteduserprompt.h"
#include "tools/devservice/demoaccount.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

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
    void playLinkKeepsTheDialogTurning();
    void closingThePlayDialogWhileAsking();

private:
    std::unique_ptr<TrayMainForm> loggedInWindow() { return ::loggedInWindow(session); }
    int calls(const char* path) { return int(session.service().requests().forPath(path).size()); }
    void latency(std::chrono::milliseconds held) { session.service().setLatency(held); }
    // Starts the logout the row names: "menu" or "panel" (the account panel's button).
    void startLogout(MainForm& window, const QString& how);
    // A job of the demo account's big video, and the dialog that plays it.
    std::unique_ptr<DownloadFile> videoJob();

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
    QTest::newRow("menu") << "menu";
    QTest::newRow("account panel") << "panel";
    QTest::newRow("closing") << "closing";
}

// The account panel's read is on its way when the account logs out, and the service
// answers that its session expired: it must not log in again, and reports the expiry.
void TestWindowCalls::logoutEndsTheReLoginOfRequestsOnTheirWay() {
    QFETCH(QString, how);
    auto window = loggedInWindow();
    QVERIFY(window);
    LoginQuitter quitLogin(*window);
    std::atomic<bool> loggedOut{false};
    Fault expired = Fault::status(200, kExpired);
    expired.until = [&loggedOut] { return loggedOut.load(); };
    session.service().faults().next(kAccountPath, expired);
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
    const int logins = calls(kLoginPath);
    loggedOut = true;
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!currentUser, kWaitMs);
    QCOMPARE(calls(kLoginPath), logins);
    QCOMPARE(calls(kAccountPath), reads + 1);
    QCOMPARE(succeeded.count(), 0);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().at(0).toInt(), 201);
    QCOMPARE(prompt->asked().size(), how == QLatin1String("closing") ? 0 : 1);
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
    std::thread reLogin([&] { installed = relogin::logInAgain(credentials); });
    QTRY_COMPARE_WITH_TIMEOUT(calls(kLoginPath), logins + 1, kWaitMs);
    relogin::endLogin();
    release = true;
    reLogin.join();
    QVERIFY(!installed);
    QVERIFY(apiClient.get_session() == sessionBefore);
    QCOMPARE(calls(kLogoutPath), logouts + 1);
    // And once ended, nothing is sent at all.
    QVERIFY(!relogin::logInAgain(credentials));
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
    platform::RecordingSystemActions actions;
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

QTEST_MAIN(TestWindowCalls)
#include "test_windowcalls.moc"
