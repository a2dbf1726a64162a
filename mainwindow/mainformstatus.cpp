// The main window's view of the two transfer queues: speed labels, the tray icon's
// picture, tray notices, the download statistics and the power-off after a queue ran
// empty.
#include "mainwindow/mainform.h"

#include "core/briskologger.h"
#include "core/globals.h"
#include "core/ruridudi.h"
#include "core/sizetext.h"
#include "download/downloadfile.h"
#include "download/formdownload.h"
#include "mainwindow/dialogturnoff.h"
#include "upload/formupload.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/systemactions.h"
#include "ui_mainform.h"
#include "upload/uploadfile.h"

#include <limits>

namespace {

constexpr int kNoticeMs = 5000;

} // namespace

void MainForm::setIconSytemTray() {
    QString image = QStringLiteral(":/images/brisko_icon_128.png");
    if (formDownload && formUpload) {
        // Each question also makes its tab report an idle queue, which zeroes its label.
        if (formDownload->isDownloading() && formUpload->isUploading())
            image = QStringLiteral(":/images/icon_brisko_20x20_upndown.png");
        else if (formDownload->isDownloading())
            image = QStringLiteral(":/images/icon_brisko_20x20_down.png");
        else if (formUpload->isUploading())
            image = QStringLiteral(":/images/icon_brisko_20x20_up.png");
    }
    trayIcon->setIcon(QIcon(image));
}

void MainForm::updateStatusLabels(double downloadSpeed, double uploadSpeed) {
    if (downloadSpeed >= 0) {
        shownDownloadSpeed = downloadSpeed;
        ui->labelDownloadSpeed->setText(tr("Tải xuống: %1").arg(formatSpeed(downloadSpeed)));
    }
    if (uploadSpeed >= 0) {
        shownUploadSpeed = uploadSpeed;
        ui->labelUploadSpeed->setText(tr("Tải lên: %1").arg(formatSpeed(uploadSpeed)));
    }
}

void MainForm::updateDownloadSpeed(double fSpeed) {
    const double limit = std::numeric_limits<int>::max();
    // The statistics carry the last speed measured while bytes moved: the zero that a
    // finishing download reports just before it is counted must not replace it.
    if (fSpeed > 0)
        lastDownloadSpeed = int(fSpeed < limit ? fSpeed : limit);
    updateStatusLabels(fSpeed, -1);
}

void MainForm::updateUploadSpeed(double fSpeed) {
    updateStatusLabels(-1, fSpeed);
}

void MainForm::isDownloadingSign(bool isdownload) {
    if (!isdownload)
        updateStatusLabels(0, -1);
}

void MainForm::isUploadingSign(bool isupload) {
    if (!isupload)
        updateStatusLabels(-1, 0);
}

void MainForm::fileDownloadComplete(DownloadFile* job) {
    if (trayIcon->isVisible() && job)
        trayIcon->showMessage(tr("Tiến trình tải xuống"), tr("Hoàn thành: ") + job->getName(),
                              QSystemTrayIcon::Information, kNoticeMs);
    // The finished job no longer runs, but it counts.
    sendDownloadStatistics((formDownload ? formDownload->countRunningDownloads() : 0) + 1);
    updateStatusLabels(0, -1);
}

void MainForm::fileUploadComplete(UploadFile* job) {
    if (trayIcon->isVisible() && job)
        trayIcon->showMessage(tr("Tiến trình tải lên"), tr("Hoàn thành: ") + job->getName(),
                              QSystemTrayIcon::Information, kNoticeMs);
    updateStatusLabels(-1, 0);
    if (formUpload)
        formUpload->showUploadedTab();
}

void MainForm::startSendLogDownload() {
    if (!formDownload)
        return;
    const int running = formDownload->countRunningDownloads();
    if (running == 0) {
        lastDownloadSpeed = 0;
        return;
    }
    sendDownloadStatistics(running);
}

void MainForm::sendDownloadStatistics(int concurrent) {
    if (!statisticsLogger || !currentUser)
        return;
    statisticsLogger->log(currentUser->getUserId().toInt(), currentUser->getLevel(), false,
                          lastDownloadSpeed, concurrent);
}

void MainForm::signal_Shutdown() {
    const SettingsStore settings;
    const bool afterUploads = settings.boolean(SettingsKeys::UploadAutoShutdown);
    // The download side's key is read in another spelling; the store ignores case.
    const bool afterDownloads = settings.boolean(QStringLiteral("download_auto_shutdown"));
    if (!afterUploads && !afterDownloads)
        return;
    if ((afterUploads && uploadStoppedByUser) || (afterDownloads && downloadStoppedByUser))
        return;
    if (afterUploads && formUpload && formUpload->isUploading())
        return;
    if (afterDownloads && formDownload && formDownload->isDownloading())
        return;
    // Both queues may run empty while one countdown is already on screen.
    if (turnOffDialog)
        return;
    QPointer<DialogTurnOff> dialog = new DialogTurnOff(this);
    turnOffDialog = dialog;
    dialog->activateWindow();
    const int result = dialog->exec();
    // Only a countdown that ran out powers off; a dialog torn down with the window does not.
    const bool ranOut = dialog && dialog->countdownRanOut();
    delete dialog.data();
    if (result == QDialog::Rejected && ranOut)
        shutdownWindows();
}

bool MainForm::shutdownWindows() {
    // What a power-off would lose is written first.
    if (formDownload) {
        formDownload->saveAllDownloads();
        formDownload->waitForSaves();
    }
    if (formUpload) {
        formUpload->saveUploads();
        formUpload->waitForSaves();
    }
    QString error;
    if (!SettingsStore().sync(&error))
        qWarning("the settings could not be written: %s", qUtf8Printable(error));
    return platform::systemActions().requestPowerOff();
}
