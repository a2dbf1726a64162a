// The download tab's side of the history file: what to write, when, and what the user
// hears when it goes wrong.
#include "core/localpaths.h"
#include "core/ruridudi.h"
#include "core/userprompt.h"
#include "download/downloadhistory.h"
#include "download/formdownload.h"

QString FormDownload::historyPath() const {
    if (!currentUser)
        return QString();
    return downloadHistoryFilePath(currentUser->getUserId().toLongLong());
}

void FormDownload::saveAllDownloads() {
    historySaver->save();
}

BackgroundSaver::Task FormDownload::saveDownloadList(const QList<DownloadFile*>& jobs) const {
    return historyfile::saveTask<DownloadHistory>(
        historyPath(), jobs, currentUser ? currentUser->getEmail() : QString());
}

void FormDownload::waitForSaves() {
    if (!historySaver->flush(BackgroundSaver::kClosingWaitMs))
        qWarning("the download list is still being written");
}

void FormDownload::reportSave(int result) {
    // Shown on the GUI thread, with no lock held.
    if (result == int(DownloadHistory::SaveResult::NoRoom))
        UserPrompt::current()->critical(
            this, tr("Lỗi"), tr("Không đủ dung lượng trống để lưu danh sách tải xuống"));
    else if (result == int(DownloadHistory::SaveResult::WriteFailed))
        UserPrompt::current()->critical(this, tr("Lỗi"), tr("Lỗi lưu danh sách tải xuống"));
}

QList<DownloadFile*> FormDownload::loadDownloadList() {
    const QString path = historyPath();
    if (path.isEmpty())
        return {};
    const DownloadHistory::Loaded loaded = DownloadHistory::load(path);
    if (loaded.broken)
        UserPrompt::current()->critical(
            this, tr("Lỗi thông tin tải xuống: ") + loaded.error,
            tr("Danh sách các tập tin tải xuống bị lỗi\nVui lòng thêm lại vào danh sách"));
    return loaded.jobs;
}

QList<DownloadFile*> FormDownload::parseDownloadList(QXmlStreamReader& reader) {
    return DownloadHistory::parseDownloadList(reader);
}
