#include "mainwindow/loginform.h"

#include "api/apiresult.h"
#include "api/userapi.h"
#include "core/actionthread.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/servicecall.h"
#include "core/servicecallrunner.h"
#include "core/updatehelper.h"
#include "core/userprompt.h"
#include "core/windowshape.h"
#include "mainwindow/dialogoption.h"
#include "mainwindow/loginrules.h"
#include "mainwindow/programexit.h"
#include "mainwindow/rememberedpassword.h"
#include "mainwindow/settingssavereport.h"
#include "platform/hostconfig.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/systemactions.h"
#include "ui_loginform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMovie>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include <memory>

namespace {

const char kErrorStyle[] =
    "QLineEdit{ height:20px; border-image: url(:/images/login_textbox_error.png); }";
const char kNormalStyle[] =
    "QLineEdit{ height:20px; border-image: url(:/images/login_textbox.png);} ";

// The web site the sign-up and password-recovery links lead to.
QString webSite() {
    return QStringLiteral("https://www.") + QString::fromStdString(hosts::webHost());
}

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), int(text.size()));
}

} // namespace

LoginForm::LoginForm(QWidget* parent)
    : QDialog(parent), ui(new Ui::LoginForm), accountReads(new ServiceCallRunner(this)) {
    ui->setupUi(this);
    // The two web links open through the system's browser seam rather than by the labels
    // themselves.
    for (QLabel* label : {ui->label_2, ui->lblForgotPass}) {
        label->setOpenExternalLinks(false);
        connect(label, &QLabel::linkActivated, this,
                [](const QString& link) { platform::openUrl(link); });
    }
    applyWebLinks();
    auto* loading = new QMovie(QStringLiteral(":/images/load.gif"), QByteArray(), this);
    ui->img_loading->setMovie(loading);
    loading->start();
    ui->img_loading->hide();
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    shapeWindowFromImage(this, QStringLiteral(":/images/form_logins.png"));

    const SettingsStore settings;
    ui->chckAutoLogin->setChecked(settings.boolean(SettingsKeys::AutoLogin));
    if (settings.boolean(SettingsKeys::RememberAccount))
        restoreRememberedAccount();
    if (settings.text(SettingsKeys::PasswordSalt).isEmpty())
        ui->txt_password->clear();
    ui->lbl_version->setText(QCoreApplication::applicationVersion());
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog login form"));
}

LoginForm::~LoginForm() {
    delete ui;
}

void LoginForm::setStartupLogin(bool startup) {
    startupLogin = startup;
}

void LoginForm::applyWebLinks() {
    ui->label_2->setText(ui->label_2->text().arg(webSite()));
    ui->lblForgotPass->setText(ui->lblForgotPass->text().arg(webSite()));
}

void LoginForm::restoreRememberedAccount() {
    const SettingsStore settings;
    const QString salt = settings.text(SettingsKeys::PasswordSalt);
    ui->txt_email->setText(settings.text(SettingsKeys::AccountEmail));
    ui->txt_password->setText(
        RememberedPassword::decipher(settings.text(SettingsKeys::AccountPassword), salt));
    ui->chckRemember->setChecked(true);
}

void LoginForm::saveRememberedAccount(const QString& email, const QString& password) {
    SettingsStore settings;
    if (!ui->chckRemember->isChecked()) {
        settings.setValue(SettingsKeys::RememberAccount, false);
        settings.remove(SettingsKeys::AccountEmail);
        settings.remove(SettingsKeys::AccountPassword);
        return;
    }
    const QString salt = RememberedPassword::makeSalt();
    settings.setValue(SettingsKeys::PasswordSalt, salt);
    const QString stored = RememberedPassword::encipher(password, salt);
    settings.setValue(SettingsKeys::RememberAccount, true);
    settings.setValue(SettingsKeys::AccountEmail, email);
    settings.setValue(SettingsKeys::AccountPassword, stored);
}

void LoginForm::showEvent(QShowEvent* event) {
    // A window manager showing the dialog again (after a minimise) is not a new run: the
    // typed fields stay and no second update check starts.
    if (event->spontaneous())
        return;
    centreOnScreen();
    const bool remember = SettingsStore().boolean(SettingsKeys::RememberAccount);
    ui->chckRemember->setChecked(remember);
    if (!remember) {
        ui->txt_email->clear();
        ui->txt_password->clear();
    }
    QApplication::setActiveWindow(this);
    activateWindow();
    QTimer::singleShot(10, this, [this] { check_update(); });
}

void LoginForm::centreOnScreen() {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown)
        return;
    const QRect area = shown->availableGeometry();
    const int midX = (area.left() + area.right()) / 2;
    const int midY = (area.top() + area.bottom()) / 2;
    move(int(midX - width() * 0.5), int(midY - height() * 0.5));
}

void LoginForm::check_update() {
    check_update(false);
}

void LoginForm::check_update(bool force) {
    disableForm();
    ui->lblStatus->setText(tr("<b>Đang kiểm tra phiên bản mới</b>"));
    auto* helper = new UpdateHelper(this);
    QPointer<UpdateHelper> done(helper);
    helper->check_and_update(
        [this, done] {
            if (done)
                done->deleteLater();
            autoLoginAfterUpdateCheck();
        },
        force);
}

void LoginForm::autoLoginAfterUpdateCheck() {
    enableForm();
    const SettingsStore settings;
    if (startupLogin && settings.boolean(SettingsKeys::AutoLogin) &&
        !settings.text(SettingsKeys::AccountEmail).trimmed().isEmpty()) {
        // Once per start-up: a refused automatic login (or one that asks for the update
        // check again) must not start another one by itself.
        startupLogin = false;
        ui->btn_login->click();
        return;
    }
    activateWindow();
}

void LoginForm::on_btn_login_clicked() {
    ui->txt_email->setText(ui->txt_email->text().trimmed());
    const QString email = ui->txt_email->text();
    const bool passwordGiven = !loginrules::isBlankPassword(ui->txt_password->text());
    if (!passwordGiven) {
        ui->txt_password->setStyleSheet(QLatin1String(kErrorStyle));
        ui->txt_password->setFocus(Qt::OtherFocusReason);
    }
    if (!loginrules::isLoginName(email)) {
        ui->txt_email->setStyleSheet(QLatin1String(kErrorStyle));
        ui->txt_email->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!passwordGiven)
        return;
    disableForm();
    ui->lblStatus->setText(tr("Loading..."));
    auto* job = new ActionThread;
    connect(job, SIGNAL(loginSuccess()), this, SLOT(login_success()));
    connect(job, SIGNAL(loginError(int, QString)), this, SLOT(login_error(int, QString)));
    // The password goes as typed: blanks around it are part of it.
    job->login(email, ui->txt_password->text());
}

void LoginForm::login_error(int code, QString message) {
    enableForm();
    if (code == 33 || code == 433) {
        // The service refuses this version: the update check runs again, this time
        // making an available update required.
        check_update(true);
        return;
    }
    if (code == brisko::kCodeNetworkError)
        message = tr("Kết nối mạng bị lỗi \n");
    UserPrompt::current()->critical(
        this, QCoreApplication::translate("QApplication", "Login error! (%1)").arg(code), message,
        QMessageBox::Ok, QMessageBox::NoButton);
    if (isHidden())
        show();
}

void LoginForm::login_success() {
    const QString email = ui->txt_email->text();
    const QString password = ui->txt_password->text();
    saveRememberedAccount(email, password);
    SettingsStore().setValue(SettingsKeys::AutoLogin, ui->chckAutoLogin->isChecked());
    // Written off the GUI thread; the user hears of it when the account could not be kept.
    settingssavereport::whenNotSaved(this);

    // The account is read off the GUI thread; the form stays busy until it is here. The
    // session may already be gone again: one new login with the typed credentials.
    const ReLoginCredentials typed{true, email, password, relogin::currentLogin()};
    accountReads->run<AccountRead>(
        QStringLiteral("account"),
        [typed] {
            AccountRead read;
            read.result = callWithReLogin<brisko::user_api>(typed, [&read](brisko::user_api& api) {
                read.account = api.get();
                return read.account != nullptr;
            });
            return read;
        },
        [this, email, password](const AccountRead& read) {
            enableForm();
            accountRead(read, email, password);
        });
}

void LoginForm::accountRead(const AccountRead& read, const QString& email,
                            const QString& password) {
    if (!read.account) {
        // A call without a record never counts as success, whatever its code says.
        const int code =
            read.result.code != brisko::kCodeSuccess ? read.result.code : brisko::kCodeNetworkError;
        login_error(code, QString::fromStdString(read.result.message));
        return;
    }
    currentUserId = latin1(read.account->get_id());
    currentUserLevel = latin1(read.account->get_level());
    RuriDudi user(currentUserId, email.trimmed(), latin1(apiClient.get_session()->get_session_id()),
                  password, currentUserLevel.toInt(), 1800.0);
    hide();
    emit loginFinish(user);
}

QList<QWidget*> LoginForm::formWidgets() const {
    return {ui->btn_login,     ui->lblOption, ui->lblForgotPass, ui->chckRemember,
            ui->chckAutoLogin, ui->txt_email, ui->txt_password};
}

void LoginForm::disableForm() {
    ui->lblStatus->clear();
    ui->lblStatus->show();
    ui->img_loading->show();
    // An Enter pressed again while busy does nothing: the dialog keeps the keys rather
    // than letting the focus fall on the quit button, the only one left usable, and that
    // button answers no Enter meanwhile. Escape, the close button or a click still quit.
    ui->btn_quit->setAutoDefault(false);
    setFocus(Qt::OtherFocusReason);
    for (QWidget* widget : formWidgets())
        widget->setEnabled(false);
}

void LoginForm::enableForm() {
    ui->lblStatus->clear();
    ui->lblStatus->hide();
    ui->img_loading->hide();
    ui->btn_quit->setAutoDefault(true);
    for (QWidget* widget : formWidgets())
        widget->setEnabled(true);
    ui->txt_email->setFocus(Qt::OtherFocusReason);
    ui->txt_email->selectAll();
}

void LoginForm::on_btn_quit_clicked() {
    quit();
}

// The quit button acts on press already, so a release outside it still quits.
void LoginForm::on_btn_quit_pressed() {
    quit();
}

void LoginForm::reject() {
    quit();
}

void LoginForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    quit();
}

void LoginForm::quit() {
    // An account read still on its way opens no main window after this.
    accountReads->dropRunning();
    programexit::quit(1);
}

void LoginForm::on_txt_email_textEdited(QString) {
    ui->txt_email->setStyleSheet(QLatin1String(kNormalStyle));
}

void LoginForm::on_txt_password_textEdited(QString) {
    ui->txt_password->setStyleSheet(QLatin1String(kNormalStyle));
}

void LoginForm::on_chckRemember_stateChanged(int) {
    ui->chckAutoLogin->setEnabled(ui->chckRemember->isChecked());
}

void LoginForm::on_lblOption_linkActivated(QString link) {
    if (!link.startsWith(QLatin1String("/option")))
        return;
    // Only the connection page: the proxy may be what keeps the login from working.
    QPointer<DialogOption> options = new DialogOption(DialogOption::Connection, this);
    options->exec();
    const bool restart = options && options->restartRequested();
    delete options.data();
    if (restart)
        programexit::restart(); // no transfers run before the login
}

void LoginForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    applyWebLinks();
    ui->lbl_version->setText(QCoreApplication::applicationVersion());
}

void LoginForm::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void LoginForm::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
