#include "download/tabledownloadmodel.h"

#include "core/globals.h"

#include <QDir>
#include <QPointer>

namespace {

// The download's own columns, after the shared ones.
enum Column {
    ColumnPath = 6,
    ColumnSession = 7,
    ColumnCount = 8,
};

} // namespace

TableDownloadModel::TableDownloadModel(QObject* parent) : TransferTableModel(parent) {
    DownloadFile::registerMetaTypes();
}

TableDownloadModel::~TableDownloadModel() {
    stopAllAndWait();
}

int TableDownloadModel::dataColumns() const {
    return ColumnCount;
}

QVariant TableDownloadModel::ownColumn(const DownloadFile* job, int column, int role) const {
    if (column == ColumnPath)
        return job->getPath();
    if (column == ColumnSession && role == Qt::DisplayRole)
        return job->getSession();
    return QVariant();
}

void TableDownloadModel::addJob(DownloadFile* job) {
    if (!job || queue.allJobs.contains(job))
        return;
    beginInsertRows(QModelIndex(), queue.allJobs.size(), queue.allJobs.size());
    queue.allJobs.append(job);
    endInsertRows();
    // A job that comes back (re-downloaded) must not be connected twice.
    disconnect(job, nullptr, this, nullptr);
    connect(job, &DownloadFile::dataChanged, this, &TableDownloadModel::downloadChanged);
    // The release of a job that is freed before it arrives is dropped.
    const QPointer<DownloadFile> guarded(job);
    connect(job, &DownloadFile::taskDownloadDone, this, [this, guarded] {
        if (guarded)
            placeReturned(guarded);
        runningQueue();
    });
    connect(job, &QObject::destroyed, this, [this, job] { forget(job); });
}

void TableDownloadModel::markQueued(int row) {
    DownloadFile* job = queue.allJobs.at(row);
    if (job->isRunning() || job->getState() == DownloadFile::StateWaiting)
        return;
    job->setStatusText(tr("Queued"));
    job->setState(DownloadFile::StateWaiting);
    downloadChanged(job, DownloadFile::StatusChanged);
    insertPending(row);
}

void TableDownloadModel::queueItem(int row) {
    if (row >= 0 && row < queue.allJobs.size()) {
        markQueued(row);
    } else if (row == -1 || row >= queue.allJobs.size()) {
        queue.queueAll([this](int at) { markQueued(at); });
    }
    if (queue.running.size() < maxRunning)
        runningQueue();
}

void TableDownloadModel::runningQueue() {
    queue.rounds.run([this] {
        queue.startPending(
            maxRunning, downloadStoppedByUser, [](DownloadFile* job) { job->startDownload(); },
            [this] { emit queueDownloadComplete(); });
    });
}

void TableDownloadModel::taskDownloadDone() {
    placeReturned(qobject_cast<DownloadFile*>(sender()));
    runningQueue();
}

void TableDownloadModel::placeReturned(DownloadFile* job) {
    // Only a job's first release of its current start frees a place; later ones, and
    // late ones of an earlier start, are ignored.
    if (job && job->hasReleasedPlace())
        queue.running.remove(job);
}

void TableDownloadModel::stopItem(int row) {
    if (row < -1)
        return;
    if (row >= 0 && row < queue.allJobs.size()) {
        DownloadFile* job = queue.allJobs.at(row);
        if (job->getState() == DownloadFile::StateWaiting)
            queue.pendingJobs.removeAll(job);
        job->stopDownload();
        return;
    }
    queue.stopAll([](DownloadFile* job) { job->stopDownload(); });
}

void TableDownloadModel::downloadChanged(DownloadFile* dfile,
                                         DownloadFile::DownloadFileFlags flagChanged) {
    const int row = queue.allJobs.indexOf(dfile);
    if (row < 0)
        return;
    queue.noteSpeed(dfile);
    int column = -1;
    switch (flagChanged) {
    case DownloadFile::StatusChanged:
        column = ColumnStatus;
        break;
    case DownloadFile::ProgressChanged:
        column = ColumnPercent;
        playWhenReady(dfile);
        break;
    case DownloadFile::SpeedChanged:
        column = ColumnSpeed;
        emit speedChanged(queue.totalSpeed());
        break;
    case DownloadFile::RemainingChanged:
        column = ColumnRemaining;
        break;
    case DownloadFile::DownloadDone:
        // The finished job leaves the queue now, even while its thread is still
        // ending, so it stands in exactly one list once the owner takes it over.
        removeJobRows(row, 1);
        queue.noteFinished();
        emit downloadComplete(dfile);
        emit layoutAboutToBeChanged();
        emit layoutChanged();
        emit downloadCompleteRC(row);
        return;
    }
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell);
    emit dataChangedRC(row);
}

void TableDownloadModel::playWhenReady(DownloadFile* job) {
    if (!playbackPending || job->getPath() != playbackWaitPath || job->progress() < 0.01)
        return;
    playbackPending = false;
    const QString media =
        playbackUseMedia ? playbackMedia : QDir::toNativeSeparators(playbackWaitPath);
    playbackPlayer.startPlayer(media, QString());
}
