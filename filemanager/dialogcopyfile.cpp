#include "filemanager/dialogcopyfile.h"

#include "api/fileapi.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "filemanager/dialogcalls.h"
#include "ui_dialogcopyfile.h"

#include <QEvent>

DialogCopyFile::DialogCopyFile(std::vector<std::string> codes, QWidget* parent)
    : FramelessPopup(parent), ui(new Ui::DialogCopyFile), calls(new ServiceCallRunner(this)) {
    ui->setupUi(this);
    linkcodes = std::move(codes);
    picker =
        std::make_unique<FolderPickTree>(ui->treeCopy, this, calls, QString(), "DialogCopyFile",
                                         [this](bool busy) { ui->img_loading->setVisible(busy); });
    makeFrameless(QStringLiteral(":/images/popup_movefile.png"));
    picker->buildRoot();
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
    picker->list(dirFlag, ui->treeCopy->currentItem());
}

void DialogCopyFile::loadFolders() {
    picker->fill(ui->treeCopy->currentItem());
}

void DialogCopyFile::on_treeCopy_itemClicked(QTreeWidgetItem* item, int) {
    picker->click(item, 1);
    currentPath = picker->selectedFolderPath;
    targetLinkcode = picker->selectedFolderLinkcode;
}

void DialogCopyFile::on_btn_accept_clicked() {
    // The top level is "0" to the service; the choice keeps it for another try.
    if (targetLinkcode.isEmpty())
        targetLinkcode = QStringLiteral("0");
    const std::vector<std::string> items = linkcodes;
    const QString targetCode = targetLinkcode;
    const std::string target = targetCode.toUtf8().toStdString();
    const bool started = calls->call<brisko::file_api>(
        QStringLiteral("copy"),
        [items, target](brisko::file_api& api) { return api.copy(items, target); },
        [this, targetCode](const ServiceCallResult& result) {
            setCopying(false);
            if (result.ok) {
                emit getlistToReresh(targetCode);
                close();
                return;
            }
            // Closed meanwhile, the refusal is told over the window that opened it.
            UserPrompt::current()->critical(
                resultOwner(this), tr("Lỗi ") + '(' + QString::number(result.code) + ')',
                QString::fromStdString(result.message), QMessageBox::Ok);
        });
    if (started)
        setCopying(true);
}

void DialogCopyFile::setCopying(bool copying) {
    // One copy at a time, to the folder it was asked for.
    ui->img_loading->setVisible(copying);
    ui->btn_accept->setEnabled(!copying);
    ui->treeCopy->setEnabled(!copying);
}

void DialogCopyFile::on_btn_cancel_clicked() {
    close();
}

void DialogCopyFile::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void DialogCopyFile::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
