#include "filemanager/formmanage.h"

#include <QLabel>
#include <QVBoxLayout>

FormManage::FormManage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Thư mục gốc của tài khoản"), this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
}

void FormManage::openFolder(QString, QString) {}

void FormManage::resetToRootFolder() {
    ++resets;
}

void FormManage::setFolderIsUse(bool) {}
