#include "media/popup_rss_setdownloadfolder.h"

#include "core/userprompt.h"
#include "ui_popup_rss_setdownloadfolder.h"

Popup_rss_SetDownloadFolder::Popup_rss_SetDownloadFolder(const QString& categoryName,
                                                         QWidget* parent)
    : QDialog(parent), ui(new Ui::Popup_rss_SetDownloadFolder) {
    ui->setupUi(this);
    ui->rssCategory->setText(categoryName);
    ui->txtPath->setEnabled(false);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
}

Popup_rss_SetDownloadFolder::~Popup_rss_SetDownloadFolder() {
    delete ui;
}

void Popup_rss_SetDownloadFolder::on_selectFolder_clicked() {
    downloadFolder = UserPrompt::current()->chooseFolder(this, tr("Chọn thư mục tải xuống"),
                                                         ui->txtPath->text());
    if (!downloadFolder.trimmed().isEmpty())
        ui->txtPath->setText(downloadFolder);
}

void Popup_rss_SetDownloadFolder::on_pushButton_clicked() {
    if (downloadFolder.isEmpty()) {
        UserPrompt::current()->warning(this, tr("Thông báo"),
                                       tr("Bạn vui lòng chọn đường dẫn để lưu tập tin tải xuống"),
                                       QMessageBox::Ok, QMessageBox::NoButton);
        return;
    }
    emit send_downloadFolder(downloadFolder);
    close();
}

void Popup_rss_SetDownloadFolder::on_pushButton_2_clicked() {
    close();
}

void Popup_rss_SetDownloadFolder::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void Popup_rss_SetDownloadFolder::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
