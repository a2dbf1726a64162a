#include "filemanager/dialogcreatefol.h"

#include "api/fileapi.h"
#include "core/busycursor.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "filemanager/dialogcalls.h"
#include "ui_dialogcreatefol.h"

#include <QCoreApplication>
#include <QEvent>

Dialogcreatefol::Dialogcreatefol(QString folder, QWidget* parent)
    : FramelessPopup(parent), ui(new Ui::Dialogcreatefol), folder(std::move(folder)),
      calls(new ServiceCallRunner(this)) {
    ui->setupUi(this);
    showWaitCursorWhileBusy(calls, this);
    ui->txt_FolderName->setFocus(Qt::OtherFocusReason);
    makeFrameless(QStringLiteral(":/images/popup_folder_small.png"));
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog create folder"));
}

Dialogcreatefol::~Dialogcreatefol() {
    delete ui;
}

void Dialogcreatefol::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void Dialogcreatefol::on_btn_accept_clicked() {
    const QString name = ui->txt_FolderName->text();
    if (!name.isEmpty() && name.trimmed().isEmpty()) {
        UserPrompt::current()->critical(
            this, QCoreApplication::translate("QApplication", "Lỗi!"),
            QCoreApplication::translate("QApplication",
                                        "Tên thư mục không được đặt là khoảng trắng."),
            QMessageBox::Ok);
        return;
    }
    if (name.isEmpty()) {
        UserPrompt::current()->critical(
            this, QCoreApplication::translate("QApplication", "Lỗi!"),
            QCoreApplication::translate("QApplication", "Bạn chưa nhập tên thư mục"),
            QMessageBox::Ok);
        return;
    }
    // The name goes as typed: blanks around it are the user's to keep.
    const std::string name8 = name.toUtf8().toStdString();
    const std::string in = folder.toUtf8().toStdString();
    const bool started = calls->call<brisko::file_api>(
        QStringLiteral("create folder"),
        [name8, in](brisko::file_api& api) { return api.createFolder(name8, in); },
        [this](const ServiceCallResult& result) {
            setBusy(false);
            if (result.ok) {
                createFol_success();
                return;
            }
            // Closed meanwhile, the refusal is told over the window that opened it.
            UserPrompt::current()->critical(
                resultOwner(this), tr("Lỗi ") + '(' + QString::number(result.code) + ')',
                QString::fromStdString(result.message), QMessageBox::Ok);
        });
    if (started)
        setBusy(true);
}

void Dialogcreatefol::setBusy(bool busy) {
    // One creation at a time; the name stays as sent until the service answered.
    ui->btn_accept->setEnabled(!busy);
    ui->txt_FolderName->setReadOnly(busy);
}

void Dialogcreatefol::on_btn_cancel_clicked() {
    close();
}

void Dialogcreatefol::createFol_success() {
    emit signCreateFolderComplete(0);
    close();
}

void Dialogcreatefol::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void Dialogcreatefol::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
