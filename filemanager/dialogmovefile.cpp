#include "filemanager/dialogmovefile.h"

#include "api/fileapi.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/servicecallrunner.h"
#include "core/userprompt.h"
#include "filemanager/dialogcalls.h"
#include "ui_dialogmovefile.h"

#include <QEvent>

#include <utility>

DialogMoveFIle::DialogMoveFIle(std::vector<std::string> codes, QWidget* parent)
    : FramelessPopup(parent), ui(new Ui::DialogMoveFIle), calls(new ServiceCallRunner(this)) {
    ui->setupUi(this);
    linkcodes = std::move(codes);
    picker = std::make_unique<FolderPickTree>(ui->treeFldMove, this, calls, QStringLiteral(";"),
                                              "DialogMoveFIle",
                                              [this](bool busy) { listingBusy(busy); });
    makeFrameless(QStringLiteral(":/images/popup_movefile.png"));
    ui->treeFldMove->setColumnCount(1);
    picker->buildRoot();
    setLoadingAnimation(ui->img_loading);
    ui->img_loading->hide();
    CallWSLoadFolderTree(1);
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog move file"));
}

DialogMoveFIle::~DialogMoveFIle() {
    delete ui;
}

void DialogMoveFIle::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setLoadingAnimation(ui->img_loading);
    }
}

void DialogMoveFIle::CallWSLoadFolderTree(int dirFlag) {
    picker->list(dirFlag, ui->treeFldMove->currentItem());
}

void DialogMoveFIle::loadFoldersQelv() {
    picker->fill(ui->treeFldMove->currentItem());
    enableForm();
}

void DialogMoveFIle::on_treeFldMove_itemClicked(QTreeWidgetItem* item, int) {
    picker->click(item, 1);
    currentPath = picker->selectedFolderPath;
    targetLinkcode = picker->selectedFolderLinkcode;
}

void DialogMoveFIle::disableForm() {
    ui->treeFldMove->setEnabled(false);
    ui->btn_accept->setEnabled(false);
}

void DialogMoveFIle::enableForm() {
    ui->treeFldMove->setEnabled(true);
    ui->btn_accept->setEnabled(true);
}

// "Đồng ý" stays usable while a folder's subfolders load (the target is the folder
// clicked, whatever the listing brings): a press then is kept until the listing is over.
void DialogMoveFIle::listingBusy(bool busy) {
    ui->img_loading->setVisible(busy);
    if (busy)
        return;
    enableForm();
    // A failed listing is told instead; a closed dialog asked for nothing more.
    if (std::exchange(acceptKept, false) && !picker->lastListingFailed && isVisible())
        on_btn_accept_clicked();
}

void DialogMoveFIle::on_btn_accept_clicked() {
    if (picker->isListing()) {
        acceptKept = true;
        ui->img_loading->show();
        ui->btn_accept->setEnabled(false);
        return;
    }
    // The top level is "0" to the service; the choice keeps it for another try.
    if (targetLinkcode.isEmpty())
        targetLinkcode = QStringLiteral("0");
    const std::vector<std::string> items = linkcodes;
    const std::string target = targetLinkcode.toUtf8().toStdString();
    const bool started = calls->call<brisko::file_api>(
        QStringLiteral("move"),
        [items, target](brisko::file_api& api) { return api.move(items, target); },
        [this](const ServiceCallResult& result) {
            if (result.ok)
                moveComplete();
            else
                moveUncomplete(result.code, QString::fromStdString(result.message));
        });
    if (!started)
        return;
    ui->img_loading->show();
    disableForm();
}

void DialogMoveFIle::on_btn_cancel_clicked() {
    close();
}

void DialogMoveFIle::moveComplete() {
    ui->img_loading->hide();
    emit getlistToReresh(targetLinkcode);
    enableForm();
    close();
}

void DialogMoveFIle::moveUncomplete(int errorCode, QString errorMsg) {
    ui->img_loading->hide();
    enableForm();
    // Closed meanwhile, the refusal is told over the window that opened it.
    UserPrompt::current()->critical(resultOwner(this),
                                    tr("Lỗi ") + '(' + QString::number(errorCode) + ')', errorMsg,
                                    QMessageBox::Ok);
}

void DialogMoveFIle::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void DialogMoveFIle::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
