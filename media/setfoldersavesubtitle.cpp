#include "media/setfoldersavesubtitle.h"

#include "core/userprompt.h"
#include "ui_setfoldersavesubtitle.h"

setFolderSaveSubtitle::setFolderSaveSubtitle(QWidget* parent)
    : QDialog(parent), ui(new Ui::setFolderSaveSubtitle) {
    ui->setupUi(this);
    ui->txtPath->setEnabled(false);
}

setFolderSaveSubtitle::~setFolderSaveSubtitle() {
    delete ui;
}

void setFolderSaveSubtitle::on_selectFolder_clicked() {
    chosenFolder = UserPrompt::current()->chooseFolder(
        this, tr("Chọn đường dẫn để lưu tập tin phụ đề tải xuống"), chosenFolder);
    ui->txtPath->setText(chosenFolder);
}

void setFolderSaveSubtitle::on_btn_OKClick_clicked() {
    if (chosenFolder.isEmpty()) {
        UserPrompt::current()->warning(
            this, tr("Thông báo"),
            tr("Bạn vui lòng chọn đường dẫn để lưu tập tin phụ đề tải xuống"), QMessageBox::Ok,
            QMessageBox::NoButton);
        return;
    }
    emit send_SubDowloadFolder(ui->txtPath->text());
    close();
}

void setFolderSaveSubtitle::on_btn_cancelClink_clicked() {
    close();
}
