#pragma once
// What the download and upload queue models share as table models: the rows are the
// queue's jobs, the header labels set the columns, the first six columns (name to time
// left) read the same, the status cell gives its row's state (transferqueue::kStateRole)
// for the views to draw, and rows move and go only as the queue allows. The models over it
// add their last columns, the jobs' signals and the scheduling. GUI thread only; it never
// owns or deletes a job.
#include "transfer/transferqueue.h"

#include "core/sizetext.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <algorithm>

template <class Job> class TransferTableModel : public QAbstractTableModel {
public:
    explicit TransferTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    virtual void addJob(Job* job) = 0;
    void addJobs(const QList<Job*>& jobs) {
        for (Job* job : jobs)
            addJob(job);
    }
    // Stop one row, or every job when row is -1 or beyond the end.
    virtual void stopItem(int row) = 0;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override {
        if (!index.isValid() || !queue.holds(index.row()) || index.column() >= dataColumns())
            return QVariant();
        const Job* job = queue.allJobs.at(index.row());
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole:
            return column < kOwnColumns ? display(job, column) : ownColumn(job, column, role);
        case transferqueue::kStateRole:
            return column == ColumnStatus ? QVariant(job->getState()) : QVariant();
        case Qt::ToolTipRole:
            if (column == ColumnName)
                return job->getName();
            if (column == ColumnStatus)
                return job->getStatusText();
            return column < kOwnColumns ? QVariant() : ownColumn(job, column, role);
        default:
            return QVariant();
        }
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : queue.size();
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : headerLabels.size();
    }
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override {
        if (role != Qt::DisplayRole)
            return QVariant();
        if (orientation == Qt::Horizontal)
            return section >= 0 && section < headerLabels.size() ? headerLabels.at(section)
                                                                 : QVariant();
        return QStringLiteral("Row %1").arg(section);
    }
    // Rows come only through the model's addJob: inserting empty rows is refused.
    bool insertRows(int, int, const QModelIndex& = QModelIndex()) override { return false; }
    // Refused while a job of the rows still runs.
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override {
        if (parent.isValid() || !queue.holds(row) || count <= 0)
            return false;
        count = std::min(count, queue.size() - row);
        if (queue.anyRunning(row, count))
            return false;
        removeJobRows(row, count);
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid())
            return Qt::NoItemFlags;
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    }

    void setHeaderLabels(const QStringList& labels) {
        beginResetModel();
        headerLabels = labels;
        endResetModel();
    }
    // Starts or stops nothing by itself.
    void setMaxThreads(int maximum) { maxRunning = maximum; }
    int maxThreads() const { return maxRunning; }
    // The jobs holding a running place.
    int runningCount() const { return queue.running.size(); }
    QList<Job*> getJobs() const { return queue.allJobs; }
    // The queued jobs in the order they will start.
    QList<Job*> getPendingJobs() const { return queue.pendingJobs; }

    void insertPending(int row) { queue.insertPending(row); }
    void moveItem(int from, int to) {
        if (!queue.holds(from) || !queue.holds(to) || from == to)
            return;
        emit layoutAboutToBeChanged();
        queue.moveItem(from, to);
        emit layoutChanged();
    }
    void moveUp(int row) { swapWithNeighbour(row, -1); }
    void moveDown(int row) { swapWithNeighbour(row, 1); }

protected:
    enum CommonColumn {
        ColumnName = 0,
        ColumnSize = 1,
        ColumnStatus = 2,
        ColumnPercent = 3,
        ColumnSpeed = 4,
        ColumnRemaining = 5,
    };
    // The first column a model fills itself.
    static constexpr int kOwnColumns = 6;
    // How long a model being destroyed waits, in all, for the threads of stopped jobs.
    static constexpr int kStopWaitMs = 10000;

    // The columns the model fills, its own included.
    virtual int dataColumns() const = 0;
    // The display text or tool tip of one of the model's own columns.
    virtual QVariant ownColumn(const Job* job, int column, int role) const = 0;

    // For the destructors: stops every job and waits (bounded) for their threads, so that
    // their owner may free them afterwards.
    void stopAllAndWait() {
        stopItem(-1);
        queue.waitForThreads(kStopWaitMs);
    }

    static QVariant display(const Job* job, int column) {
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
        default:
            return QVariant();
        }
    }
    void removeJobRows(int row, int count) {
        beginRemoveRows(QModelIndex(), row, row + count - 1);
        queue.takeRows(row, count);
        endRemoveRows();
    }
    // A job being destroyed: only its pointer is used.
    void forget(Job* job) {
        const int row = queue.forget(job);
        if (row >= 0)
            removeJobRows(row, 1);
    }
    void swapWithNeighbour(int row, int step) {
        if (!queue.holds(row) || !queue.holds(row + step))
            return;
        emit layoutAboutToBeChanged();
        queue.swapWithNeighbour(row, step);
        emit layoutChanged();
    }

    TransferQueue<Job> queue;
    int maxRunning = 2;
    QStringList headerLabels;
};
