#include "upload/formupload.h"

#include "core/globals.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

FormUpload::FormUpload(QWidget* parent) : QWidget(parent), list(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Tập tin chờ tải lên:"), this));
    layout->addWidget(list);
}

bool FormUpload::isUploading() {
    emit isUploadingSign(false);
    return false;
}

void FormUpload::setUploadThreads(int n) {
    threads = n;
}

bool FormUpload::checkFolderIsUse(QString) {
    return false;
}

void FormUpload::showUploadedTab() {}

QStringList FormUpload::received() const {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

void FormUpload::on_btnStart_clicked() {
    uploadStoppedByUser = false;
}

void FormUpload::auto_upload() {}

void FormUpload::getUploadInforFromDlg(MegaFile folder, QStringList files, QString, QString, bool,
                                       bool) {
    for (const QString& file : files)
        list->addItem(folder.getName() + QStringLiteral(": ") + file);
}
