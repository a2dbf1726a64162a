// The upload tab's side of the history file: what to write, when, and what the user
// hears when it goes wrong.
#include "core/localpaths.h"
#include "core/ruridudi.h"
#include "core/userprompt.h"
#include "ui_formupload.h"
#include "upload/formupload.h"
#include "upload/uploadhistory.h"

#include <QMutexLocker>

QString FormUpload::historyPath() const {
    if (!currentUser)
        return QString();
    return uploadHistoryFilePath(currentUser->getUserId().toLongLong());
}

void FormUpload::saveUploads() {
    saveUploadList(model->getJobs() + uploadedJobs);
}

void FormUpload::saveUploadList(QList<UploadFile*> jobs) {
    // Asked again from the event loop of a box that a save shows: that save runs once
    // more when it is done, with the lists as they are then.
    bool first = true;
    saveRounds.run([&] {
        if (!first)
            jobs = model->getJobs() + uploadedJobs;
        first = false;
        const QString path = historyPath();
        if (path.isEmpty())
            return;
        historyfile::SaveResult result;
        {
            QMutexLocker lock(&historyMutex);
            const QString user = currentUser ? currentUser->getEmail() : QString();
            result = UploadHistory::write(path, UploadHistory::document(jobs, user));
        }
        // No lock is held while a box is open; a tab being torn down shows none.
        if (tearingDown)
            return;
        if (result == historyfile::SaveResult::NoRoom)
            UserPrompt::current()->critical(
                this, tr("Lỗi"), tr("Không đủ dung lượng trống để lưu thông tin tải lên"));
        else if (result == historyfile::SaveResult::WriteFailed)
            UserPrompt::current()->critical(this, tr("Lỗi"), tr("Lỗi lưu thông tin tải lên"));
    });
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

QList<UploadFile*> FormUpload::parseFolder(QXmlStreamReader& reader) {
    UploadFile* job =
        UploadHistory::parseFolder(reader, currentUser ? currentUser->getUserId() : QString());
    return job ? QList<UploadFile*>{job} : QList<UploadFile*>();
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
