#include "media/dialogplayvideo.h"

#include "core/sizetext.h"
#include "download/downloadfile.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DialogPlayVideo::DialogPlayVideo(DownloadFile* job, int row, QWidget* parent)
    : QDialog(parent), row(row) {
    setObjectName(QStringLiteral("DialogPlayVideo"));
    setWindowTitle(tr("Xem video"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(this);
    name->setObjectName(QStringLiteral("lblName"));
    name->setTextFormat(Qt::PlainText);
    if (job)
        name->setText(job->getName() + QStringLiteral(" (") + formatSize(job->getSize()) +
                      QLatin1Char(')'));
    layout->addWidget(name);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* download = buttons->addButton(tr("Tải và xem"), QDialogButtonBox::AcceptRole);
    download->setObjectName(QStringLiteral("btnDownloadView"));
    QPushButton* online = buttons->addButton(tr("Xem online"), QDialogButtonBox::AcceptRole);
    online->setObjectName(QStringLiteral("btnViewOnline"));
    buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);
    connect(download, &QPushButton::clicked, this, [this] {
        emit startDownload(this->row);
        accept();
    });
    connect(online, &QPushButton::clicked, this, [this] {
        emit viewOline();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
