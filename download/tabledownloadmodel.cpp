#include "download/tabledownloadmodel.h"

#include "core/globals.h"
#include "core/sizetext.h"

#include <QDir>
#include <QPixmap>
#include <QPointer>

namespace {

// How long the destructor waits, in all, for the threads of stopped jobs.
constexpr int kStopWaitMs = 10000;

enum Column {
    ColumnName = 0,
    ColumnSize = 1,
    ColumnStatus = 2,
    ColumnPercent = 3,
    ColumnSpeed = 4,
    ColumnRemaining = 5,
    ColumnPath = 6,
    ColumnSession = 7,
};

QVariant stateIcon(int state) {
    switch (state) {
    case DownloadFile::StateRunning:
        return QPixmap(QStringLiteral(":/images/bt_start.png"));
    case DownloadFile::StateWaiting:
    case DownloadFile::StateStopped:
        return QPixmap(QStringLiteral(":/images/bt_pause.png"));
    case DownloadFile::StateFailed:
    case DownloadFile::StatePassword:
        return QPixmap(QStringLiteral(":/images/erroricon.png"));
    case DownloadFile::StateIdle:
        return QPixmap();
    default:
        return QVariant();
    }
}

} // namespace

TableDownloadModel::TableDownloadModel(QObject* parent) : TransferTableModel(parent) {
    DownloadFile::registerMetaTypes();
}

TableDownloadModel::~TableDownloadModel() {
    stopItem(-1);
    queue.waitForThreads(kStopWaitMs);
}

QVariant TableDownloadModel::display(const DownloadFile* job, int column) const {
    switch (column) {
    case ColumnName:
        return job->getName();
    case ColumnSize:
        return formatSize(job->getSize());
    case ColumnStatus:
        return job->getStatusText();
    case ColumnPercent:
        return transferqueue::percentText(job->progress());
    case ColumnSpeed:
        return formatSpeed(job->speed());
    case ColumnRemaining:
        return job->remainingText();
    case ColumnPath:
        return job->getPath();
    case ColumnSession:
        return job->getSession();
    default:
        return QVariant();
    }
}

QVariant TableDownloadModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !index.model() || index.row() >= queue.jobs.size())
        return QVariant();
    const DownloadFile* job = queue.jobs.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return display(job, index.column());
    case Qt::DecorationRole:
        return index.column() == ColumnStatus ? stateIcon(job->getState()) : QVariant();
    case Qt::ToolTipRole:
        if (index.column() == ColumnName)
            return job->getName();
        if (index.column() == ColumnStatus)
            return job->getStatusText();
        if (index.column() == ColumnPath)
            return job->getPath();
        return QVariant();
    case Qt::BackgroundRole:
        return transferqueue::rowBackground(index.row());
    default:
        return QVariant();
    }
}

void TableDownloadModel::addJob(DownloadFile* job) {
    if (!job || queue.jobs.contains(job))
        return;
    beginInsertRows(QModelIndex(), queue.jobs.size(), queue.jobs.size());
    queue.jobs.append(job);
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

void TableDownloadModel::addJobs(const QList<DownloadFile*>& jobs) {
    for (DownloadFile* job : jobs)
        addJob(job);
}

void TableDownloadModel::markQueued(int row) {
    DownloadFile* job = queue.jobs.at(row);
    if (job->isRunning() || job->getState() == DownloadFile::StateWaiting)
        return;
    job->setStatusText(tr("Queued"));
    job->setState(DownloadFile::StateWaiting);
    downloadChanged(job, DownloadFile::StatusChanged);
    insertPending(row);
}

void TableDownloadModel::queueItem(int row) {
    if (row >= 0 && row < queue.jobs.size()) {
        markQueued(row);
    } else if (row == -1 || row >= queue.jobs.size()) {
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
    if (row >= 0 && row < queue.jobs.size()) {
        DownloadFile* job = queue.jobs.at(row);
        if (job->getState() == DownloadFile::StateWaiting)
            queue.pending.removeAll(job);
        job->stopDownload();
        return;
    }
    queue.stopAll([](DownloadFile* job) { job->stopDownload(); });
}

void TableDownloadModel::downloadChanged(DownloadFile* dfile,
                                         DownloadFile::DownloadFileFlags flagChanged) {
    const int row = queue.jobs.indexOf(dfile);
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
