#include "filemanager/dialogmovefile.h"

#include "core/actionthread.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/userprompt.h"
#include "ui_dialogmovefile.h"

#include <QEvent>

DialogMoveFIle::DialogMoveFIle(std::vector<std::string> codes, QWidget* parent)
    : FramelessPopup(parent), ui(new Ui::DialogMoveFIle),
      picker(nullptr, this, QStringLiteral(";"), "DialogMoveFIle") {
    ui->setupUi(this);
    linkcodes = std::move(codes);
    picker = FolderPickTree(ui->treeFldMove, this, QStringLiteral(";"), "DialogMoveFIle",
                            [this](bool busy) { busy ? disableForm() : enableForm(); });
    makeFrameless(QStringLiteral(":/images/popup_movefile.png"));
    ui->treeFldMove->setColumnCount(1);
    picker.buildRoot();
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
    picker.list(dirFlag, ui->treeFldMove->currentItem());
}

void DialogMoveFIle::loadFoldersQelv() {
    picker.fill(ui->treeFldMove->currentItem());
    enableForm();
}

void DialogMoveFIle::on_treeFldMove_itemClicked(QTreeWidgetItem* item, int) {
    picker.click(item, 1);
}

void DialogMoveFIle::disableForm() {
    ui->treeFldMove->setEnabled(false);
    ui->btn_accept->setEnabled(false);
}

void DialogMoveFIle::enableForm() {
    ui->treeFldMove->setEnabled(true);
    ui->btn_accept->setEnabled(true);
}

void DialogMoveFIle::on_btn_accept_clicked() {
    if (picker.targetLinkcode.isEmpty())
        picker.targetLinkcode = QStringLiteral("0");
    ui->img_loading->show();
    auto* job = new ActionThread;
    connect(job, &ActionThread::moveSuccess, this, &DialogMoveFIle::moveComplete);
    connect(job, &ActionThread::moveError, this, &DialogMoveFIle::moveUncomplete);
    job->moveFiles(linkcodes, picker.targetLinkcode);
    disableForm();
}

void DialogMoveFIle::on_btn_cancel_clicked() {
    close();
}

void DialogMoveFIle::moveComplete() {
    ui->img_loading->hide();
    emit getlistToReresh(picker.targetLinkcode);
    enableForm();
    close();
}

void DialogMoveFIle::moveUncomplete(int errorCode, QString errorMsg) {
    ui->img_loading->hide();
    enableForm();
    UserPrompt::current()->critical(this, tr("Lỗi ") + '(' + QString::number(errorCode) + ')',
                                    errorMsg, QMessageBox::Ok);
}
