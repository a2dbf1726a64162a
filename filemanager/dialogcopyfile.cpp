#include "filemanager/dialogcopyfile.h"

#include "api/fileapi.h"
#include "core/servicecall.h"
#include "core/userprompt.h"
#include "ui_dialogcopyfile.h"

#include <QEvent>

DialogCopyFile::DialogCopyFile(std::vector<std::string> codes, QWidget* parent)
    : FramelessPopup(parent), ui(new Ui::DialogCopyFile),
      picker(nullptr, this, QString(), "DialogCopyFile") {
    ui->setupUi(this);
    linkcodes = std::move(codes);
    picker = FolderPickTree(ui->treeCopy, this, QString(), "DialogCopyFile");
    makeFrameless(QStringLiteral(":/images/popup_movefile.png"));
    picker.buildRoot();
    setLoadingAnimation(ui->img_loading);
    ui->img_loading->hide();
    CallWSLoadFolderTree(1);
}

DialogCopyFile::~DialogCopyFile() {
    delete ui;
}

void DialogCopyFile::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setLoadingAnimation(ui->img_loading);
    }
}

void DialogCopyFile::CallWSLoadFolderTree(int dirFlag) {
    picker.list(dirFlag, ui->treeCopy->currentItem());
}

void DialogCopyFile::loadFolders() {
    picker.fill(ui->treeCopy->currentItem());
}

void DialogCopyFile::on_treeCopy_itemClicked(QTreeWidgetItem* item, int) {
    picker.click(item, 1);
}

void DialogCopyFile::on_btn_accept_clicked() {
    ui->img_loading->show();
    if (picker.targetLinkcode.isEmpty())
        picker.targetLinkcode = QStringLiteral("0");
    const std::string target = picker.targetLinkcode.toUtf8().toStdString();
    const ServiceCallResult result = callWithReLogin<brisko::file_api>(
        [&](brisko::file_api& api) { return api.copy(linkcodes, target); });
    if (result.ok) {
        emit getlistToReresh(picker.targetLinkcode);
        close();
        ui->img_loading->hide();
        return;
    }
    UserPrompt::current()->critical(this, tr("Lỗi ") + '(' + QString::number(result.code) + ')',
                                    QString::fromStdString(result.message), QMessageBox::Ok);
    ui->img_loading->hide();
}

void DialogCopyFile::on_btn_cancel_clicked() {
    close();
}
