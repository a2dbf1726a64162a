// The upload tab's side of the history file: what to write, when, and what the user
// hears when it goes wrong.
#include "core/localpaths.h"
#include "core/ruridudi.h"
#include "core/userprompt.h"
#include "ui_formupload.h"
#include "upload/formupload.h"
#include "upload/uploadhistory.h"

QString FormUpload::historyPath() const {
    if (!currentUser)
        return QString();
    return uploadHistoryFilePath(currentUser->getUserId().toLongLong());
}

void FormUpload::saveUploads() {
    historySaver->save();
}

BackgroundSaver::Task FormUpload::saveUploadList(const QList<UploadFile*>& jobs) const {
    return historyfile::saveTask<UploadHistory>(historyPath(), jobs,
                                                currentUser ? currentUser->getEmail() : QString());
}

void FormUpload::waitForSaves() {
    if (!historySaver->flush(BackgroundSaver::kClosingWaitMs))
        qWarning("the upload list is still being written");
}

void FormUpload::reportSave(int result) {
    if (result == int(historyfile::SaveResult::NoRoom))
        UserPrompt::current()->critical(
            this, tr("Lỗi"), tr("Không đủ dung lượng trống để lưu thông tin tải lên"));
    else if (result == int(historyfile::SaveResult::WriteFailed))
        UserPrompt::current()->critical(this, tr("Lỗi"), tr("Lỗi lưu thông tin tải lên"));
}

QList<UploadFile*> FormUpload::loadUploadList() {
    const QString path = historyPath();
    if (path.isEmpty())
        return {};
    const UploadHistory::Loaded loaded =
        UploadHistory::load(path, currentUser ? currentUser->getUserId() : QString());
    if (loaded.broken)
        UserPrompt::current()->critical(
            this, tr("Lỗi thông tin tải lên: ") + loaded.error,
            tr("Danh sách các tập tin tải lên bị lỗi\nVui lòng thêm lại vào danh sách"));
    return loaded.jobs;
}

void FormUpload::placeLoadedUploads(QList<UploadFile*> jobs) {
    for (UploadFile* job : jobs) {
        if (job->isFinished()) {
            uploadedJobs.append(job);
            const int row = ui->tableUploaded->rowCount();
            ui->tableUploaded->insertRow(row);
            fillFinishedRow(row, job);
        } else {
            model->addJob(job);
        }
    }
}
