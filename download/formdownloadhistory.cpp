// The download tab's side of the history file: what to write, when, and what the user
// hears when it goes wrong.
#include "core/localpaths.h"
#include "core/ruridudi.h"
#include "core/userprompt.h"
#include "download/downloadhistory.h"
#include "download/formdownload.h"

#include <QMutexLocker>

QString FormDownload::historyPath() const {
    if (!currentUser)
        return QString();
    return downloadHistoryFilePath(currentUser->getUserId().toLongLong());
}

void FormDownload::saveAllDownloads() {
    QList<DownloadFile*> jobs;
    jobs += downloadModel->getJobs();
    jobs += downloadedFiles;
    saveDownloadList(jobs);
}

void FormDownload::saveDownloadList(QList<DownloadFile*> jobs) {
    // Asked again from the event loop of a box that a save shows: that save runs once
    // more when it is done, with the lists as they are then.
    bool first = true;
    saveRounds.run([&] {
        if (!first)
            jobs = downloadModel->getJobs() + downloadedFiles;
        first = false;
        const QString path = historyPath();
        if (path.isEmpty())
            return;
        DownloadHistory::SaveResult result;
        {
            QMutexLocker lock(&listMutex);
            const QString user = currentUser ? currentUser->getEmail() : QString();
            result = DownloadHistory::write(path, DownloadHistory::document(jobs, user));
        }
        // No lock is held while a box is open.
        if (result == DownloadHistory::SaveResult::NoRoom)
            UserPrompt::current()->critical(
                this, tr("Lỗi"), tr("Không đủ dung lượng trống để lưu danh sách tải xuống"));
        else if (result == DownloadHistory::SaveResult::WriteFailed)
            UserPrompt::current()->critical(this, tr("Lỗi"), tr("Lỗi lưu danh sách tải xuống"));
    });
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
