// The user's commands on the download tab: the command strip, the two context menus,
// the double click, and the queue operations behind them.
#include "core/globals.h"
#include "core/queueviewcommands.h"
#include "core/userprompt.h"
#include "download/dialogfileinfo.h"
#include "download/formdownload.h"
#include "ui_formdownload.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QMenu>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

using queueview::addEntry;
using queueview::sorted;

} // namespace

QList<int> FormDownload::selectedRows(const QAbstractItemView* table) const {
    return queueview::selectedRows(table);
}

QMenu* FormDownload::downloadingMenu() {
    if (selectedRows(ui->tableDownloading).isEmpty())
        return nullptr;
    auto* menu = new QMenu;
    addEntry(menu, tr("Tạm dừng"), ":/images/bt_pause.png", this,
             &FormDownload::contextPause_clicked);
    addEntry(menu, tr("Tải tập tin"), ":/images/bt_start.png", this,
             &FormDownload::contextStart_clicked);
    addEntry(menu, tr("Xem video online"), ":/images/bt_start.png", this,
             &FormDownload::viewVideoOnline);
    menu->addSeparator();
    addEntry(menu, tr("Di chuyển lên đầu"), nullptr, this, &FormDownload::contextMoveFirst_clicked);
    addEntry(menu, tr("Di chuyển lên"), ":/images/up.png", this, &FormDownload::contextUp_clicked);
    menu->addSeparator();
    addEntry(menu, tr("Di chuyển xuống"), ":/images/down.png", this,
             &FormDownload::contextDown_clicked);
    addEntry(menu, tr("Di chuyển xuống cuối"), nullptr, this,
             &FormDownload::contextMoveLast_clicked);
    menu->addSeparator();
    addEntry(menu, tr("Xóa"), ":/images/icon_xoa_on.png", this, &FormDownload::on_btnDel_clicked);
    addEntry(menu, tr("Thông tin file"), nullptr, this, &FormDownload::contextProperties_clicked);
    return menu;
}

QMenu* FormDownload::downloadedMenu() {
    if (selectedRows(ui->tableDownloaded).isEmpty())
        return nullptr;
    auto* menu = new QMenu;
    addEntry(menu, tr("Mở tập tin"), ":/images/bt_start.png", this,
             &FormDownload::contextOpenFile_clicked);
    addEntry(menu, tr("Mở thư mục chứa tập tin"), ":/images/folder_qlfile_on.png", this,
             &FormDownload::contextOpenFolder_clicked);
    menu->addSeparator();
    addEntry(menu, tr("Tải lại"), ":/images/bt_down.png", this,
             &FormDownload::contextRedownload_clicked);
    menu->addSeparator();
    addEntry(menu, tr("Xóa"), ":/images/icon_xoa_on.png", this, &FormDownload::on_btnDel_clicked);
    return menu;
}

// The tables report the position in their viewport, below the header.
void FormDownload::on_tableDownloading_customContextMenuRequested(QPoint pos) {
    const std::unique_ptr<QMenu> menu(downloadingMenu());
    if (menu)
        menu->exec(ui->tableDownloading->viewport()->mapToGlobal(pos));
}

void FormDownload::on_tableDownloaded_customContextMenuRequested(QPoint pos) {
    const std::unique_ptr<QMenu> menu(downloadedMenu());
    if (menu)
        menu->exec(ui->tableDownloaded->viewport()->mapToGlobal(pos));
}

void FormDownload::on_btnStart_clicked() {
    sendClick(QStringLiteral("Click"), QStringLiteral("Start download button"));
    downloadStoppedByUser = false;
    if (selectedRows(ui->tableDownloading).isEmpty() && downloadModel->rowCount() > 0)
        ui->tableDownloading->selectRow(0);
    contextStart_clicked();
}

void FormDownload::contextStart_clicked() {
    const QList<int> rows = selectedRows(ui->tableDownloading);
    if (rows.isEmpty()) {
        UserPrompt::current()->information(this, tr("Thông tin"),
                                           tr("Hãy chọn các tập tin để bắt đầu tải xuống"));
        return;
    }
    for (int row : rows)
        downloadModel->queueItem(row);
}

void FormDownload::on_btnStartAll_clicked() {
    if (downloadModel->rowCount() <= 0)
        return;
    sendClick(QStringLiteral("Click"), QStringLiteral("Start all button"));
    downloadStoppedByUser = false;
    downloadModel->queueItem(-1);
}

void FormDownload::on_btnPause_clicked() {
    downloadStoppedByUser = true;
    contextPause_clicked();
}

void FormDownload::contextPause_clicked() {
    const QList<int> rows = selectedRows(ui->tableDownloading);
    if (rows.isEmpty()) {
        UserPrompt::current()->information(this, tr("Thông tin"),
                                           tr("Hãy chọn các tập tin cần tạm dừng tải xuống"));
        return;
    }
    for (int row : rows)
        downloadModel->stopItem(row);
    saveAllDownloads();
}

void FormDownload::on_btnPauseAll_clicked() {
    downloadStoppedByUser = true;
    downloadModel->stopItem(-1);
    saveAllDownloads();
}

bool FormDownload::confirmDelete() {
    return UserPrompt::current()->warning(this, tr("Xác nhận xóa"),
                                          tr("Bạn có chắc muốn xóa tập tin này không?"),
                                          QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void FormDownload::on_btnDel_clicked() {
    const bool queuePage = ui->SubTabDownload->currentIndex() == 1;
    const QAbstractItemView* table =
        queuePage ? static_cast<QAbstractItemView*>(ui->tableDownloading) : ui->tableDownloaded;
    const QList<int> rows = selectedRows(table);
    if (rows.isEmpty()) {
        UserPrompt::current()->warning(this, tr("Thông báo"),
                                       tr("Vui lòng chọn ít nhất một tập tin cần xoá"));
        return;
    }
    const QList<DownloadFile*> jobs = downloadModel->getJobs();
    if (queuePage) {
        for (int row : rows) {
            if (row < jobs.size() && jobs.at(row)->isRunning()) {
                UserPrompt::current()->warning(
                    this, tr("Thông báo"),
                    tr("Bạn phải <b>dừng tải xuống</b> các tập tin đã chọn trước khi xóa"));
                return;
            }
        }
    }
    if (!confirmDelete())
        return;
    if (queuePage) {
        const QList<int> ascending = sorted(rows);
        for (auto row = ascending.crbegin(); row != ascending.crend(); ++row) {
            DownloadFile* job = jobs.value(*row);
            if (job && downloadModel->removeRows(*row, 1, QModelIndex()))
                discard(job);
        }
    } else {
        removeFinishedRows(sorted(rows), true);
    }
    saveAllDownloads();
    emit delCompleted();
}

void FormDownload::removeFinishedRows(QList<int> rows, bool discardJobs) {
    // From the highest row, so that each removal leaves the lower rows in place.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        if (*row < downloadedFiles.size()) {
            DownloadFile* job = downloadedFiles.takeAt(*row);
            if (discardJobs)
                discard(job);
        }
        ui->tableDownloaded->removeRow(*row);
    }
}

void FormDownload::contextRedownload_clicked() {
    const QList<int> rows = selectedRows(ui->tableDownloaded);
    if (rows.isEmpty())
        return;
    const auto answer = UserPrompt::current()->warning(
        this, tr("Xác nhận tải lại"),
        tr("Bạn có chắc muốn tải lại tập tin này không?\nSau khi bạn tải lại nếu tập tin tồn "
           "tại sẽ bị xóa."),
        QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    // Nothing moves, and no file goes, before the deletion from this table is confirmed:
    // a job never stands in both lists.
    if (!confirmDelete())
        return;
    QList<DownloadFile*> jobs;
    for (int row : rows) {
        if (row < downloadedFiles.size())
            jobs << downloadedFiles.at(row);
    }
    removeFinishedRows(sorted(rows), false);
    for (DownloadFile* job : jobs) {
        const QString path = job->getPath();
        if (QFile::exists(path))
            QFile::remove(path);
        job->setFinished(false);
        job->setStatusText(tr("Tải lại"));
        job->setProgress(-1);
        downloadModel->addJob(job);
    }
    saveAllDownloads();
    emit delCompleted();
}

void FormDownload::contextMoveFirst_clicked() {
    sendClick(QStringLiteral("Click context menu"), QStringLiteral("Move first"));
    queueview::moveFirst(ui->tableDownloading, downloadModel);
    saveAllDownloads();
}

void FormDownload::contextMoveLast_clicked() {
    sendClick(QStringLiteral("Click context menu"), QStringLiteral("Move last"));
    queueview::moveLast(ui->tableDownloading, downloadModel);
    saveAllDownloads();
}

void FormDownload::contextUp_clicked() {
    sendClick(QStringLiteral("Click context menu"), QStringLiteral("Move up"));
    queueview::moveUp(ui->tableDownloading, downloadModel);
    saveAllDownloads();
}

void FormDownload::contextDown_clicked() {
    sendClick(QStringLiteral("Click context menu"), QStringLiteral("Move down"));
    queueview::moveDown(ui->tableDownloading, downloadModel);
    saveAllDownloads();
}

void FormDownload::openLocal(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void FormDownload::contextOpenFile_clicked() {
    for (int row : selectedRows(ui->tableDownloaded)) {
        const DownloadFile* job = downloadedFiles.value(row);
        if (!job)
            continue;
        if (QFile::exists(job->getPath()))
            openLocal(job->getPath());
        else
            UserPrompt::current()->critical(this, tr("Lỗi mở tập tin"),
                                            tr("Tập tin bạn chọn không tồn tại"));
    }
}

void FormDownload::contextOpenFolder_clicked() {
    sendClick(QStringLiteral("Click context menu"), QStringLiteral("Open folder"));
    for (int row : selectedRows(ui->tableDownloaded)) {
        const DownloadFile* job = downloadedFiles.value(row);
        if (!job)
            continue;
        const QString folder = job->getPath().remove(QRegularExpression(QStringLiteral("[^/]+$")));
        // A path without a folder part names no folder (not the working one).
        if (!folder.isEmpty() && QDir(folder).exists())
            openLocal(folder);
        else
            UserPrompt::current()->critical(this, tr("Lỗi mở thư mục"),
                                            tr("Thư mục bạn chọn không tồn tại"));
    }
}

void FormDownload::runProperties(const QList<DownloadFile*>& jobs) {
    if (jobs.isEmpty())
        return;
    DialogFileInfo dialog(jobs, this,
                          [this] { return downloadModel->getJobs() + downloadedFiles; });
    if (dialog.exec())
        saveAllDownloads();
}

void FormDownload::contextProperties_clicked() {
    sendClick(QStringLiteral("Click context menu"), QStringLiteral("Show file properties"));
    const QList<DownloadFile*> all = downloadModel->getJobs();
    QList<DownloadFile*> jobs;
    for (int row : selectedRows(ui->tableDownloading)) {
        if (DownloadFile* job = all.value(row))
            jobs << job;
    }
    runProperties(jobs);
}

void FormDownload::on_tableDownloading_doubleClicked(QModelIndex index) {
    if (DownloadFile* job = downloadModel->getJobs().value(index.row()))
        runProperties({job});
}

void FormDownload::resetFilePassWord(QString password) {
    const QList<DownloadFile*> jobs = downloadModel->getJobs();
    for (int row : selectedRows(ui->tableDownloading)) {
        if (DownloadFile* job = jobs.value(row)) {
            job->setPassword(password);
            downloadModel->queueItem(row);
        }
    }
}
