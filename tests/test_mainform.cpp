// The main window against the stand-in, offscreen: the account cycle end to end (login,
// every tab built and wired, logout with the history written, login again with the queue
// back), the tray, the banner, the status labels and statistics, the power-off after a
// queue ran empty, the options, logging out and quitting.
#include "core/briskologger.h"
#include "core/dialogmsg.h"
#include "core/userprompt.h"
#include "core/globals.h"
#include "core/localpaths.h"
#include "core/relogin.h"
#include "core/ruridudi.h"
#include "tests/support/scripteduserprompt.h"
#include "core/sizetext.h"
#include "core/timesource.h"
#include "download/dialogdownload.h"
#include "download/formdownload.h"
#include "filemanager/dialogcreatefol.h"
#include "mainwindow/dialogoption.h"
#include "mainwindow/dialogturnoff.h"
#include "upload/dialogupload.h"
#include "mainwindow/forminfo.h"
#include "filemanager/formmanage.h"
#include "upload/formupload.h"
#include "tests/uploadtabprobe.h"
#include "mainwindow/loginform.h"
#include "mainwindow/programexit.h"
#include "media/rssmanager.h"
#include "platform/autostart.h"
#include "platform/hostconfig.h"
#include "platform/recordingsystemactions.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "tests/downloadtabprobe.h"
#include "tests/mainformprobe.h"
#include "tests/mainwindowsession.h"
#include "tests/modalanswerer.h"
#include "tests/support/windowsystemstub.h"
#include "tools/devservice/demoaccount.h"
#include "transfer/historyfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWebFrame>
#include <QWebView>
#include <QtTest>

#include <functional>

namespace {

const char kLogoutPath[] = "/api/user/logout";
const char kLoginPath[] = "/api/user/login";
const char kAccountPath[] = "/api/user/get";

// The countdown before a power-off lasts a fraction of a second here, unless a case
// answers it: then it lasts long enough for the answer to come first on a loaded machine.
class ShortCountdown : public TimeSource {
public:
    std::chrono::milliseconds duration(Wait kind, std::chrono::milliseconds designed) override {
        return kind == Wait::ShutdownCountdown ? length : designed;
    }
    std::chrono::milliseconds length{300};
};

// Logs in through the window's login dialog whenever it comes up and is ready.
class LoginDriver : public QObject {
public:
    explicit LoginDriver(MainForm& window) : login(MainFormProbe::loginForm(window)) {
        connect(&timer, &QTimer::timeout, this, [this] { poll(); });
        timer.start(10);
    }
    int logins = 0;

private:
    void poll() {
        auto* button = login->findChild<QPushButton*>(QStringLiteral("btn_login"));
        if (!login->isVisible()) {
            clicked = false;
            return;
        }
        if (clicked || !button->isEnabled())
            return;
        login->findChild<QLineEdit*>(QStringLiteral("txt_email"))
            ->setText(QString::fromLatin1(devservice::demo::kEmail));
        login->findChild<QLineEdit*>(QStringLiteral("txt_password"))
            ->setText(QString::fromLatin1(devservice::demo::kPassword));
        clicked = true;
        ++logins;
        button->click();
    }
    LoginForm* login;
    QTimer timer;
    bool clicked = false;
};

QString labelText(MainForm& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name))->text();
}

QTabWidget* tabs(MainForm& window) {
    return window.findChild<QTabWidget*>(QStringLiteral("MainTab"));
}

int downloadCount(FormDownload* tab) {
    return DownloadTabProbe::model(*tab)->rowCount() + DownloadTabProbe::finished(*tab).size();
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage();
}

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void endToEnd();
    void tray_data();
    void tray();
    void titleBarDoubleClickToggles();
    void framelessWindowsDragWhereTheyStand_data();
    void framelessWindowsDragWhereTheyStand();
    void banner_data();
    void banner();
    void bannerLoadsOverVerifiedHttps();
    void statusLabels();
    void statistics();
    void shutdown_data();
    void shutdown();
    void emptyQueuesStartedAfterLoginOpenNoCountdown();
    void options_data();
    void options();
    void logoutAction_data();
    void logoutAction();
    void quitting_data();
    void quitting();
    void slotsWithoutTabsDoNothing();
    void webPagesOpenInTheBrowser_data();
    void webPagesOpenInTheBrowser();

private:
    std::unique_ptr<TrayMainForm> loggedInWindow();
    int calls(const char* path) { return int(session.service().requests().forPath(path).size()); }

    MainWindowSession session;
    ShortCountdown countdown;
    QTemporaryDir downloads;
    QList<int> quitStatuses;
};

void TestMainForm::initTestCase() {
    QVERIFY(session.start());
    QVERIFY(downloads.isValid());
    TimeSource::install(&countdown);
    statisticsLogger = new BriskoLogger;
    // A quit here only records its status and ends the login dialog's run, as the end of
    // the process would.
    programexit::setHandler([this](int status) {
        quitStatuses << status;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<LoginForm*>(top))
                top->hide();
    });
}

void TestMainForm::cleanupTestCase() {
    delete statisticsLogger;
    statisticsLogger = nullptr;
    TimeSource::install(nullptr);
}

void TestMainForm::init() {
    quitStatuses.clear();
    session.service().faults().clear();
    SettingsStore settings;
    settings.setValue(SettingsKeys::DownloadDir, downloads.path());
    for (const char* key :
         {SettingsKeys::SystrayMinimized, SettingsKeys::Language, SettingsKeys::UploadAutoShutdown,
          SettingsKeys::DownloadAutoShutdown, SettingsKeys::StayOnTop, SettingsKeys::AutoStart})
        settings.remove(QString::fromLatin1(key));
}

void TestMainForm::cleanup() {
    downloadStoppedByUser = false;
    uploadStoppedByUser = false;
}

std::unique_ptr<TrayMainForm> TestMainForm::loggedInWindow() {
    return ::loggedInWindow(session);
}

void TestMainForm::endToEnd() {
    const QString link = session.addFile("hai-phut-hon.txt", 70000);
    QVERIFY(historyfile::waitForWrites(20000)); // the last tabs' last saves
    QFile::remove(downloadHistoryFilePath(session.accountId().toLongLong()));
    TrayMainForm window;
    ModalAnswerer modals;
    // A link handed over before the login waits for it, then reaches the add-links
    // dialog, which downloads it into the test's folder.
    window.handleMessage(QStringLiteral("-d|") + link);
    QString offered;
    modals.next([&](QDialog* dialog) {
        offered = dialog->findChild<QLineEdit*>(QStringLiteral("txt_duongdan"))->text();
        dialog->findChild<QLineEdit*>(QStringLiteral("txt_luu"))->setText(downloads.path());
        dialog->findChild<QPushButton*>(QStringLiteral("btn_download"))->click();
    });
    LoginDriver driver(window);
    MainFormProbe::loginForm(window)->show();
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible() && MainFormProbe::formManage(window), 20000);
    QCOMPARE(offered, link);
    QCOMPARE(window.windowTitle(),
             QString::fromLatin1(devservice::demo::kEmail) + QStringLiteral(" - Brisko Tool"));
    QVERIFY(MainFormProbe::logTimer(window)->isActive());

    // Every tab is built, sits in its page, and the window is wired to it.
    const QStringList pages = {QStringLiteral("tUpload"), QStringLiteral("tDownload"),
                               QStringLiteral("tManage"), QStringLiteral("tInfo"),
                               QStringLiteral("tRSS")};
    const QList<QWidget*> forms = {
        MainFormProbe::formUpload(window), MainFormProbe::formDownload(window),
        MainFormProbe::formManage(window), MainFormProbe::formInfo(window),
        MainFormProbe::rssManager(window)};
    for (int i = 0; i < pages.size(); ++i)
        QVERIFY2(window.findChild<QWidget*>(pages[i])->isAncestorOf(forms[i]),
                 qPrintable(pages[i]));
    FormDownload* download = MainFormProbe::formDownload(window);
    FormUpload* upload = MainFormProbe::formUpload(window);
    QTRY_COMPARE_WITH_TIMEOUT(downloadCount(download), 1, 20000);

    emit download->speedUpdate(2048.0);
    QCOMPARE(labelText(window, "labelDownloadSpeed"),
             QStringLiteral("Tải xuống: ") + formatSpeed(2048.0));
    QCOMPARE(MainFormProbe::lastDownloadSpeed(window), 2048);
    emit download->isDownloadingSign(false);
    QCOMPARE(labelText(window, "labelDownloadSpeed"),
             QStringLiteral("Tải xuống: ") + formatSpeed(0));
    emit upload->speedUpdate(1024.0);
    QCOMPARE(labelText(window, "labelUploadSpeed"),
             QStringLiteral("Tải lên: ") + formatSpeed(1024.0));
    emit upload->isUploadingSign(false);
    QCOMPARE(labelText(window, "labelUploadSpeed"), QStringLiteral("Tải lên: ") + formatSpeed(0));

    // Links from the other tabs reach the add-links dialog.
    const QString other = session.linkOf(devservice::demo::kBigFile);
    const QList<std::function<void()>> linkSenders = {
        [&] { emit upload->downloadFile({other}); },
        [&] { emit MainFormProbe::formManage(window)->downloadFile({other}); },
        [&] { emit MainFormProbe::rssManager(window)->downloadOrViewOnline({other}); }};
    for (const auto& send : linkSenders) {
        QString shown;
        modals.next([&](QDialog* dialog) {
            shown = dialog->findChild<QLineEdit*>(QStringLiteral("txt_duongdan"))->text();
            dialog->reject();
        });
        send();
        QCOMPARE(shown, other);
    }
    // The file manager's upload opens the upload dialog on its folder; what the dialog
    // hands over lands in the upload tab.
    QTemporaryDir local;
    QString chosen = local.filePath(QStringLiteral("a.txt"));
    {
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("abc") == 3);
    }
    QString folder;
    modals.next([&](QDialog* dialog) {
        auto* chooser = qobject_cast<DialogUpload*>(dialog);
        folder = DialogUploadProbe::presetFolder(*chooser);
        chooser->addLocalPath(chosen, false);
        chooser->findChild<QCheckBox*>(QStringLiteral("chk_tearmAgree"))->setChecked(true);
        DialogUploadProbe::accept(*chooser);
    });
    emit MainFormProbe::formManage(window)->uploadIntoFolder(QStringLiteral("/Music"));
    QCOMPARE(folder, QStringLiteral("/Music"));
    const QList<UploadFile*> queued = UploadTabProbe::model(*upload)->getJobs();
    QCOMPARE(queued.size(), 1);
    QCOMPARE(queued.first()->getPath(), chosen);
    QCOMPARE(queued.first()->getFolder().getName(), QStringLiteral("/Music"));
    QCOMPARE(tabs(window)->currentIndex(), 0);
    emit upload->uploadIntoFolder(QStringLiteral("/Music"), QStringLiteral("a.txt"));
    QCOMPARE(tabs(window)->currentIndex(), 2);
    emit MainFormProbe::rssManager(window)->addDownloadLinks(other, QStringLiteral("/phim"),
                                                             QStringLiteral("pw"));
    QCOMPARE(MainFormProbe::feedFolder(window), QStringLiteral("/phim"));
    QCOMPARE(MainFormProbe::feedPassword(window), QStringLiteral("pw"));
    MainFormProbe::tray(window)->setIcon(
        QIcon(QStringLiteral(":/images/icon_brisko_20x20_up.png")));
    emit download->downloadComplete();
    QCOMPARE(iconImage(MainFormProbe::tray(window)->icon()),
             iconImage(QIcon(QStringLiteral(":/images/brisko_icon_128.png"))));

    // The account panel's logout, confirmed: one logout request, the history written, the
    // login dialog back; the next login brings the download back from the history.
    const int logoutsBefore = calls(kLogoutPath);
    const int loginsBefore = calls(kLoginPath);
    QPointer<FormDownload> firstTab(download);
    {
        ScriptedUserPrompt prompt;
        prompt.answer(QMessageBox::Ok);
        window.findChild<FormInfo*>()
            ->findChild<QPushButton*>(QStringLiteral("pushButton"))
            ->click();
        QCOMPARE(prompt.asked().size(), 1);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!firstTab, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible() && MainFormProbe::formDownload(window), 20000);
    QCOMPARE(driver.logins, 2);
    // One logout for the account. A request of the first login that met the ended session
    // before the logout's answer came back logs in again; that session is logged out too,
    // by the request's own thread, which may still be on it: every such re-login adds one
    // logout, so there are as many logouts as logins since, the next login included.
    QTRY_COMPARE_WITH_TIMEOUT(calls(kLogoutPath) - logoutsBefore, calls(kLoginPath) - loginsBefore,
                              20000);
    // The first tab handed its last list to the writer thread as it went; the next tab
    // read it from there, and the disk has it once that write has ended.
    QVERIFY(historyfile::waitForWrites(20000));
    const QString history = downloadHistoryFilePath(session.accountId().toLongLong());
    QFile written(history);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("hai-phut-hon.txt"));
    QCOMPARE(downloadCount(MainFormProbe::formDownload(window)), 1);
    QVERIFY(modals.unexpected().isEmpty());
}

void TestMainForm::tray_data() {
    QTest::addColumn<bool>("toTraySetting");
    QTest::addColumn<bool>("trayAvailable");
    QTest::addColumn<bool>("toTray");
    QTest::newRow("to the tray") << true << true << true;
    QTest::newRow("to the task bar") << false << true << false;
    QTest::newRow("no tray on this desktop") << true << false << false;
}

void TestMainForm::tray() {
    QFETCH(bool, toTraySetting);
    QFETCH(bool, trayAvailable);
    QFETCH(bool, toTray);
    SettingsStore().setValue(SettingsKeys::SystrayMinimized, toTraySetting);
    TrayMainForm window;
    window.trayAvailable = trayAvailable;
    window.show();
    window.showMinimized();
    QSystemTrayIcon* tray = MainFormProbe::tray(window);
    QTRY_COMPARE(tray->isVisible(), toTray);
    QCOMPARE(window.isVisible(), !toTray);
    if (!toTray)
        return;
    // The context menu does not restore; a single click does.
    window.icon_actived(QSystemTrayIcon::Context);
    QVERIFY(!window.isVisible());
    window.icon_actived(QSystemTrayIcon::Trigger);
    QVERIFY(window.isVisible());
    QVERIFY(!tray->isVisible());
}

void TestMainForm::titleBarDoubleClickToggles() {
    TrayMainForm window;
    window.show();
    QWidget* titleBar = window.findChild<QWidget*>(QStringLiteral("widget_2"));
    QTest::mouseDClick(titleBar, Qt::LeftButton);
    QTRY_VERIFY(window.isMaximized());
    QTest::mouseDClick(titleBar, Qt::LeftButton);
    QTRY_VERIFY(!window.isMaximized());
}

void TestMainForm::framelessWindowsDragWhereTheyStand_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    const int left = Qt::LeftButton;
    QTest::newRow("login dialog") << "login" << left << true;
    QTest::newRow("main window by its title bar") << "main" << left << true;
    QTest::newRow("main window, right button") << "main" << int(Qt::RightButton) << false;
    QTest::newRow("main window maximised") << "maximised" << left << false;
    QTest::newRow("notice") << "notice" << left << true;
    QTest::newRow("notice, middle button") << "notice" << int(Qt::MiddleButton) << false;
    QTest::newRow("file manager popup") << "popup" << left << true;
}

// Every frameless window drags from where it stands, also when the window system last
// reported it at the screen's corner: the window follows the cursor, it does not jump.
void TestMainForm::framelessWindowsDragWhereTheyStand() {
    QFETCH(QString, window);
    QFETCH(int, button);
    QFETCH(bool, moves);
    windowposition::placeFramelessWindows();
    WindowSystemStub windows;
    std::unique_ptr<QWidget> target;
    QWidget* grip = nullptr;
    if (window == QLatin1String("login")) {
        target = std::make_unique<LoginForm>();
    } else if (window == QLatin1String("notice")) {
        target = std::make_unique<DialogMsg>(QStringLiteral("Thông báo"), QString());
    } else if (window == QLatin1String("popup")) {
        target = std::make_unique<Dialogcreatefol>(QStringLiteral("0"));
    } else {
        target = std::make_unique<TrayMainForm>();
        grip = target->findChild<QWidget*>(QStringLiteral("widget_2"));
    }
    if (!grip)
        grip = target.get();
    if (window == QLatin1String("maximised")) {
        target->showMaximized();
        QTRY_VERIFY(target->isMaximized());
    } else {
        target->show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(target.get()));
    const QPoint stands = target->pos();
    QPoint reported = stands;
    if (window != QLatin1String("maximised")) {
        windows.places.insert(target.get(), stands);
        reported = QPoint(0, 0);
        QVERIFY(reportMoved(target.get(), reported));
    }

    const auto pressed = Qt::MouseButton(button);
    const QPoint at(30, 12); // on the grip
    const QPoint grab = stands + grip->mapTo(target.get(), at); // where the cursor is
    QMouseEvent press(QEvent::MouseButtonPress, at, grab, pressed, pressed, Qt::NoModifier);
    QApplication::sendEvent(grip, &press);
    QMouseEvent move(QEvent::MouseMove, at + QPoint(25, 15), grab + QPoint(25, 15), Qt::NoButton,
                     pressed, Qt::NoModifier);
    QApplication::sendEvent(grip, &move);
    if (window == QLatin1String("maximised"))
        QVERIFY(target->isMaximized());
    QCOMPARE(target->pos(), moves ? stands + QPoint(25, 15) : reported);
}

void TestMainForm::banner_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lang");
    QTest::newRow("Vietnamese") << "brisko_vi.qm"
                                << "vi";
    QTest::newRow("English") << "brisko_en.qm"
                             << "en";
    QTest::newRow("Japanese shows the Vietnamese page") << "brisko_ja.qm"
                                                        << "vi";
    QTest::newRow("not set") << ""
                             << "vi";
}

void TestMainForm::banner() {
    QFETCH(QString, language);
    QFETCH(QString, lang);
    if (!language.isEmpty())
        SettingsStore().setValue(SettingsKeys::Language, language);
    TrayMainForm window;
    auto* view = window.findChild<QWebView*>(QStringLiteral("webView"));
    const QString start = QStringLiteral("https://") + QString::fromStdString(hosts::webHost()) +
                          QStringLiteral("/site/advantage?tab=download&lang=") + lang +
                          QStringLiteral("&ver=") + QCoreApplication::applicationVersion();
    QWebFrame* frame = view->page()->mainFrame();
    QCOMPARE(frame->requestedUrl(), QUrl(start));
    // Back on the download tab with nothing changed: no reload.
    QSignalSpy loads(view, &QWebView::loadStarted);
    tabs(window)->setCurrentIndex(4);
    tabs(window)->setCurrentIndex(1);
    QCOMPARE(loads.count(), 0);
    // After a login the address carries the account; the banner loads again.
    const auto user = session.logIn();
    window.loginDone(*user);
    QCOMPARE(frame->requestedUrl(), QUrl(start + QStringLiteral("&lvl=") + currentUserLevel +
                                         QStringLiteral("&uid=") + user->getUserId()));
    QCOMPARE(loads.count(), 1);
    window.logout(QStringLiteral("1"));
}

void TestMainForm::bannerLoadsOverVerifiedHttps() {
    TrayMainForm window;
    // The banner the window loads at once comes from the stand-in, verified by ca.crt.
    auto* view = window.findChild<QWebView*>(QStringLiteral("webView"));
    QSignalSpy finished(view, &QWebView::loadFinished);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(finished.first().first().toBool(), true);
    QVERIFY(view->page()->mainFrame()->toPlainText().contains(QStringLiteral("VIP")));
    // Nothing unencrypted reaches the view.
    finished.clear();
    view->load(
        QUrl(QStringLiteral("http://127.0.0.1:%1/site/advantage").arg(session.service().port())));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(finished.first().first().toBool(), false);
    // A clicked banner link goes to the desktop's browser, and only web addresses do.
    platform::RecordingSystemActions actions;
    window.on_webView_linkClicked(QUrl(QStringLiteral("https://www.example.test/vip")));
    window.on_webView_linkClicked(QUrl(QStringLiteral("file:///etc/passwd")));
    QCOMPARE(actions.calls().size(), 1);
    QCOMPARE(actions.calls().first().program, QStringLiteral("xdg-open"));
    QCOMPARE(actions.calls().first().arguments,
             QStringList{QStringLiteral("https://www.example.test/vip")});
}

void TestMainForm::statusLabels() {
    TrayMainForm window;
    const QString zeroDown = QStringLiteral("Tải xuống: ") + formatSpeed(0);
    const QString zeroUp = QStringLiteral("Tải lên: ") + formatSpeed(0);
    QCOMPARE(labelText(window, "labelDownloadSpeed"), zeroDown);
    QCOMPARE(labelText(window, "labelUploadSpeed"), zeroUp);
    window.updateDownloadSpeed(5000.9);
    QCOMPARE(MainFormProbe::lastDownloadSpeed(window), 5000);
    window.updateUploadSpeed(3e6);
    // -1 leaves a label as it is.
    MainFormProbe::updateStatusLabels(window, -1, -1);
    QCOMPARE(labelText(window, "labelDownloadSpeed"),
             QStringLiteral("Tải xuống: ") + formatSpeed(5000.9));
    QCOMPARE(labelText(window, "labelUploadSpeed"), QStringLiteral("Tải lên: ") + formatSpeed(3e6));
    window.isDownloadingSign(true);
    QVERIFY(labelText(window, "labelDownloadSpeed") != zeroDown);
    window.isDownloadingSign(false);
    window.isUploadingSign(false);
    QCOMPARE(labelText(window, "labelDownloadSpeed"), zeroDown);
    QCOMPARE(labelText(window, "labelUploadSpeed"), zeroUp);
}

void TestMainForm::statistics() {
    auto window = loggedInWindow();
    QVERIFY(window);
    const size_t before = session.service().logRecords().size();
    window->updateDownloadSpeed(4096);
    // A tick without running downloads sends nothing and forgets the speed.
    window->startSendLogDownload();
    QCOMPARE(MainFormProbe::lastDownloadSpeed(*window), 0);
    window->updateDownloadSpeed(4096);
    // The finishing download's tracker stops just before it is counted, which reports a
    // zero speed: the record carries the speed last measured while bytes moved.
    window->updateDownloadSpeed(0);
    QCOMPARE(labelText(*window, "labelDownloadSpeed"),
             QStringLiteral("Tải xuống: ") + formatSpeed(0));
    // A finished download is sent with the running ones plus itself; no balloon while
    // the window is shown.
    window->fileDownloadComplete(nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(session.service().logRecords().size(), before + 1, 20000);
    const Json::Value record = session.service().logRecords().back();
    QCOMPARE(QString::fromStdString(record["type"].asString()), QStringLiteral("download"));
    QCOMPARE(record["concurrent"].asInt(), 1);
    QCOMPARE(record["speed"].asInt(), 4096);
    QCOMPARE(QString::number(record["account_id"].asInt()), session.accountId());
    window->logout(QStringLiteral("1"));
    // Logged out: the tick finds no tab and does nothing.
    window->startSendLogDownload();
    QVERIFY(!MainFormProbe::logTimer(*window)->isActive());
}

void TestMainForm::shutdown_data() {
    QTest::addColumn<bool>("afterUploads");
    QTest::addColumn<bool>("afterDownloads");
    QTest::addColumn<bool>("downloadsPaused");
    QTest::addColumn<bool>("switchOnLater"); // the option is set through the options
    QTest::addColumn<QString>("queue");      // the queue that runs empty
    QTest::addColumn<QString>("answer");     // what the countdown gets; "" none shown
    QTest::addColumn<bool>("powersOff");
    QTest::newRow("downloads done, countdown runs out")
        << false << true << false << false << "download"
        << "wait" << true;
    QTest::newRow("stop button") << false << true << false << false << "download"
                                 << "button" << false;
    QTest::newRow("Escape stops") << false << true << false << false << "download"
                                  << "escape" << false;
    QTest::newRow("closing stops") << false << true << false << false << "download"
                                   << "close" << false;
    QTest::newRow("only uploads on, uploads done") << true << false << false << false << "upload"
                                                   << "wait" << true;
    QTest::newRow("downloads paused by the user, uploads done")
        << true << true << true << false << "upload"
        << "" << false;
    QTest::newRow("option off for that queue") << true << false << false << false << "download"
                                               << "" << false;
    QTest::newRow("option switched on in the options")
        << false << false << false << true << "download"
        << "wait" << true;
}

void TestMainForm::shutdown() {
    QFETCH(bool, afterUploads);
    QFETCH(bool, afterDownloads);
    QFETCH(bool, downloadsPaused);
    QFETCH(bool, switchOnLater);
    QFETCH(QString, queue);
    QFETCH(QString, answer);
    QFETCH(bool, powersOff);
    SettingsStore settings;
    settings.setValue(SettingsKeys::UploadAutoShutdown, afterUploads);
    settings.setValue(SettingsKeys::DownloadAutoShutdown, afterDownloads);
    auto window = loggedInWindow();
    QVERIFY(window);
    if (switchOnLater) {
        settings.setValue(SettingsKeys::DownloadAutoShutdown, true);
        window->settingChanged();
    }
    downloadStoppedByUser = downloadsPaused;
    // A countdown left to run out still lasts long enough for the answerer to see it.
    countdown.length = answer.isEmpty()                 ? std::chrono::milliseconds(300)
                       : answer == QLatin1String("wait") ? std::chrono::milliseconds(2000)
                                                         : std::chrono::milliseconds(60000);
    const std::shared_ptr<void> shortAgain(nullptr, [this](void*) {
        countdown.length = std::chrono::milliseconds(300);
    });
    platform::RecordingSystemActions actions;
    ModalAnswerer modals;
    if (!answer.isEmpty())
        modals.next([answer](QDialog* dialog) {
            if (answer == QLatin1String("button"))
                dialog->findChild<QPushButton*>(QStringLiteral("btn_cancel"))->click();
            else if (answer == QLatin1String("escape"))
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (answer == QLatin1String("close"))
                dialog->close();
        });
    if (queue == QLatin1String("upload"))
        emit MainFormProbe::formUpload(*window)->uploadComplete();
    else
        emit MainFormProbe::formDownload(*window)->downloadComplete();
    QCOMPARE(modals.answered().size(), answer.isEmpty() ? 0 : 1);
    QVERIFY(modals.unexpected().isEmpty());
    const bool poweredOff =
        !actions.calls().isEmpty() && actions.calls().first().kind == QLatin1String("poweroff");
    QCOMPARE(poweredOff, powersOff);
    window->logout(QStringLiteral("1"));
}

// With both queues empty and everything automatic switched on, neither the starts of the
// login (the tabs' own, then the account panel's) nor "start all" is a completion: no
// countdown comes up, nothing powers off.
void TestMainForm::emptyQueuesStartedAfterLoginOpenNoCountdown() {
    QVERIFY(historyfile::waitForWrites(20000)); // the last tabs' last saves
    QFile::remove(downloadHistoryFilePath(session.accountId().toLongLong()));
    QFile::remove(uploadHistoryFilePath(session.accountId().toLongLong()));
    SettingsStore settings;
    for (const char* key : {SettingsKeys::UploadAutoShutdown, SettingsKeys::DownloadAutoShutdown,
                            SettingsKeys::AutoUpload, SettingsKeys::AutoDownload})
        settings.setValue(QString::fromLatin1(key), true);
    const std::shared_ptr<void> switchOff(nullptr, [](void*) {
        SettingsStore settings;
        for (const char* key : {SettingsKeys::AutoUpload, SettingsKeys::AutoDownload})
            settings.remove(QString::fromLatin1(key));
    });
    platform::RecordingSystemActions actions;
    ModalAnswerer modals;
    auto window = loggedInWindow();
    QVERIFY(window);
    FormUpload* upload = MainFormProbe::formUpload(*window);
    FormDownload* download = MainFormProbe::formDownload(*window);
    QSignalSpy uploadsEnded(upload, qOverload<>(&FormUpload::uploadComplete));
    QSignalSpy downloadsEnded(download, &FormDownload::downloadComplete);
    emit MainFormProbe::formInfo(*window)->loadInfoComplete();
    QVERIFY(QMetaObject::invokeMethod(upload, "on_startAllButton_clicked"));
    QVERIFY(QMetaObject::invokeMethod(download, "on_btnStartAll_clicked"));
    QCoreApplication::processEvents();
    QCOMPARE(uploadsEnded.count(), 0);
    QCOMPARE(downloadsEnded.count(), 0);
    QVERIFY(modals.answered().isEmpty());
    QVERIFY2(modals.unexpected().isEmpty(), qPrintable(modals.unexpected().join(", ")));
    for (const auto& call : actions.calls())
        QVERIFY(call.kind != QLatin1String("poweroff"));
    window->logout(QStringLiteral("1"));
}

void TestMainForm::options_data() {
    QTest::addColumn<QString>("downloadThreads");
    QTest::addColumn<int>("applied");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("accept");
    QTest::newRow("too many") << "25" << 10 << "10" << true;
    QTest::newRow("none") << "0" << 1 << "1" << true;
    QTest::newRow("within") << "5" << 5 << "5" << true;
    QTest::newRow("cancelled") << "25" << 2 << "25" << false;
}

void TestMainForm::options() {
    QFETCH(QString, downloadThreads);
    QFETCH(int, applied);
    QFETCH(QString, stored);
    QFETCH(bool, accept);
    QFile::remove(platform::autostartEntryPath());
    // The upload tab takes its limit from the settings when it is built.
    SettingsStore().setValue(SettingsKeys::UploadThreads, 2);
    auto window = loggedInWindow();
    QVERIFY(window);
    FormDownload* download = MainFormProbe::formDownload(*window);
    download->setDownloadThreads(2);
    SettingsStore settings;
    settings.setValue(SettingsKeys::DownloadThreads, downloadThreads);
    settings.setValue(SettingsKeys::UploadThreads, 25);
    settings.setValue(SettingsKeys::StayOnTop, true);
    settings.setValue(SettingsKeys::AutoStart, true);
    ModalAnswerer modals;
    modals.next([accept](QDialog* dialog) {
        QCOMPARE(qobject_cast<DialogOption*>(dialog)->page(), -1);
        accept ? dialog->accept() : dialog->reject();
    });
    window->on_actionTool_triggered();
    QCOMPARE(DownloadTabProbe::model(*download)->maxThreads(), applied);
    QCOMPARE(settings.text(SettingsKeys::DownloadThreads), stored);
    QCOMPARE(MainFormProbe::formUpload(*window)->uploadThreads(), accept ? 25 : 2);
    QCOMPARE(bool(window->windowFlags() & Qt::WindowStaysOnTopHint), accept);
    QCOMPARE(window->isVisible(), true);
    QCOMPARE(QFile::exists(platform::autostartEntryPath()), accept);
    window->logout(QStringLiteral("1"));
}

void TestMainForm::logoutAction_data() {
    QTest::addColumn<QString>("how");        // "menu", or "panel": the account panel's button
    QTest::addColumn<QList<int>>("answers"); // to the question, in order
    QTest::addColumn<int>("expired");        // logout replies that say the session expired
    QTest::addColumn<bool>("refused");       // the service refuses the logout
    QTest::addColumn<int>("logoutRequests");
    QTest::addColumn<int>("logins"); // re-logins in between
    QTest::addColumn<bool>("loggedOut");
    const QList<int> ok{QMessageBox::Ok};
    const QList<int> twice{QMessageBox::Ok, QMessageBox::Ok};
    for (const char* how : {"menu", "panel"}) {
        const QString name = QLatin1String(how) + QStringLiteral(": ");
        QTest::newRow(qPrintable(name + "cancelled"))
            << how << QList<int>{QMessageBox::Cancel} << 0 << false << 0 << 0 << false;
        QTest::newRow(qPrintable(name + "confirmed")) << how << ok << 0 << false << 1 << 0 << true;
        QTest::newRow(qPrintable(name + "expired: in again, asked again"))
            << how << twice << 1 << false << 2 << 1 << true;
        QTest::newRow(qPrintable(name + "expired, then cancelled"))
            << how << QList<int>{QMessageBox::Ok, QMessageBox::Cancel} << 1 << false << 1 << 1
            << false;
        QTest::newRow(qPrintable(name + "expired twice: an ordinary failure"))
            << how << twice << 2 << false << 2 << 1 << false;
        QTest::newRow(qPrintable(name + "refused: stays, says why"))
            << how << ok << 0 << true << 1 << 0 << false;
    }
}

// The menu's logout and the account panel's are one: the same question, the same
// re-login, and the login of the account ends only when the service logged it out.
void TestMainForm::logoutAction() {
    QFETCH(QString, how);
    QFETCH(QList<int>, answers);
    QFETCH(int, expired);
    QFETCH(bool, refused);
    QFETCH(int, logoutRequests);
    QFETCH(int, logins);
    QFETCH(bool, loggedOut);
    auto window = loggedInWindow();
    QVERIFY(window);
    const bool menu = how == QLatin1String("menu");
    ScriptedUserPrompt prompt;
    for (int answer : answers)
        prompt.answer(QMessageBox::StandardButton(answer));
    const bool failed = refused || expired > 1;
    if (failed)
        prompt.answer(QMessageBox::Ok);
    for (int i = 0; i < expired; ++i)
        session.service().faults().next(
            kLogoutPath, devservice::Fault::status(200, R"({"code":201,"msg":"Hết hạn"})"));
    if (refused)
        session.service().faults().next(
            kLogoutPath, devservice::Fault::status(200, R"({"code":500,"msg":"Không được"})"));
    const int logouts = calls(kLogoutPath);
    const int loginsBefore = calls(kLoginPath);
    const quint64 login = relogin::currentLogin();
    // The login dialog that follows a logout is quit at once (see the quit handler).
    LoginQuitter quitLogin(*window);
    QWidget* asking = menu ? static_cast<QWidget*>(window.get()) : MainFormProbe::formInfo(*window);
    if (menu)
        window->on_actionLogout_triggered();
    else
        asking->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
    // Every question and box answered, and nothing on its way any more.
    QTRY_VERIFY_WITH_TIMEOUT(!MainFormProbe::loggingOut(*window) && prompt.unanswered() == 0,
                             20000);
    QCOMPARE(calls(kLogoutPath) - logouts, logoutRequests);
    QCOMPARE(calls(kLoginPath) - loginsBefore, logins);
    QCOMPARE(MainFormProbe::formDownload(*window) == nullptr, loggedOut);
    QCOMPARE(currentUser == nullptr, loggedOut);
    QCOMPARE(relogin::currentLogin() != login, loggedOut);
    QCOMPARE(quitStatuses, loggedOut ? QList<int>{1} : QList<int>{});
    QCOMPARE(window->isVisible(), !loggedOut);
    if (!loggedOut) // usable again
        QVERIFY(window->findChild<QTabWidget*>(QStringLiteral("MainTab"))->isEnabled());
    for (int i = 0; i < answers.size(); ++i) {
        const ScriptedUserPrompt::Asked& question = prompt.asked().at(i);
        QCOMPARE(question.title, QStringLiteral("Đăng xuất!"));
        QCOMPARE(question.text, QStringLiteral("Bạn có chắc muốn đăng xuất ?"));
        if (!menu && loggedOut) // the panel went with the account
            QVERIFY(!question.parent);
        else
            QCOMPARE(question.parent.data(), asking);
    }
    QCOMPARE(prompt.asked().size(), answers.size() + (failed ? 1 : 0));
    if (failed) {
        const ScriptedUserPrompt::Asked& box = prompt.asked().last();
        const QString message = refused ? QStringLiteral("Không được") : QStringLiteral("Hết hạn");
        const QString code = refused ? QStringLiteral("500") : QStringLiteral("201");
        QCOMPARE(box.kind, ScriptedUserPrompt::Kind::Critical);
        QCOMPARE(box.title, menu ? QStringLiteral("Lỗi (%1)").arg(code)
                                 : QStringLiteral("Logout error!"));
        QCOMPARE(box.text, menu ? message : message + QStringLiteral(" (%1)").arg(code));
    }
    window->logout(QStringLiteral("1"));
}

void TestMainForm::quitting_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("quit action, cancelled") << "action" << false;
    QTest::newRow("quit action") << "action" << true;
    QTest::newRow("close button") << "button" << true;
    QTest::newRow("tray entry") << "tray" << true;
    QTest::newRow("window closed, cancelled") << "close" << false;
    QTest::newRow("window closed") << "close" << true;
}

void TestMainForm::quitting() {
    QFETCH(QString, how);
    QFETCH(bool, confirm);
    const QString history = downloadHistoryFilePath(session.accountId().toLongLong());
    QVERIFY(historyfile::waitForWrites(20000)); // the last tabs' last saves
    QFile::remove(history);
    auto window = loggedInWindow();
    QVERIFY(window);
    ScriptedUserPrompt prompt;
    prompt.answer(confirm ? QMessageBox::Ok : QMessageBox::Cancel);
    const int logouts = calls(kLogoutPath);
    if (how == QLatin1String("action"))
        window->on_actionQuit_triggered();
    else if (how == QLatin1String("button"))
        window->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    else if (how == QLatin1String("tray"))
        MainFormProbe::tray(*window)->contextMenu()->actions().last()->trigger();
    else
        window->close();
    QCOMPARE(prompt.asked().size(), 1);
    QCOMPARE(prompt.asked().first().title, QStringLiteral("Thoát!"));
    QCOMPARE(MainFormProbe::formDownload(*window) == nullptr, confirm);
    QVERIFY(historyfile::waitForWrites(20000)); // the program's end waits for it too
    QCOMPARE(QFile::exists(history), confirm);
    QCOMPARE(window->isVisible(), !confirm);
    // Ending the program logs nothing out at the service and shows no login.
    QCOMPARE(calls(kLogoutPath), logouts);
    QVERIFY(!MainFormProbe::loginForm(*window)->isVisible());
    const bool exits = confirm && how != QLatin1String("close");
    QCOMPARE(quitStatuses, exits ? QList<int>{1} : QList<int>{});
    // A second teardown finds nothing left to delete.
    window->logout(QStringLiteral("1"));
    window->logout(QStringLiteral("1"));
}

void TestMainForm::slotsWithoutTabsDoNothing() {
    TrayMainForm window;
    ModalAnswerer modals;
    window.downloadFiles({session.linkOf(devservice::demo::kBigFile)});
    window.uploadFileIntoFolder(QStringLiteral("/"));
    window.shortcutTriggerUpload();
    window.startUpload();
    window.startDownload();
    window.checkFolderIsUse(QStringLiteral("/"));
    window.startSendLogDownload();
    window.fileUploadComplete(nullptr);
    // A dialog would have been run (and answered) inside one of these calls.
    QVERIFY(modals.answered().isEmpty());
    QVERIFY(modals.unexpected().isEmpty());
}

void TestMainForm::webPagesOpenInTheBrowser_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("address"); // WEB: the web host
    QTest::newRow("registration")
        << "register"
        << "http://www.WEB/register.php?url_back=http://www.WEB/index.php";
    QTest::newRow("user guide") << "guide"
                                << "https://www.WEB/guide#276";
    QTest::newRow("sign-up, from the login") << "signup"
                                             << "https://www.WEB/signup";
    QTest::newRow("forgotten password, from the login") << "forgot"
                                                        << "https://www.WEB/forgot";
}

void TestMainForm::webPagesOpenInTheBrowser() {
    QFETCH(QString, page);
    QFETCH(QString, address);
    TrayMainForm window;
    platform::RecordingSystemActions actions;
    LoginForm* login = MainFormProbe::loginForm(window);
    if (page == QLatin1String("register"))
        window.on_actionNew_triggered();
    else if (page == QLatin1String("guide"))
        window.on_actionH_ng_triggered();
    else {
        // The labels' own links, as a click on them hands them over.
        const char* label = page == QLatin1String("signup") ? "label_2" : "lblForgotPass";
        auto* link = login->findChild<QLabel*>(QLatin1String(label));
        const QString text = link->text();
        const int start = text.indexOf(QLatin1String("href=\"")) + 6;
        emit link->linkActivated(text.mid(start, text.indexOf('"', start) - start));
    }
    QCOMPARE(actions.calls().size(), 1);
    QCOMPARE(actions.calls().first().program, QStringLiteral("xdg-open"));
    const QString web = QString::fromStdString(hosts::webHost());
    QCOMPARE(QUrl(actions.calls().first().arguments.value(0)),
             QUrl(QString(address).replace(QLatin1String("WEB"), web)));
}

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
