#include "download/dialogfileinfo.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

DialogFileInfo::DialogFileInfo(QList<DownloadFile*> jobs, QWidget* parent)
    : QDialog(parent), jobs(jobs) {
    setObjectName(QStringLiteral("DialogFileInfo"));
    auto* layout = new QVBoxLayout(this);
    auto* names = new QLabel(this);
    QStringList lines;
    for (const DownloadFile* job : jobs)
        lines << job->getName();
    names->setText(lines.join(QLatin1Char('\n')));
    names->setTextFormat(Qt::PlainText);
    layout->addWidget(names);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    layout->addWidget(buttonBox);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);
}

DialogFileInfo::~DialogFileInfo() = default;

void DialogFileInfo::on_buttonBox_accepted() {
    accept();
}

void DialogFileInfo::on_btn_browser_clicked() {}

void DialogFileInfo::info_changed() {}
