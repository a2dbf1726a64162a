// The user's commands on the upload tab: the command strip, the two context menus, and
// the queue operations behind them.
#include "core/globals.h"
#include "core/queueviewcommands.h"
#include "core/userprompt.h"
#include "platform/settingskeys.h"
#include "platform/settingsstore.h"
#include "platform/systemactions.h"
#include "ui_formupload.h"
#include "upload/dialogupload.h"
#include "upload/formupload.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QUrl>

#include <memory>

namespace {

using queueview::addEntry;

} // namespace

QList<int> FormUpload::selectedRows(const QAbstractItemView* table) const {
    return queueview::selectedRows(table);
}

QMenu* FormUpload::uploadingMenu() {
    if (selectedRows(ui->tableUploading).isEmpty())
        return nullptr;
    auto* menu = new QMenu;
    addEntry(menu, tr("Tạm dừng"), ":/images/bt_pause.png", this,
             &FormUpload::contextPause_clicked);
    addEntry(menu, tr("Tải lên"), ":/images/bt_start.png", this, &FormUpload::contextStart_clicked);
    menu->addSeparator();
    addEntry(menu, tr("Di chuyển lên đầu"), nullptr, this, &FormUpload::contextMoveFirst_clicked);
    addEntry(menu, tr("Di chuyển lên"), ":/images/up.png", this, &FormUpload::contextUp_clicked);
    menu->addSeparator();
    addEntry(menu, tr("Di chuyển xuống"), ":/images/down.png", this,
             &FormUpload::contextDown_clicked);
    addEntry(menu, tr("Di chuyển xuống cuối"), nullptr, this, &FormUpload::contextMoveLast_clicked);
    menu->addSeparator();
    addEntry(menu, tr("Xóa"), ":/images/icon_xoa_on.png", this, &FormUpload::on_btnDel_clicked);
    return menu;
}

QMenu* FormUpload::uploadedMenu() {
    if (selectedRows(ui->tableUploaded).isEmpty())
        return nullptr;
    auto* menu = new QMenu;
    addEntry(menu, tr("Tải tập tin về máy"), ":/images/bt_down.png", this,
             &FormUpload::contextDownload_clicked);
    addEntry(menu, tr("Copy links"), ":/images/bt_exportfile_on.png", this,
             &FormUpload::contextExportLinks);
    menu->addSeparator();
    addEntry(menu, tr("Xóa"), ":/images/icon_xoa_on.png", this, &FormUpload::on_btnDel_clicked);
    return menu;
}

// The tables report the position in their viewport, below the header.
void FormUpload::on_tableUploading_customContextMenuRequested(QPoint pos) {
    const std::unique_ptr<QMenu> menu(uploadingMenu());
    if (menu)
        menu->exec(ui->tableUploading->viewport()->mapToGlobal(pos));
}

void FormUpload::on_tableUploaded_customContextMenuRequested(QPoint pos) {
    const std::unique_ptr<QMenu> menu(uploadedMenu());
    if (menu)
        menu->exec(ui->tableUploaded->viewport()->mapToGlobal(pos));
}

void FormUpload::on_btnCreate_clicked() {
    sendClick(QStringLiteral("Click"), QStringLiteral("Create upLoad button"));
    uploadDialog->resetToRootFolder();
    uploadDialog->clearSelectedFiles();
    uploadDialog->setCheckZidUdarDirectLink();
    uploadDialog->exec();
}

void FormUpload::on_startAllButton_clicked() {
    if (model->rowCount() <= 0)
        return;
    uploadStoppedByUser = false;
    model->queueItem(-1);
}

void FormUpload::on_btnStart_clicked() {
    uploadStoppedByUser = false;
    if (selectedRows(ui->tableUploading).isEmpty() && model->rowCount() > 0)
        ui->tableUploading->selectRow(0);
    contextStart_clicked();
}

void FormUpload::contextStart_clicked() {
    sendClick(QStringLiteral("Right click menu"), QStringLiteral("Show menu context"));
    const QList<int> rows = selectedRows(ui->tableUploading);
    if (rows.isEmpty()) {
        UserPrompt::current()->information(this, tr("Thông tin"),
                                           tr("Hãy chọn các tập tin để bắt đầu tải lên"));
        return;
    }
    for (int row : rows)
        model->queueItem(row);
}

void FormUpload::auto_upload() {
    if (SettingsStore().boolean(SettingsKeys::AutoUpload, false))
        model->queueItem(-1);
}

void FormUpload::on_btnPause_clicked() {
    uploadStoppedByUser = true;
    contextPause_clicked();
}

void FormUpload::contextPause_clicked() {
    const QList<int> rows = selectedRows(ui->tableUploading);
    if (rows.isEmpty()) {
        UserPrompt::current()->information(this, tr("Thông tin"),
                                           tr("Hãy chọn các file cần tạm dừng tải lên"));
        return;
    }
    for (int row : rows)
        model->stopItem(row);
    saveUploads();
}

void FormUpload::on_pauseAllButton_clicked() {
    uploadStoppedByUser = true;
    model->stopItem(-1);
    saveUploads();
}

void FormUpload::on_btnDel_clicked() {
    const bool queuePage = ui->SubTabUpload->currentIndex() != 0;
    const QAbstractItemView* table =
        queuePage ? static_cast<QAbstractItemView*>(ui->tableUploading) : ui->tableUploaded;
    const QList<int> rows = selectedRows(table);
    if (rows.isEmpty()) {
        UserPrompt::current()->warning(this, tr("Thông báo"),
                                       tr("Vui lòng chọn ít nhất một tập tin cần xoá "));
        emit delCompleted();
        return;
    }
    if (queuePage) {
        const QList<UploadFile*> jobs = model->getJobs();
        for (int row : rows) {
            if (row < jobs.size() && jobs.at(row)->isRunning()) {
                UserPrompt::current()->warning(
                    this, tr("Thông báo"),
                    tr("Bạn phải <b>dừng tải lên</b> các tập tin đã chọn trước khi xóa"));
                return;
            }
        }
    }
    const auto answer = UserPrompt::current()->warning(
        this, tr("Xác nhận xóa"), tr("Bạn có chắc muốn xóa tập tin này không?"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) {
        // The page may have changed while the box was open: the rows go from the table
        // they were chosen in.
        if (queuePage)
            removeQueueRows(queueview::sorted(rows));
        else
            removeFinishedRows(queueview::sorted(rows));
        saveUploads();
    }
    emit delCompleted();
}

void FormUpload::removeQueueRows(const QList<int>& rows) {
    // From the highest row, so that each removal leaves the lower rows in place.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        UploadFile* job = model->getJobs().value(*row);
        if (job && model->removeRows(*row, 1, QModelIndex()))
            discard(job);
    }
}

void FormUpload::removeFinishedRows(const QList<int>& rows) {
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        if (*row < uploadedJobs.size())
            discard(uploadedJobs.takeAt(*row));
        ui->tableUploaded->removeRow(*row);
    }
}

void FormUpload::contextMoveFirst_clicked() {
    sendClick(QStringLiteral("Click menu context"), QStringLiteral("Move first"));
    queueview::moveFirst(ui->tableUploading, model);
    saveUploads();
}

void FormUpload::contextMoveLast_clicked() {
    sendClick(QStringLiteral("Click menu context"), QStringLiteral("Move last"));
    queueview::moveLast(ui->tableUploading, model);
    saveUploads();
}

void FormUpload::contextUp_clicked() {
    sendClick(QStringLiteral("Click menu context"), QStringLiteral("Move up"));
    queueview::moveUp(ui->tableUploading, model);
    saveUploads();
}

void FormUpload::contextDown_clicked() {
    sendClick(QStringLiteral("Click menu context"), QStringLiteral("Move down"));
    queueview::moveDown(ui->tableUploading, model);
    saveUploads();
}

QStringList FormUpload::selectedLinks() const {
    QStringList links;
    for (int row : selectedRows(ui->tableUploaded)) {
        const QTableWidgetItem* item = ui->tableUploaded->item(row, 2);
        links << (item ? item->text() : QString());
    }
    return links;
}

void FormUpload::contextExportLinks() {
    sendClick(QStringLiteral("Click menu context"), QStringLiteral("Export links"));
    QString text;
    for (const QString& link : selectedLinks())
        text += link + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void FormUpload::contextDownload_clicked() {
    sendClick(QStringLiteral("Click menu context"), QStringLiteral("Download"));
    emit downloadFile(selectedLinks());
}

void FormUpload::contextOpenFile_clicked() {
    for (int row : selectedRows(ui->tableUploaded)) {
        const UploadFile* job = uploadedJobs.value(row);
        if (!job)
            continue;
        const QString path = job->getPath();
        if (QFile::exists(path))
            platform::openUrl(QUrl::fromLocalFile(path).toString());
        else
            UserPrompt::current()->critical(this, tr("Lỗi mở tập tin"),
                                            tr("Tập tin bạn chọn không tồn tại"));
    }
}

void FormUpload::contextOpenFolder_clicked() {
    for (int row : selectedRows(ui->tableUploaded)) {
        if (const UploadFile* job = uploadedJobs.value(row))
            emit uploadIntoFolder(job->getFolder().getName(), job->getName());
    }
}
