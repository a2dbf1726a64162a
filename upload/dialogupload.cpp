#include "upload/dialogupload.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

DialogUpload::DialogUpload(const QStringList& chosen, QWidget* parent)
    : QDialog(parent), files(new QListWidget(this)), folder(new QLineEdit(this)) {
    setWindowTitle(tr("Tải lên"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Tập tin đã chọn:"), this));
    layout->addWidget(files);
    layout->addWidget(new QLabel(tr("Thư mục trên máy chủ:"), this));
    layout->addWidget(folder);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &DialogUpload::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DialogUpload::reject);
    layout->addWidget(buttons);
    resize(480, 320);
    resetToRootFolder();
    for (const QString& path : chosen)
        addLocalPath(path, false);
}

void DialogUpload::setUploadFolder(const QString& serverFolder) {
    folder->setText(serverFolder);
}

QString DialogUpload::uploadFolder() const {
    return folder->text();
}

void DialogUpload::clearSelectedFiles() {
    files->clear();
}

void DialogUpload::addLocalPath(const QString& path, bool replace) {
    if (replace)
        files->clear();
    const QFileInfo info(path);
    if (!info.isDir()) {
        files->addItem(path);
        return;
    }
    const QFileInfoList entries =
        QDir(path).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries)
        files->addItem(entry.absoluteFilePath());
}

void DialogUpload::resetToRootFolder() {
    if (folder->text().isEmpty())
        folder->setText(QStringLiteral("/"));
}

QStringList DialogUpload::selectedFiles() const {
    QStringList chosen;
    for (int row = 0; row < files->count(); ++row)
        chosen << files->item(row)->text();
    return chosen;
}

void DialogUpload::accept() {
    MegaFile target;
    target.setName(folder->text());
    emit getUploadInfor(target, selectedFiles(), QString(), QString(), false, false);
    QDialog::accept();
}
