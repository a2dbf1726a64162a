#include "mainwindow/dialogoption.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

DialogOption::DialogOption(int page, QWidget* parent) : QDialog(parent), m_page(page) {
    setWindowTitle(tr("Tùy chỉnh"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Các tùy chọn được lưu trong tệp cấu hình của chương trình."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &DialogOption::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DialogOption::reject);
    layout->addWidget(buttons);
    resize(360, 120);
}

void DialogOption::accept() {
    emit settingChange();
    QDialog::accept();
}
