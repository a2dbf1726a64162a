// The main window's intake of links and local files: messages of other copies of the
// program, drops, the clipboard, text files, and the small hand-overs between the tabs.
#include "mainwindow/mainform.h"

#include "core/ganalytics.h"
#include "core/globals.h"
#include "core/linkparser.h"
#include "core/ruridudi.h"
#include "core/userprompt.h"
#include "download/dialogdownload.h"
#include "download/formdownload.h"
#include "upload/dialogupload.h"
#include "filemanager/formmanage.h"
#include "upload/formupload.h"
#include "mainwindow/loginform.h"
#include "platform/hostconfig.h"
#include "platform/systemactions.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QRegExp>
#include <QTextStream>

#include <cstdio>

namespace {

const QLatin1String kLinksPrefix("-d|");

// Every service link of a free text, in the order of the text; a link found twice is
// listed twice (the add-links dialog folds them).
QStringList scanLinks(const QString& text) {
    QRegExp pattern(shareLinkPattern(), Qt::CaseSensitive, QRegExp::RegExp);
    QStringList links;
    int at = 0;
    while ((at = pattern.indexIn(text, at)) != -1) {
        links << pattern.cap(0);
        at += qMax(1, pattern.matchedLength());
    }
    return links;
}

bool holdsLink(const QString& text) {
    return QRegExp(shareLinkPattern(), Qt::CaseSensitive, QRegExp::RegExp).indexIn(text) != -1;
}

// BRISKO_PRINT_MESSAGES=1 also writes the links the add-links dialog shows, so that the
// hand-over from other copies can be watched from outside.
void reportAddLinksDialog(const DialogDownload* dialog) {
    if (!qEnvironmentVariableIsSet("BRISKO_PRINT_MESSAGES") || !dialog)
        return;
    const auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("txt_duongdan"));
    std::printf("add-links dialog: %s\n", field ? field->text().toUtf8().constData() : "");
    std::fflush(stdout);
}

} // namespace

void MainForm::handleMessage(const QString& message) {
    const QString text = message.trimmed();
    if (text.isEmpty())
        return;
    const bool links = text.startsWith(kLinksPrefix);
    const QString items = links ? text.mid(kLinksPrefix.size()) : text;
    if (loginForm->isVisible()) {
        emit needtoShow();
        loginForm->activateWindow();
        loginForm->raise();
    }
    if (!currentUser || loggingOut()) {
        // Handed over right after the next login, or once a logout that failed answered.
        QString& kept = links ? pendingDownloadLinks : pendingUploadFiles;
        kept = kept.trimmed().isEmpty() ? items : kept + QLatin1Char('|') + items;
        return;
    }
    bringForward();
    if (!links) {
        handOverUploadPaths(items);
        return;
    }
    ui->MainTab->setCurrentIndex(1);
    const QString found = parseShareLinks(items);
    if (found.isEmpty())
        return;
    if (dialogDownload && dialogDownload->isVisible()) {
        dialogDownload->setLinks(found, false);
        reportAddLinksDialog(dialogDownload);
        return;
    }
    downloadFiles(found.split(QLatin1Char(';'), Qt::SkipEmptyParts));
}

void MainForm::bringForward() {
    if (trayIcon->isVisible()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        trayIcon->hide();
        emit needtoShow();
        return;
    }
    emit needtoShow();
    raise();
}

void MainForm::handOverUploadPaths(const QString& text) {
    ui->MainTab->setCurrentIndex(0);
    if (!dialogUpload)
        return;
    const bool open = dialogUpload->isVisible();
    if (!open)
        dialogUpload->clearSelectedFiles();
    // One at a time in append mode, so that a folder among them adds its files.
    for (QString path : text.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        dialogUpload->addLocalPath(path, false);
    connect(dialogUpload, &DialogUpload::getUploadInfor, this,
            &MainForm::uploadFileIntoFolderAccept, Qt::UniqueConnection);
    dialogUpload->resetToRootFolder();
    if (!open)
        dialogUpload->exec();
}

void MainForm::downloadFiles(QStringList links) {
    ui->MainTab->setCurrentIndex(1);
    const QString joined = links.join(QLatin1Char(';'));
    if (joined.isEmpty() || !formDownload)
        return;
    QPointer<DialogDownload> dialog = new DialogDownload(joined, this);
    dialogDownload = dialog;
    connect(dialog, SIGNAL(viewVideoOnline()), formDownload, SLOT(viewVideoOnline()));
    connect(dialog, SIGNAL(send_dir(QList<brisko::file*>, QString, QString, QString)), formDownload,
            SLOT(get_dir(QList<brisko::file*>, QString, QString, QString)));
    reportAddLinksDialog(dialog);
    dialog->exec();
    // Made for this one use; a logout meanwhile may have freed it already.
    if (dialog)
        dialog->deleteLater();
}

void MainForm::on_actionPaste_triggered() {
    downloadFiles(scanLinks(QApplication::clipboard()->text(QClipboard::Clipboard)));
}

void MainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (loggingOut())
        return;
    const QMimeData* data = event->mimeData();
    const bool textWithLink =
        data->hasFormat(QStringLiteral("text/plain")) && holdsLink(data->text());
    if (textWithLink || data->hasUrls())
        event->acceptProposedAction();
}

void MainForm::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    bool pathsHandedOver = false;
    if (data->hasUrls()) {
        ui->MainTab->setCurrentIndex(0);
        QStringList paths;
        for (const QUrl& url : data->urls())
            paths << url.toLocalFile().trimmed();
        if (!paths.isEmpty() && !paths.contains(QString())) {
            handleMessage(paths.join(QLatin1Char('|')));
            event->acceptProposedAction();
            pathsHandedOver = true;
        }
    }
    if (!data->hasFormat(QStringLiteral("text/plain")))
        return;
    const QStringList links = scanLinks(data->text());
    // Files dropped from a file manager bring their paths as text too; without a link in
    // it that text is no reason to leave the upload tab.
    if (links.isEmpty() && pathsHandedOver)
        return;
    ui->MainTab->setCurrentIndex(1);
    downloadFiles(links);
    event->acceptProposedAction();
}

void MainForm::on_actionImportFile_triggered() {
    const QString path =
        UserPrompt::current()->openFile(this, tr("Chọn tập tin"), QString(), tr("Txt file(*.txt)"));
    if (path.isEmpty() || !QFile::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    const QStringList links = parseShareLinks(in.readAll()).split(QLatin1Char(';'));
    file.close();
    if (!links.isEmpty())
        downloadFiles(links);
}

void MainForm::uploadFileIntoFolder(QString folder) {
    if (!dialogUpload)
        return;
    dialogUpload->setUploadFolder(folder);
    connect(dialogUpload, &DialogUpload::getUploadInfor, this,
            &MainForm::uploadFileIntoFolderAccept, Qt::UniqueConnection);
    dialogUpload->resetToRootFolder();
    dialogUpload->clearSelectedFiles();
    ui->MainTab->setCurrentIndex(0);
    if (!dialogUpload->isVisible())
        dialogUpload->exec();
}

void MainForm::shortcutTriggerUpload() {
    if (analytics)
        analytics->sendEvent(QStringLiteral("FormManage"), QStringLiteral("Click"),
                             QStringLiteral("Upload folder"), 0);
    uploadFileIntoFolder(QStringLiteral("/"));
}

void MainForm::uploadFileIntoFolderAccept() {
    ui->MainTab->setCurrentIndex(0);
}

void MainForm::uploadIntoFolder(QString folderName, QString fileName) {
    if (formManage)
        formManage->openFolder(folderName, fileName);
    ui->MainTab->setCurrentIndex(2);
}

void MainForm::startUpload() {
    if (formUpload)
        formUpload->on_btnStart_clicked();
    setIconSytemTray();
}

void MainForm::startDownload() {
    rss_startDownload();
}

void MainForm::rss_startDownload() {
    if (formDownload)
        formDownload->on_btnStart_clicked();
    setIconSytemTray();
}

void MainForm::checkFolderIsUse(QString folderName) {
    if (formUpload && formManage)
        formManage->setFolderIsUse(formUpload->checkFolderIsUse(folderName));
}

void MainForm::on_actionH_ng_triggered() {
    platform::openUrl(QStringLiteral("https://www.") + QString::fromStdString(hosts::webHost()) +
                      QStringLiteral("/guide#276"));
}

void MainForm::rssAddDownloadLinks(const QString& links, const QString& downloadFolder,
                                   const QString& password) {
    if (links.trimmed().isEmpty())
        return;
    // Kept for the feed downloads to come; nothing reads them yet.
    bool anyLink = false;
    for (const QString& element : links.split(QLatin1Char(';')))
        anyLink = anyLink || holdsLink(element);
    addDownloadLinks_downloadFolder_param = anyLink ? downloadFolder : QString();
    addDownloadLinks_password_param = anyLink ? password : QString();
}
