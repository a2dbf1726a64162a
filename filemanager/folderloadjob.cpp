#include "filemanager/folderloadjob.h"

#include "core/actionthread.h"

FolderLoadJob* FolderLoadJob::prepare(int dirFlag, const QString& path,
                                      const filetable::RowOptions& options) {
    qRegisterMetaType<FolderListingPtr>("FolderListingPtr");
    auto* job = new FolderLoadJob;
    auto* thread = new ActionThread;
    job->thread = thread;
    job->dirFlag = dirFlag;
    job->path = path;
    // Both run on the job's thread; the signals reach the GUI thread's receivers queued.
    // The job object lives until the thread has finished, so it outlives both.
    connect(
        thread, &ActionThread::loadFolderTreeSuccess, thread,
        [job, options](QList<brisko::file*> records) {
            emit job->listed(makeFolderListing(std::move(records), options));
        },
        Qt::DirectConnection);
    connect(
        thread, &ActionThread::loadFolderTreeError, thread,
        [job](int code, QString message) { emit job->failed(code, message); },
        Qt::DirectConnection);
    connect(thread, &QThread::finished, job, &QObject::deleteLater);
    return job;
}

void FolderLoadJob::start() {
    thread->loadFolderTree(dirFlag, path);
}
