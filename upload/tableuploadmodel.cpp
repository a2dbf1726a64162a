#include "upload/tableuploadmodel.h"

#include "core/globals.h"

namespace {

// The upload's own column, after the shared ones.
enum Column {
    ColumnFolder = 6,
    ColumnCount = 7,
};

} // namespace

TableUploadModel::TableUploadModel(QObject* parent) : TransferTableModel(parent) {
    UploadFile::registerMetaTypes();
}

TableUploadModel::~TableUploadModel() {
    stopAllAndWait();
}

int TableUploadModel::dataColumns() const {
    return ColumnCount;
}

QVariant TableUploadModel::ownColumn(const UploadFile* job, int column, int) const {
    return column == ColumnFolder ? QVariant(job->getFolder().getName()) : QVariant();
}

void TableUploadModel::addJob(UploadFile* job) {
    if (!job || queue.allJobs.contains(job))
        return;
    beginInsertRows(QModelIndex(), queue.size(), queue.size());
    queue.allJobs.append(job);
    connect(job, &UploadFile::dataChanged, this, &TableUploadModel::uploadChanged);
    connect(job, &UploadFile::taskUploadDone, this, &TableUploadModel::taskUploadDone);
    connect(job, &UploadFile::locationObtained, this, &TableUploadModel::locationObtained);
    connect(job, &QObject::destroyed, this, [this, job] { forget(job); });
    endInsertRows();
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
    UploadFile* job = queue.allJobs.at(row);
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
        UploadFile* job = queue.allJobs.at(row);
        if (job->getState() == UploadFile::StateQueued)
            queue.pendingJobs.removeAll(job);
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
    const int row = queue.allJobs.indexOf(cfile);
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
        // so it stands in exactly one list once the owner takes it over. It uploads no
        // more either: its place counts as given back for whoever asks now (the tab
        // shows its finished uploads once none runs); its own end starts the next job.
        removeJobRows(row, 1);
        queue.running.remove(cfile);
        queue.noteFinished();
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
