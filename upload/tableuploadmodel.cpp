#include "upload/tableuploadmodel.h"

#include "core/globals.h"
#include "core/sizetext.h"

#include <QPixmap>

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
    ColumnFolder = 6,
};

QVariant stateIcon(int state) {
    switch (state) {
    case UploadFile::StateRunning:
        return QPixmap(QStringLiteral(":/images/bt_start.png"));
    case UploadFile::StateQueued:
    case UploadFile::StateStopped:
        return QPixmap(QStringLiteral(":/images/bt_pause.png"));
    case UploadFile::StateFailed:
        return QPixmap(QStringLiteral(":/images/erroricon.png"));
    case UploadFile::StateIdle:
        return QPixmap();
    default:
        return QVariant();
    }
}

} // namespace

TableUploadModel::TableUploadModel(QObject* parent) : TransferTableModel(parent) {
    UploadFile::registerMetaTypes();
}

TableUploadModel::~TableUploadModel() {
    stopItem(-1);
    queue.waitForThreads(kStopWaitMs);
}

QVariant TableUploadModel::display(const UploadFile* job, int column) const {
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
    case ColumnFolder:
        return job->getFolder().getName();
    default:
        return QVariant();
    }
}

QVariant TableUploadModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !queue.holds(index.row()) || index.column() > ColumnFolder)
        return QVariant();
    const UploadFile* job = queue.jobs.at(index.row());
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
        if (index.column() == ColumnFolder)
            return job->getFolder().getName();
        return QVariant();
    case Qt::BackgroundRole:
        return transferqueue::rowBackground(index.row());
    default:
        return QVariant();
    }
}

void TableUploadModel::addJob(UploadFile* job) {
    if (!job || queue.jobs.contains(job))
        return;
    beginInsertRows(QModelIndex(), queue.size(), queue.size());
    UploadFile::registerMetaTypes();
    queue.jobs.append(job);
    connect(job, &UploadFile::dataChanged, this, &TableUploadModel::uploadChanged);
    connect(job, &UploadFile::taskUploadDone, this, &TableUploadModel::taskUploadDone);
    connect(job, &UploadFile::locationObtained, this, &TableUploadModel::locationObtained);
    connect(job, &QObject::destroyed, this, [this, job] { forget(job); });
    endInsertRows();
}

void TableUploadModel::addJobs(const QList<UploadFile*>& jobs) {
    for (UploadFile* job : jobs)
        addJob(job);
}

void TableUploadModel::runNext() {
    queue.rounds.run([this] {
        queue.startPending(
            maxRunning, uploadStoppedByUser, [](UploadFile* job) { job->startUpload(); },
            [this] { emit queueUploadComplete(); });
    });
}

void TableUploadModel::taskUploadDone() {
    // Only the pointer is used: a job is freed only after its end was delivered.
    queue.running.remove(static_cast<UploadFile*>(sender()));
    runNext();
}

void TableUploadModel::markQueued(int row) {
    UploadFile* job = queue.jobs.at(row);
    if (job->isRunning() || job->getState() == UploadFile::StateQueued)
        return;
    job->setStatusText(tr("Queued"));
    job->setState(UploadFile::StateQueued);
    uploadChanged(job, UploadFile::StatusChanged);
    insertPending(row);
}

void TableUploadModel::queueItem(int row) {
    if (queue.holds(row)) {
        markQueued(row);
    } else if (row == -1 || row >= queue.size()) {
        queue.queueAll([this](int at) { markQueued(at); });
    }
    if (queue.running.size() < maxRunning)
        runNext();
}

void TableUploadModel::stopItem(int row) {
    if (row < -1)
        return;
    if (queue.holds(row)) {
        UploadFile* job = queue.jobs.at(row);
        if (job->getState() == UploadFile::StateQueued)
            queue.pending.removeAll(job);
        job->stopUpload();
        return;
    }
    queue.stopAll([](UploadFile* job) { job->stopUpload(); });
}

void TableUploadModel::emitCell(int row, int column) {
    // A job that left the table has no cell to refresh.
    const QModelIndex cell = index(row, column);
    if (cell.isValid())
        emit dataChanged(cell, cell);
}

void TableUploadModel::uploadChanged(UploadFile* cfile, UploadFile::UploadFileFlags flagChanged) {
    const int row = queue.jobs.indexOf(cfile);
    if (row >= 0)
        queue.noteSpeed(cfile);
    switch (flagChanged) {
    case UploadFile::StatusChanged:
        emitCell(row, ColumnStatus);
        break;
    case UploadFile::ProgressChanged:
        emitCell(row, ColumnPercent);
        break;
    case UploadFile::SpeedChanged: {
        emit speedChanged(queue.totalSpeed());
        emitCell(row, ColumnSpeed);
        break;
    }
    case UploadFile::RemainingChanged:
        emitCell(row, ColumnRemaining);
        break;
    case UploadFile::UploadDone:
        if (row < 0)
            return;
        // The finished job leaves the queue now, even while its thread is still ending,
        // so it stands in exactly one list once the owner takes it over.
        removeJobRows(row, 1);
        emit uploadComplete(cfile);
        emit layoutAboutToBeChanged();
        emit layoutChanged();
        emit uploadCompleteRC(row);
        return;
    default:
        break;
    }
    emit dataChangedRC(row);
}
