#include "download/dialogdownload.h"
#include "download/folderquestion.h"

#include "core/actionthread.h"
#include "core/dialogmsg.h"
#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/linkparser.h"
#include "core/userprompt.h"
#include "core/windowshape.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "ui_dialogdownload.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMovie>

#include <algorithm>

namespace {

// The texts of the dialog's message boxes are translated in this context.
QString boxText(const char* text) {
    return QCoreApplication::translate("QApplication", text);
}

// The folder above the one that could not be made, for the failure message.
QString parentShown(const QString& folder) {
    const int separator =
        std::max(folder.lastIndexOf(QLatin1Char('\\')), folder.lastIndexOf(QLatin1Char('/')));
    return separator < 0 ? folder : folder.left(separator);
}

} // namespace

DialogDownload::DialogDownload(QString links, QWidget* parent)
    : QDialog(parent), ui(new Ui::DialogDownload) {
    ui->setupUi(this);
    const SettingsStore settings;
    if (settings.boolean(SettingsKeys::StayOnTop, false))
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    const QString folder = settings.text(SettingsKeys::DownloadDir);
    ui->txt_luu->setText(folder.isEmpty() ? QDir::homePath() : folder);
    auto* loading = new QMovie(QStringLiteral(":/images/load.gif"), QByteArray(), this);
    ui->img_loading->setMovie(loading);
    loading->start();
    ui->img_loading->hide();
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    shapeWindowFromImage(this, QStringLiteral(":/images/popup_download.png"));
    if (links.trimmed().isEmpty())
        links = QApplication::clipboard()->text(QClipboard::Clipboard);
    ui->txt_duongdan->setFocus();
    ui->txt_duongdan->setText(parseShareLinks(links));
    ui->chckDownloadZip->hide();
    ui->btn_ViewOnline->hide();
    ui->prb_getList->hide();
    enableForm();
    if (analytics)
        analytics->sendAppview(QString(), QString(), QStringLiteral("Dialog download"));
}

DialogDownload::~DialogDownload() {
    delete ui;
}

void DialogDownload::setLinks(QString links, bool replace) {
    const QString text = replace ? links : links + QLatin1Char(';') + ui->txt_duongdan->text();
    ui->txt_duongdan->setText(parseShareLinks(text));
}

void DialogDownload::on_txt_duongdan_editingFinished() {
    ui->txt_duongdan->setText(parseShareLinks(ui->txt_duongdan->text()));
}

void DialogDownload::on_btn_chon_clicked() {
    const QString chosen =
        UserPrompt::current()->chooseFolder(this, tr("Chọn thư mục"), ui->txt_luu->text());
    if (!chosen.trimmed().isEmpty())
        ui->txt_luu->setText(chosen);
}

bool DialogDownload::ensureFolder(const QString& folder) {
    // Shown as markup: the folder text must not be taken for any.
    return ensureFolderAsked(
        this, folder,
        boxText(QT_TRANSLATE_NOOP(
                    "QApplication",
                    "Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn <b>%1</b>."))
            .arg(parentShown(ui->txt_luu->text()).toHtmlEscaped()));
}

void DialogDownload::on_btn_download_clicked() {
    if (ui->txt_duongdan->text().trimmed().isEmpty()) {
        UserPrompt::current()->warning(
            this, boxText(QT_TRANSLATE_NOOP("QApplication", "Download")),
            boxText(QT_TRANSLATE_NOOP("QApplication",
                                      "Vui lòng nhập đường dẫn tải xuống của brisko.")));
        ui->txt_duongdan->setFocus();
        return;
    }
    const QString folder = ui->txt_luu->text().trimmed();
    if (folder.isEmpty()) {
        UserPrompt::current()->warning(
            this, boxText(QT_TRANSLATE_NOOP("QApplication", "Folder")),
            boxText(QT_TRANSLATE_NOOP("QApplication", "Vui lòng chọn đường dẫn thư mục!")));
        ui->txt_luu->setFocus();
        return;
    }
    if (!ensureFolder(folder))
        return;
    auto* job = new ActionThread;
    connect(job, &ActionThread::getAllFileSuccess, this, &DialogDownload::getAllFile_success);
    connect(job, &ActionThread::getAllFileError, this, &DialogDownload::getAllFile_error);
    connect(job, &ActionThread::setProgressBar, this, &DialogDownload::setProgressBar);
    job->getAllFile(ui->txt_duongdan->text());
    if (ui->chckUsedAsDefault->isChecked())
        SettingsStore().setValue(SettingsKeys::DownloadDir, ui->txt_luu->text());
}

void DialogDownload::setProgressBar(int value, int max, QString displayString) {
    disableForm();
    ui->lb_displayString->setText(displayString);
    if (max <= 1) {
        ui->prb_getList->hide();
        return;
    }
    ui->prb_getList->show();
    ui->prb_getList->setMaximum(max);
    ui->prb_getList->setValue(value);
}

void DialogDownload::setEnabledFields(bool enabled) {
    ui->txt_duongdan->setEnabled(enabled);
    ui->txt_luu->setEnabled(enabled);
    ui->chckUsedAsDefault->setEnabled(enabled);
    ui->btn_chon->setEnabled(enabled);
    ui->btn_download->setEnabled(enabled);
}

void DialogDownload::disableForm() {
    setEnabledFields(false);
}

void DialogDownload::enableForm() {
    setEnabledFields(true);
}

void DialogDownload::getAllFile_success(QList<brisko::file*> listFile) {
    enableForm();
    sendFileList(listFile);
}

void DialogDownload::getAllFile_error(QString title, QString listLinkErr) {
    enableForm();
    if (listLinkErr.isEmpty())
        return;
    close();
    // This dialog is gone from the screen: the notice opens over what showed it.
    DialogMsg notice(title, listLinkErr, UserPrompt::ownerFor(this));
    notice.exec();
}

void DialogDownload::sendFileList(QList<brisko::file*> listFile) {
    const QString downloadZip =
        ui->chckDownloadZip->isChecked() ? QStringLiteral("true") : QStringLiteral("false");
    const QString dir = QDir(ui->txt_luu->text().trimmed()).path();
    emit send_dir(listFile, downloadZip, dir, QString());
    // The job handed the records over to this dialog; receivers are done with them.
    qDeleteAll(listFile);
    close();
}

void DialogDownload::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void DialogDownload::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void DialogDownload::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
