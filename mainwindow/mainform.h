#pragma once
// The program's main window: a frameless, translucent window with its own title bar,
// the tray icon, the banner and the tabs. It owns the login dialog and runs it before
// anything else is shown; the tab forms exist only while an account is logged in. It
// takes links and local files from other copies of the program, drops, the clipboard
// and text files, and hands them to the download and upload tabs. It shows the
// transfer speeds, tray notices, sends the download statistics and powers the machine
// off when a queue runs empty and the options ask for it.
#include "core/megafile.h"
#include "core/servicecall.h"
#include "core/windowdrag.h"

#include <QDeadlineTimer>
#include <QMainWindow>
#include <QMap>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QUrl>

#include <climits>
#include <functional>
#include <optional>

class DialogDownload;
class DialogTurnOff;
class DialogUpload;
class DownloadFile;
class FormDownload;
class FormInfo;
class FormManage;
class FormUpload;
class LoginForm;
class OpenWindows;
class QShortcut;
class QTimer;
class RssManager;
class RuriDudi;
class ServiceCallRunner;
class UploadFile;

namespace Ui {
class MainForm;
}

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // Runs the login dialog modally; returns when it closes. `startup` allows the
    // automatic login of the program's start.
    void showLogin(bool startup);

    // What waits for the next login, each joined by "|".
    QString keptLinks() const { return pendingDownloadLinks; }
    QString keptPaths() const { return pendingUploadFiles; }

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The tab change; connected to the tab widget's currentChanged (the text is unused).
    void on_MainTab_selected(const QString& tabText);

public slots:
    // A message of this or another copy of the program: "-d|" and links, or local paths;
    // parts joined by "|".
    void handleMessage(const QString& message);
    void loginDone(RuriDudi& user);
    // Tears the login down without asking the service: "1", the program is closing; ""
    // shows the login again. The user's logout is logOut.
    void logout(QString reason);
    // A signal asked the program to end (the desktop session ends, a kill, Ctrl+C in a
    // terminal): it ends as the quit does, without the question, with the shell's status
    // for that signal (128 + its number).
    void endBySignal(int signalNumber);

    // Links to download: opens the add-links dialog with them.
    void downloadFiles(QStringList links);
    void uploadFileIntoFolder(QString folder);
    void uploadFileIntoFolderAccept();
    void uploadIntoFolder(QString folderName, QString fileName);
    void shortcutTriggerUpload();
    void startUpload();
    void startDownload();
    void rss_startDownload();
    void checkFolderIsUse(QString folderName);
    void rssAddDownloadLinks(const QString& links, const QString& downloadFolder,
                             const QString& password);

    // Transfer status.
    void setIconSytemTray();
    void updateDownloadSpeed(double fSpeed);
    void updateUploadSpeed(double fSpeed);
    void isDownloadingSign(bool isdownload);
    void isUploadingSign(bool isupload);
    void fileDownloadComplete(DownloadFile* job);
    void fileUploadComplete(UploadFile* job);
    void startSendLogDownload();
    void signal_Shutdown();

    void settingChanged();

    // Tray.
    void slotPlaceToTray();
    void icon_actived(QSystemTrayIcon::ActivationReason reason);
    void active_window();

    // Bound by name to the form.
    void on_btnMin_clicked();
    void on_btnMax_clicked();
    void on_btnClose_clicked();
    void on_actionQuit_triggered();
    void on_actionAbout_triggered();
    void on_actionNew_triggered();
    void on_actionUserInfor_triggered();
    void on_actionTool_triggered();
    void on_actionLogout_triggered();
    void on_actionPaste_triggered();
    void on_actionImportFile_triggered();
    void on_actionH_ng_triggered();
    void on_webView_linkClicked(const QUrl& url);

signals:
    // The main window or the login dialog is to come forward.
    void needtoShow();
    void signalPlaceToTray();
    // Connected to the download tab's feed downloads; nothing emits it.
    void rss_send_dir(QMap<QString, MegaFile> files, QString dir, QString password);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Whether the desktop shows tray icons; without one the window never hides in it.
    virtual bool systemTrayAvailable() const;

private:
    friend struct MainFormProbe; // the tests

    // Construction.
    void setUpTray();
    void setUpFrame();
    void applyWindowFlags();
    void toggleMaximized();

    // Banner and tab focus.
    void loadBanner(int tab);
    QString bannerAddress() const;
    static void sendTabScreenView(int tab);

    // Post-login set-up and logout.
    void buildTabsAfterLogin();
    void connectTabs();
    void replayPendingUploads();
    // Hands over what waited for the tabs (links and files from other copies, drops).
    void handOverPending();
    void connectShutdown();

    // The one logout of the menu and of the account panel: asks over `asking`, logs the
    // account out at the service off the GUI thread, and tears it down once the service
    // agreed. An expired session is logged in again once and the question asked again
    // before the one more try. `refused` shows a failure; the account then stays logged
    // in, its requests on their way still able to log in again.
    using LogoutRefusal = std::function<void(int code, const QString& message)>;
    void logOut(QWidget* asking, LogoutRefusal refused);
    void sendLogout(QPointer<QWidget> asking, LogoutRefusal refused, bool mayLogInAgain);
    // A logout on its way, or a teardown waiting for open windows.
    bool loggingOut() const;
    // While true the window takes no input that opens anything.
    void blockInput(bool blocked);

    // The teardown: the window hides and takes no input, the login ends (requests on
    // their way log in no more), the dialogs and menus over the window close; then, back
    // in the event loop the teardown was asked from, the tabs and the account go and
    // `then` runs. "1": the program is closing (no login dialog afterwards).
    void tearDown(const QString& reason, std::function<void()> then = {}, int askedAt = INT_MAX);
    void tearDownWhenUnwound();
    // The tabs and the account go; then the login dialog, unless the program is closing.
    void removeAccount(const QString& reason);

    // Link intake.
    void handOverUploadPaths(const QString& text);
    void bringForward();

    // Transfer status.
    void updateStatusLabels(double downloadSpeed, double uploadSpeed);
    void sendDownloadStatistics(int concurrent);
    bool shutdownWindows();

    // Asks whether to quit; on yes tears down like a closing window and ends with
    // status 1.
    void quitProgram();
    bool confirmQuit();
    // Tears down like quitting and starts a new copy (settings that apply at start-up).
    void restartProgram();

    WindowDrag titleBarDrag{this}; // the title bar drags the window
    Ui::MainForm* ui;
    QPointer<FormDownload> formDownload;
    QPointer<FormUpload> formUpload;
    QPointer<FormInfo> formInfo;
    QPointer<FormManage> formManage;
    LoginForm* loginForm;
    QPointer<RssManager> rssManager;
    QPointer<DialogUpload> dialogUpload;
    QPointer<DialogDownload> dialogDownload;
    QSystemTrayIcon* trayIcon;
    QTimer* logTimer;
    QString pendingUploadFiles;
    QString pendingDownloadLinks;
    int lastDownloadSpeed = 0;
    // What the speed labels show, to put back after a retranslation.
    double shownDownloadSpeed = 0;
    double shownUploadSpeed = 0;
    // The countdown before a power-off, while it runs.
    QPointer<DialogTurnOff> turnOffDialog;
    // The feed hand-over's kept values; nothing reads them yet.
    QString addDownloadLinks_downloadFolder_param;
    QString addDownloadLinks_password_param;
    // The queues' completion to the countdown, when the options ask for it.
    QMetaObject::Connection downloadShutdown;
    QMetaObject::Connection uploadShutdown;
    // The logout request, off the GUI thread.
    ServiceCallRunner* logoutCalls;
    QShortcut* uploadShortcut = nullptr;
    QAction* trayOpenEntry = nullptr; // brings the window back; the tray's other entries act
    // A teardown asked for and waiting for the windows over the main window to close.
    struct PendingTearDown {
        QString reason;
        int level = 0; // the loop depth it was asked from
        std::function<void()> then;
        QDeadlineTimer hold; // how long hidden windows that seem to be in their run may hold it
    };
    std::optional<PendingTearDown> pendingTearDown;
    QTimer* tearDownRetry;
    OpenWindows* openWindows;
};
