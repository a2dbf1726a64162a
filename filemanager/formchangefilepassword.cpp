#include "filemanager/formchangefilepassword.h"

#include "api/fileapi.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "filemanager/dialogcalls.h"
#include "filemanager/namerules.h"
#include "ui_formchangefilepassword.h"

#include <QEvent>

formChangeFilePassword::formChangeFilePassword(std::vector<std::string> codes, QWidget* parent)
    : FramelessPopup(parent), ui(new Ui::formChangeFilePassword),
      calls(new ServiceCallRunner(this)) {
    ui->setupUi(this);
    linkcodes = std::move(codes);
    makeFrameless(QStringLiteral(":/images/popup_changePass.png"), true);
    setLoadingAnimation(ui->img_loading);
    ui->img_loading->hide();
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog change password"));
}

formChangeFilePassword::~formChangeFilePassword() {
    delete ui;
}

void formChangeFilePassword::setCurrentPassword(QString password) {
    ui->chkDelPassword->hide();
    if (password.isEmpty())
        return;
    ui->chkDelPassword->show();
    changing = true;
    applyWording();
}

void formChangeFilePassword::applyWording() {
    if (!changing)
        return;
    ui->lblMessTitle->setText(
        tr("<font color=\"white\"><h2><b>Thay đổi mật khẩu của tập tin</b></h2></font>"));
    ui->lblMessQuestion->setText(
        tr("<h3><font color=\"blue\">Bạn có muốn thay đổi mật khẩu cho tập tin ?</font></h3>"));
}

void formChangeFilePassword::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // New words, but the wording and the animation the dialog shows stay.
    const bool loading = ui->img_loading->isVisible();
    ui->retranslateUi(this);
    applyWording();
    setLoadingAnimation(ui->img_loading);
    ui->img_loading->setVisible(loading);
    on_txtFilePassword_textChanged(ui->txtFilePassword->text());
}

void formChangeFilePassword::on_txtFilePassword_textChanged(QString) {
    ui->lblStatus->setText(passwordStrengthHint(ui->txtFilePassword->text()));
}

void formChangeFilePassword::on_chkDelPassword_stateChanged(int) {}

void formChangeFilePassword::on_chkDelPassword_toggled(bool checked) {
    ui->txtFilePassword->setEnabled(!checked);
}

void formChangeFilePassword::on_btn_accept_clicked() {
    const bool removing = ui->chkDelPassword->isChecked();
    QString password = ui->txtFilePassword->text();
    if (password.size() < 6 && !removing) {
        ui->lblStatus->setText(tr("<font color=\"red\">Độ dài mật khẩu ít nhất 6 ký tự.</font>"));
        return;
    }
    // Sent as typed (UTF-8 on the wire); a retry sends the same text again.
    if (removing) {
        password.clear();
        ui->txtFilePassword->setText(password);
    }
    const std::vector<std::string> items = linkcodes;
    const std::string pass = password.toUtf8().toStdString();
    const bool started = calls->call<brisko::file_api>(
        QStringLiteral("password"),
        [items, pass](brisko::file_api& api) { return api.createFilePass(items, pass); },
        [this](const ServiceCallResult& result) {
            if (result.ok)
                createPasswordComplete();
            else
                createPasswordUncomplete(result.code, QString::fromStdString(result.message));
        });
    if (!started)
        return;
    ui->img_loading->show();
    disableForm();
}

void formChangeFilePassword::createPasswordComplete() {
    ui->img_loading->hide();
    emit createPasswordSuccess(ui->txtFilePassword->text());
    enableForm();
    close();
}

void formChangeFilePassword::createPasswordUncomplete(int errorCode, QString errorMsg) {
    ui->img_loading->hide();
    enableForm();
    // Closed meanwhile, the refusal is told over the window that opened it.
    UserPrompt::current()->critical(resultOwner(this),
                                    tr("Lỗi ") + '(' + QString::number(errorCode) + ')', errorMsg,
                                    QMessageBox::Ok);
}

void formChangeFilePassword::disableForm() {
    ui->txtFilePassword->setEnabled(false);
    ui->chkDelPassword->setEnabled(false);
    ui->btn_accept->setEnabled(false);
}

void formChangeFilePassword::enableForm() {
    ui->txtFilePassword->setEnabled(true);
    ui->chkDelPassword->setEnabled(true);
    ui->btn_accept->setEnabled(true);
}

void formChangeFilePassword::on_btn_cancel_clicked() {
    close();
}

void formChangeFilePassword::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void formChangeFilePassword::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
