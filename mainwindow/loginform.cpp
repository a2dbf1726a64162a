#include "mainwindow/loginform.h"

#include "api/client.h"
#include "api/userapi.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/updatehelper.h"
#include "core/userprompt.h"
#include "platform/settingsstore.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cstdlib>

LoginForm::LoginForm(QWidget* parent)
    : QDialog(parent), email(new QLineEdit(this)), password(new QLineEdit(this)),
      loginButton(new QPushButton(tr("Đăng nhập"), this)),
      quitButton(new QPushButton(tr("Thoát"), this)), status(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Brisko Tool"));
    email->setObjectName(QStringLiteral("txt_email"));
    password->setObjectName(QStringLiteral("txt_password"));
    loginButton->setObjectName(QStringLiteral("btn_login"));
    quitButton->setObjectName(QStringLiteral("btn_quit"));
    password->setEchoMode(QLineEdit::Password);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Email hoặc số điện thoại"), email);
    fields->addRow(tr("Mật khẩu"), password);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(loginButton);
    buttons->addWidget(quitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(status);
    layout->addLayout(buttons);
    loginButton->setDefault(true);
    connect(loginButton, &QPushButton::clicked, this, &LoginForm::login);
    connect(quitButton, &QPushButton::clicked, this, &LoginForm::reject);
}

void LoginForm::reject() {
    SettingsStore().sync();
    std::exit(1);
}

void LoginForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The form waits for the update check; the helper is freed with the dialog.
    setFormEnabled(false);
    auto* updater = new UpdateHelper(this);
    updater->check_and_update([this] { setFormEnabled(true); }, false);
}

void LoginForm::setFormEnabled(bool enabled) {
    email->setEnabled(enabled);
    password->setEnabled(enabled);
    loginButton->setEnabled(enabled);
    status->setText(enabled ? QString() : tr("Đang kiểm tra phiên bản mới..."));
    if (enabled)
        email->setFocus();
}

void LoginForm::login() {
    // A blocking call on the GUI thread will do for this stand-in.
    const QString name = email->text().trimmed();
    brisko::user_api api(&apiClient);
    std::unique_ptr<brisko::user> account;
    if (api.login(name.toStdString(), password->text().toStdString()))
        account = api.get();
    if (!account) {
        UserPrompt::current()->warning(this, QStringLiteral("Brisko Tool"),
                                       QString::fromStdString(api.get_error_msg()) +
                                           QStringLiteral(" (%1)").arg(api.get_error_code()),
                                       QMessageBox::Ok);
        return;
    }
    RuriDudi user(QString::fromStdString(account->get_id()), name,
                  QString::fromStdString(apiClient.get_session()->get_session_id()),
                  password->text(), QString::fromStdString(account->get_level()).toInt(), 1800.0);
    emit loginFinish(user);
    accept();
}
