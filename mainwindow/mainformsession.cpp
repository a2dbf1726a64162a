// The main window's account cycle: the set-up after a login (every tab built and wired,
// then what waited for the login handed over), the options, and the logout that tears
// the tabs down again.
#include "mainwindow/mainform.h"

#include "api/client.h"
#include "api/userapi.h"
#include "core/actionthread.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/linkparser.h"
#include "core/localpaths.h"
#include "core/relogin.h"
#include "core/ruridudi.h"
#include "core/servicecall.h"
#include "core/servicecallrunner.h"
#include "core/timesource.h"
#include "core/userprompt.h"
#include "download/dialogdownload.h"
#include "download/formdownload.h"
#include "filemanager/formmanage.h"
#include "mainwindow/dialogoption.h"
#include "mainwindow/forminfo.h"
#include "mainwindow/loginform.h"
#include "mainwindow/logoutquestion.h"
#include "mainwindow/openwindows.h"
#include "media/rssmanager.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/userfolders.h"
#include "ui_mainform.h"
#include "upload/dialogupload.h"
#include "upload/formupload.h"
#include "upload/uploadfile.h"

#include <QLayout>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace {

constexpr int kMaxDownloadThreads = 10;
// How long a teardown waits for a hidden window that seems to be inside its run.
constexpr std::chrono::milliseconds kHiddenWindowHold{5000};

QString boxText(const char* text) {
    return QCoreApplication::translate("QApplication", text);
}

} // namespace

void MainForm::loginDone(RuriDudi& user) {
    delete currentUser;
    currentUser = new RuriDudi(user);
    if (analytics)
        analytics->setUserId(currentUser->getUserId());
    setWindowTitle(currentUser->getEmail() + QStringLiteral(" - Brisko Tool"));
    show();
    buildTabsAfterLogin();
    lastDownloadSpeed = 0;
    logTimer->start();
    loadBanner(1);
    if (ui->MainTab->currentIndex() > 1)
        ui->MainTab->setCurrentIndex(1);
    blockInput(false);
    // Every tab exists now, so what waited for the login can be handed over.
    handOverPending();
}

void MainForm::handOverPending() {
    replayPendingUploads();
    const QString links = parseShareLinks(pendingDownloadLinks);
    pendingDownloadLinks.clear();
    if (!links.isEmpty())
        downloadFiles(links.split(QLatin1Char(';'), Qt::SkipEmptyParts));
}

void MainForm::buildTabsAfterLogin() {
    SettingsStore settings;
    // The account panel sets it when it starts the automatic upload: once per login.
    if (settings.boolean(SettingsKeys::AutoUploaded))
        settings.setValue(SettingsKeys::AutoUploaded, false);

    formInfo = new FormInfo(this);
    ui->tInfo->layout()->addWidget(formInfo);
    rssManager = new RssManager(this);
    ui->tRSS->layout()->addWidget(rssManager);
    formUpload = new FormUpload(this);
    ui->tUpload->layout()->addWidget(formUpload);
    dialogUpload = new DialogUpload(QList<QUrl>(), this);
    formDownload = new FormDownload(this);
    ui->tDownload->layout()->addWidget(formDownload);
    formManage = new FormManage(this);
    ui->tManage->layout()->addWidget(formManage);
    connectTabs();
}

void MainForm::connectTabs() {
    // The panel's button: the window's own logout, asked over the panel.
    connect(formInfo, &FormInfo::logout, this, [this] {
        const QPointer<FormInfo> panel = formInfo;
        logOut(panel, [panel](int code, const QString& message) {
            if (panel)
                panel->showLogoutError(code, message);
        });
    });
    connect(ui->MainTab, &QTabWidget::currentChanged, formInfo, &FormInfo::update_infor);
    connect(formUpload, &FormUpload::downloadFile, this, &MainForm::downloadFiles);
    connect(formUpload, qOverload<UploadFile*>(&FormUpload::fileUploadDone), this,
            &MainForm::fileUploadComplete);
    connect(formUpload, qOverload<>(&FormUpload::uploadComplete), this,
            &MainForm::setIconSytemTray);
    connect(formInfo, &FormInfo::loadInfoComplete, formUpload, &FormUpload::auto_upload);
    connect(dialogUpload, &DialogUpload::getUploadInfor, formUpload,
            &FormUpload::getUploadInforFromDlg);
    connect(formDownload, qOverload<DownloadFile*>(&FormDownload::filedownloadDone), this,
            &MainForm::fileDownloadComplete);
    connect(formDownload, &FormDownload::downloadComplete, this, &MainForm::setIconSytemTray);
    // Queued: the restart tears the tab down, and the tab asks from inside its own call.
    connect(formDownload, &FormDownload::restartAsked, this, &MainForm::restartProgram,
            Qt::QueuedConnection);
    connect(formManage, &FormManage::downloadFile, this, &MainForm::downloadFiles);
    connect(formManage, &FormManage::uploadIntoFolder, this, &MainForm::uploadFileIntoFolder);
    connect(formManage, &FormManage::needCheckFolderIsUse, this, &MainForm::checkFolderIsUse);
    connect(formDownload, &FormDownload::speedUpdate, this, &MainForm::updateDownloadSpeed);
    connect(formDownload, &FormDownload::isDownloadingSign, this, &MainForm::isDownloadingSign);
    connect(formUpload, &FormUpload::speedUpdate, this, &MainForm::updateUploadSpeed);
    connect(formUpload, &FormUpload::isUploadingSign, this, &MainForm::isUploadingSign);
    connect(formUpload, &FormUpload::uploadIntoFolder, this, &MainForm::uploadIntoFolder);
    connect(rssManager, qOverload<QStringList>(&RssManager::downloadOrViewOnline), this,
            &MainForm::downloadFiles);
    connect(rssManager, &RssManager::addDownloadLinks, this, &MainForm::rssAddDownloadLinks);
    connect(this, SIGNAL(rss_send_dir(QMap<QString, MegaFile>, QString, QString)), formDownload,
            SLOT(rss_get_dir(QMap<QString, MegaFile>, QString, QString)));
    connectShutdown();
}

void MainForm::connectShutdown() {
    disconnect(downloadShutdown);
    disconnect(uploadShutdown);
    const SettingsStore settings;
    if (formDownload && settings.boolean(SettingsKeys::DownloadAutoShutdown))
        downloadShutdown = connect(formDownload, &FormDownload::downloadComplete, this,
                                   &MainForm::signal_Shutdown);
    if (formUpload && settings.boolean(SettingsKeys::UploadAutoShutdown))
        uploadShutdown = connect(formUpload, qOverload<>(&FormUpload::uploadComplete), this,
                                 &MainForm::signal_Shutdown);
}

void MainForm::replayPendingUploads() {
    if (pendingUploadFiles.trimmed().isEmpty() || !dialogUpload) {
        pendingUploadFiles.clear();
        return;
    }
    const QStringList paths = pendingUploadFiles.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    pendingUploadFiles.clear();
    dialogUpload->clearSelectedFiles();
    for (QString path : paths)
        dialogUpload->addLocalPath(path, false);
    ui->MainTab->setCurrentIndex(0);
    dialogUpload->resetToRootFolder();
    dialogUpload->exec();
}

void MainForm::on_actionTool_triggered() {
    QPointer<DialogOption> options = new DialogOption(-1, this);
    connect(options, &DialogOption::settingChange, this, &MainForm::settingChanged);
    const int result = options->exec();
    const bool restart = options && options->restartRequested();
    delete options.data();
    if (result != QDialog::Accepted)
        return;
    applyWindowFlags();
    show(); // new window flags hide the window
    SettingsStore settings;
    setAutoStart(platform::programFilePath(), !settings.boolean(SettingsKeys::AutoStart));
    int threads = settings.integer(SettingsKeys::DownloadThreads, 2);
    if (threads > kMaxDownloadThreads || threads <= 0) {
        threads = threads > kMaxDownloadThreads ? kMaxDownloadThreads : 1;
        settings.setValue(SettingsKeys::DownloadThreads, QString::number(threads));
    }
    if (formDownload)
        formDownload->setDownloadThreads(threads);
    if (formUpload)
        formUpload->setUploadThreads(settings.integer(SettingsKeys::UploadThreads, 0));
    if (restart)
        restartProgram();
}

void MainForm::settingChanged() {
    connectShutdown();
}

void MainForm::on_actionLogout_triggered() {
    logOut(this, [this](int code, const QString& message) {
        // Still logged in: say why instead of doing nothing.
        UserPrompt::current()->critical(
            this, boxText(QT_TRANSLATE_NOOP("QApplication", "Lỗi (%1)")).arg(code), message,
            QMessageBox::Ok, QMessageBox::NoButton);
    });
}

void MainForm::logOut(QWidget* asking, LogoutRefusal refused) {
    // One logout at a time: while one is on its way the question is not asked again.
    if (!currentUser || loggingOut() || !confirmLogout(asking))
        return;
    sendLogout(asking, std::move(refused), true);
}

namespace {

struct LogoutOutcome {
    ServiceCallResult result;
    bool loggedInAgain = false; // the session had expired and a new login took its place
};

} // namespace

void MainForm::sendLogout(QPointer<QWidget> asking, LogoutRefusal refused, bool mayLogInAgain) {
    if (!currentUser || loggingOut())
        return;
    const int askedAt = OpenWindows::loopLevel();
    const ReLoginCredentials credentials = ReLoginCredentials::ofCurrentUser();
    const bool started = logoutCalls->run<LogoutOutcome>(
        QStringLiteral("logout"),
        [credentials, mayLogInAgain] {
            LogoutOutcome outcome;
            const std::shared_ptr<brisko::session> session = apiClient.get_session();
            brisko::user_api api(&apiClient);
            outcome.result.ok = api.logout();
            outcome.result.code = api.get_error_code();
            outcome.result.message = api.get_error_msg();
            if (outcome.result.ok) {
                // Logged out: from now on the account's requests on their way, which the
                // service answers "expired", log in no more.
                relogin::endLogin();
                // One that logged in again while the logout was on its way holds a
                // session of its own at the service.
                if (apiClient.get_session() != session)
                    brisko::user_api(&apiClient).logout();
            } else if (outcome.result.code == brisko::kCodeSessionExpired && mayLogInAgain) {
                outcome.loggedInAgain = ActionThread::reLogin(credentials);
            }
            return outcome;
        },
        [this, asking, refused, mayLogInAgain, askedAt](const LogoutOutcome& outcome) {
            if (outcome.result.ok) {
                tearDown(QString(), {}, askedAt);
                return;
            }
            // Still logged in, with every re-login of the account intact.
            blockInput(false);
            if (outcome.loggedInAgain) {
                if (asking && confirmLogout(asking)) {
                    sendLogout(asking, refused, false);
                    return;
                }
            } else {
                refused(outcome.result.code, QString::fromStdString(outcome.result.message));
            }
            if (!loggingOut())
                handOverPending();
        });
    if (started)
        blockInput(true);
}

bool MainForm::loggingOut() const {
    return logoutCalls->isRunning(QStringLiteral("logout")) || pendingTearDown.has_value();
}

void MainForm::blockInput(bool blocked) {
    // Tabs, menus, the close button, the upload shortcut and the tray's entries; drops
    // and messages of other copies wait (dragEnterEvent, handleMessage). Moving,
    // minimising and bringing the window back from the tray stay.
    ui->MainTab->setEnabled(!blocked);
    ui->menuBar->setEnabled(!blocked);
    ui->btnClose->setEnabled(!blocked);
    uploadShortcut->setEnabled(!blocked);
    for (QAction* entry : trayIcon->contextMenu()->actions()) {
        if (entry != trayOpenEntry)
            entry->setEnabled(!blocked);
    }
}

void MainForm::logout(QString reason) {
    tearDown(reason);
}

void MainForm::tearDown(const QString& reason, std::function<void()> then, int askedAt) {
    const int level = std::min(OpenWindows::loopLevel(), askedAt);
    if (pendingTearDown) {
        // Closing overrides a logout still waiting: no login dialog then.
        if (reason == QLatin1String("1"))
            pendingTearDown->reason = reason;
        pendingTearDown->level = std::min(pendingTearDown->level, level);
        if (then) {
            pendingTearDown->then = [first = std::move(pendingTearDown->then),
                                     then = std::move(then)] {
                if (first)
                    first();
                then();
            };
        }
    } else {
        if (analytics)
            analytics->endSession();
        hide();
        updateStatusLabels(0, -1);
        updateStatusLabels(-1, 0);
        // Requests on their way for this login log in no more.
        relogin::endLogin();
        blockInput(true);
        const auto hold =
            TimeSource::current().duration(TimeSource::Wait::HiddenWindowHold, kHiddenWindowHold);
        pendingTearDown =
            PendingTearDown{reason, level, std::move(then), QDeadlineTimer(qint64(hold.count()))};
    }
    tearDownWhenUnwound();
}

void MainForm::tearDownWhenUnwound() {
    if (!pendingTearDown)
        return;
    // What opened over the window goes first; the tabs go from the loop the teardown was
    // asked from, once every modal run of those windows has returned.
    openWindows->closeAll();
    const int level = pendingTearDown->level;
    if (openWindows->anyOpen() || OpenWindows::loopLevel() > level) {
        tearDownRetry->start();
        return;
    }
    if (!openWindows->unwound(level)) {
        // A hidden window seems to be inside its run. A run that was closed returns as soon
        // as control is back in its loop; one hidden this long is a window kept alive after
        // its run, and waiting on would keep the program hidden, and its lock, for ever.
        if (!pendingTearDown->hold.hasExpired()) {
            tearDownRetry->start();
            return;
        }
        qWarning("the account is torn down past hidden windows that seemed to be in their "
                 "run: %s",
                 qUtf8Printable(openWindows->possiblyInRuns().join(QStringLiteral(", "))));
    }
    const PendingTearDown pending = std::move(*pendingTearDown);
    pendingTearDown.reset();
    removeAccount(pending.reason);
    if (pending.then)
        pending.then();
}

void MainForm::removeAccount(const QString& reason) {
    // A logout still on its way (the window closes meanwhile) is answered to nobody.
    logoutCalls->dropRunning();
    logTimer->stop();
    // Deleting the transfer tabs stops their jobs and writes their histories.
    delete formUpload.data();
    delete dialogUpload.data();
    delete dialogDownload.data();
    delete formDownload.data();
    delete formInfo.data();
    delete formManage.data();
    delete rssManager.data();
    // Logged out, the tray has nothing to bring back.
    trayIcon->hide();
    delete currentUser;
    currentUser = nullptr;
    currentUserId.clear();
    currentUserLevel.clear();
    // The program ends: its end writes the settings and waits for what the tabs handed
    // over, after letting go of the single-copy lock.
    if (reason == QLatin1String("1"))
        return;
    loginForm->setStartupLogin(false);
    loginForm->exec();
}
