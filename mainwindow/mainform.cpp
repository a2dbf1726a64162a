// The main window itself: construction, frame, tray icon, banner and the simple menu
// actions. Link intake, transfer status and the account cycle have files of their own.
#include "mainwindow/mainform.h"

#include "core/busycursor.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "download/dialogdownload.h"
#include "download/formdownload.h"
#include "filemanager/formmanage.h"
#include "mainwindow/bannernetworkaccess.h"
#include "mainwindow/dialogabout.h"
#include "mainwindow/forminfo.h"
#include "mainwindow/loginform.h"
#include "mainwindow/openwindows.h"
#include "mainwindow/programexit.h"
#include "media/rssmanager.h"
#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/systemactions.h"
#include "ui_mainform.h"
#include "upload/dialogupload.h"
#include "upload/formupload.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <QTimer>
#include <QUrlQuery>
#include <QWebFrame>
#include <QWebPage>

namespace {

constexpr int kLogIntervalMs = 600000;

const char kZoomLook[] = "QPushButton{\n\tborder-image: url(:/images/bt_zoom_off.png);\n}\n"
                         "QPushButton:pressed , QPushButton:hover{\n"
                         "\tborder-image: url(:/images/bt_zoom_on.png);\n}";
const char kRestoreLook[] = "QPushButton{\n\tborder-image: url(:/images/bt_zoom_1_off.png);\n}\n"
                            "QPushButton:pressed , QPushButton:hover{\n"
                            "\tborder-image: url(:/images/bt_zoom_1_on.png);\n}";

QString webHost() {
    return QString::fromStdString(hosts::webHost());
}

QString boxText(const char* text) {
    return QCoreApplication::translate("QApplication", text);
}

} // namespace

MainForm::MainForm(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainForm), loginForm(nullptr), trayIcon(nullptr),
      logTimer(new QTimer(this)), logoutCalls(new ServiceCallRunner(this)),
      tearDownRetry(new QTimer(this)) {
    ui->setupUi(this);
    showWaitCursorWhileBusy(logoutCalls, this);
    ui->centralwidget->setAcceptDrops(true);
    applyWindowFlags();
    setAttribute(Qt::WA_TranslucentBackground);
    setUpTray();
    connect(this, &MainForm::signalPlaceToTray, this, &MainForm::slotPlaceToTray,
            Qt::QueuedConnection);
    setUpFrame();
    updateStatusLabels(0, 0);
    loadBanner(1);

    loginForm = new LoginForm;
    connect(loginForm, &LoginForm::loginFinish, this, &MainForm::loginDone);
    openWindows = new OpenWindows(this, loginForm);
    // Waiting for a copy or a closing dialog: a light poll, not a busy one.
    tearDownRetry->setSingleShot(true);
    tearDownRetry->setInterval(20);
    connect(tearDownRetry, &QTimer::timeout, this, &MainForm::tearDownWhenUnwound);

    uploadShortcut = new QShortcut(QKeySequence(tr("Ctrl+U", "&Upload")), this);
    uploadShortcut->setContext(Qt::WindowShortcut);
    connect(uploadShortcut, &QShortcut::activated, this, &MainForm::shortcutTriggerUpload);
    ui->labelDev->hide();

    // Qt 5's tab widget has no signal that carries the tab's text; the index will do.
    connect(ui->MainTab, &QTabWidget::currentChanged, this,
            [this](int index) { on_MainTab_selected(ui->MainTab->tabText(index)); });
    logTimer->setInterval(kLogIntervalMs);
    connect(logTimer, &QTimer::timeout, this, &MainForm::startSendLogDownload);
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Start main form"));
}

MainForm::~MainForm() {
    delete formUpload.data();
    delete formDownload.data();
    delete formInfo.data();
    delete formManage.data();
    delete rssManager.data();
    delete ui;
    delete currentUser;
    currentUser = nullptr;
    currentUserId.clear();
    currentUserLevel.clear();
    delete trayIcon;
    delete loginForm;
    delete dialogUpload.data();
    delete dialogDownload.data();
    if (analytics) {
        analytics->endSession();
        delete analytics;
        analytics = nullptr;
    }
}

void MainForm::applyWindowFlags() {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                            Qt::WindowContextHelpButtonHint | Qt::WindowShadeButtonHint |
                            Qt::WindowCloseButtonHint;
    if (SettingsStore().boolean(SettingsKeys::StayOnTop))
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
}

void MainForm::setUpTray() {
    trayIcon = new QSystemTrayIcon(QIcon(QStringLiteral(":/images/brisko_icon_128.png")), this);
    trayIcon->setToolTip(QStringLiteral("Brisko Tool ") +
                         SettingsStore().text(SettingsKeys::Version));
    auto* menu = new QMenu(this);
    trayOpenEntry = menu->addAction(tr("Mở chương trình"), this, &MainForm::active_window);
    menu->addSeparator();
    menu->addAction(tr("Tải xuống"), this, &MainForm::startDownload);
    menu->addAction(tr("Tải lên"), this, &MainForm::startUpload);
    menu->addSeparator();
    menu->addAction(QIcon(QStringLiteral(":/images/icon_xoa_on.png")), tr("Đóng chương trình"),
                    this, &MainForm::on_actionQuit_triggered);
    trayIcon->setContextMenu(menu);
    connect(trayIcon, &QSystemTrayIcon::activated, this, &MainForm::icon_actived);
}

void MainForm::setUpFrame() {
    // Four corner grips over the content, for a window without a frame to resize by.
    auto* grid = new QGridLayout(ui->centralwidget);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(ui->mainLayout, 0, 0);
    for (Qt::Alignment corner :
         {Qt::AlignTop | Qt::AlignLeft, Qt::AlignTop | Qt::AlignRight,
          Qt::AlignBottom | Qt::AlignLeft, Qt::AlignBottom | Qt::AlignRight}) {
        // Drawn as the form's style sheet says (the tab strip's picture).
        grid->addWidget(new QSizeGrip(this), 0, 0, corner);
    }

    // The menus sit in the title bar, on its picture.
    ui->menuBar->setNativeMenuBar(false);
    ui->menuBar->setStyleSheet(QStringLiteral(
        "QMenuBar{ font: bold; background: transparent; }\n"
        "QMenuBar::item{ color: #666666; background: transparent; padding: 5px 6px; }\n"
        "QMenuBar::item:selected{ border-image: url(:/images/bg_menu_top.png); }\n"
        // Greyed while a logout is on its way.
        "QMenuBar::item:disabled{ color: #b4b4b4; }"));
    // No margins and centred: a menu bar lower than its items hides them all behind its
    // extension button.
    auto* menuGrid = new QGridLayout(ui->widget_4);
    menuGrid->setContentsMargins(0, 0, 0, 0);
    menuGrid->addWidget(ui->menuBar, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    ui->menuBar->setMinimumHeight(ui->menuBar->geometry().bottom() - ui->menuBar->geometry().top());

    QWebPage* page = ui->webView->page();
    page->setNetworkAccessManager(new BannerNetworkAccess(page));
    page->setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
    page->mainFrame()->setScrollBarPolicy(Qt::Vertical, Qt::ScrollBarAlwaysOff);
    page->mainFrame()->setScrollBarPolicy(Qt::Horizontal, Qt::ScrollBarAlwaysOff);

    for (QWidget* titleBar : {ui->wMLeft, ui->widget_2, ui->widget_3, ui->widget_4})
        titleBar->installEventFilter(this);
}

void MainForm::showLogin(bool startup) {
    loginForm->setStartupLogin(startup);
    loginForm->exec();
}

bool MainForm::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            toggleMaximized();
        return true;
    }
    // Other buttons, and moves while maximised, do nothing; the title bar takes them all.
    case QEvent::MouseButtonPress:
        titleBarDrag.grip(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        titleBarDrag.follow(static_cast<QMouseEvent*>(event));
        return true;
    default:
        return false;
    }
}

void MainForm::toggleMaximized() {
    if (isMaximized()) {
        showNormal();
        return;
    }
    showMaximized();
    setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen)) |
                   Qt::WindowMaximized);
}

void MainForm::on_btnMin_clicked() {
    showMinimized();
}

void MainForm::on_btnMax_clicked() {
    toggleMaximized();
}

void MainForm::on_btnClose_clicked() {
    on_actionQuit_triggered();
}

void MainForm::on_actionQuit_triggered() {
    quitProgram();
}

// Whether the user really wants to end the program.
bool MainForm::confirmQuit() {
    const auto answer = UserPrompt::current()->warning(
        this, boxText(QT_TRANSLATE_NOOP("QApplication", "Thoát!")),
        boxText(QT_TRANSLATE_NOOP("QApplication", "Bạn có chắc muốn thoát khỏi chương trình?")),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoButton);
    return answer == QMessageBox::Ok;
}

void MainForm::quitProgram() {
    if (!confirmQuit())
        return;
    // The transfers stop and both histories are written before the program ends.
    tearDown(QStringLiteral("1"), [] { programexit::quit(1); });
}

void MainForm::endBySignal(int signalNumber) {
    const int status = 128 + signalNumber;
    // With an account, its transfers stop and their lists are handed over first.
    if (currentUser || pendingTearDown)
        tearDown(QStringLiteral("1"), [status] { programexit::quit(status); });
    else
        programexit::quit(status);
}

void MainForm::restartProgram() {
    tearDown(QStringLiteral("1"), [] { programexit::restart(); });
}

void MainForm::closeEvent(QCloseEvent* event) {
    // A logout on its way ends the account by itself; the question would open over it.
    if (loggingOut()) {
        event->ignore();
        return;
    }
    if (!confirmQuit()) {
        event->ignore();
        return;
    }
    logout(QStringLiteral("1"));
    event->accept();
}

bool MainForm::systemTrayAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void MainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        SettingsStore().boolean(SettingsKeys::SystrayMinimized) && systemTrayAvailable()) {
        // Hidden after this change has been handled in full, hence the queued signal.
        emit signalPlaceToTray();
        event->ignore();
        return;
    }
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateStatusLabels(shownDownloadSpeed, shownUploadSpeed);
        return;
    }
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMaximized()) {
        ui->btnMax->setStyleSheet(QLatin1String(kRestoreLook));
        if (const QScreen* shown = QGuiApplication::primaryScreen()) {
            const int height = shown->availableGeometry().height();
            if (this->height() != height)
                resize(width(), height);
        }
    } else {
        ui->btnMax->setStyleSheet(QLatin1String(kZoomLook));
    }
}

void MainForm::slotPlaceToTray() {
    setIconSytemTray();
    trayIcon->show();
    setVisible(false);
}

void MainForm::icon_actived(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        active_window();
}

void MainForm::active_window() {
    // The account is being torn down: the window stays hidden.
    if (pendingTearDown)
        return;
    showNormal();
    activateWindow();
    trayIcon->hide();
}

void MainForm::showEvent(QShowEvent*) {
    QApplication::setActiveWindow(this);
    activateWindow();
}

void MainForm::on_actionAbout_triggered() {
    QPointer<dialogabout> about = new dialogabout(this);
    about->exec();
    delete about.data();
}

void MainForm::on_actionNew_triggered() {
    const QString site = QStringLiteral("http://www.") + webHost();
    QUrl page(site + QStringLiteral("/register.php"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("url_back"), site + QStringLiteral("/index.php"));
    page.setQuery(query);
    platform::openUrl(page.toString(QUrl::FullyEncoded));
}

void MainForm::on_webView_linkClicked(const QUrl& url) {
    // The page may link anywhere; only web and mail addresses go to the desktop.
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        platform::openUrl(url.toString(QUrl::FullyEncoded));
}

void MainForm::on_actionUserInfor_triggered() {
    ui->MainTab->setCurrentIndex(3);
}

void MainForm::on_MainTab_selected(const QString&) {
    const int tab = ui->MainTab->currentIndex();
    loadBanner(tab);
    sendTabScreenView(tab);
}

QString MainForm::bannerAddress() const {
    const QString language = SettingsStore().text(SettingsKeys::Language);
    const QString lang =
        language == QLatin1String("brisko_en.qm") ? QStringLiteral("en") : QStringLiteral("vi");
    // The banner is shown inside the program, so it comes over https from the site's
    // bare domain.
    QString address = QStringLiteral("https://") + webHost() +
                      QStringLiteral("/site/advantage?tab=download&lang=") + lang +
                      QStringLiteral("&ver=") + QCoreApplication::applicationVersion();
    if (!currentUserId.isEmpty())
        address +=
            QStringLiteral("&lvl=") + currentUserLevel + QStringLiteral("&uid=") + currentUserId;
    return address;
}

void MainForm::loadBanner(int tab) {
    switch (tab) {
    case 0:
        ui->tUpload->setFocus(Qt::OtherFocusReason);
        break;
    case 1: {
        ui->tDownload->setFocus(Qt::OtherFocusReason);
        // The address asked for last, loaded or still loading.
        const QUrl address(bannerAddress());
        if (ui->webView->page()->mainFrame()->requestedUrl() != address)
            ui->webView->load(address);
        break;
    }
    case 2:
        ui->tManage->setFocus(Qt::OtherFocusReason);
        if (formManage)
            formManage->resetToRootFolder();
        break;
    case 3:
        ui->tInfo->setFocus(Qt::OtherFocusReason);
        if (formInfo)
            formInfo->getUserInfo();
        break;
    case 4:
        ui->tRSS->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

void MainForm::sendTabScreenView(int tab) {
    if (!analytics)
        return;
    static const char* const names[] = {"Form upload", "Form download", "Form manager",
                                        "Form information"};
    const QString screen =
        tab >= 0 && tab < 4 ? QLatin1String(names[tab]) : QStringLiteral("Form search Content");
    analytics->sendAppview(QString(), QString(), screen);
}
