#pragma once
// What the download and upload queue models share as table models: the rows are the
// queue's jobs, the header labels set the columns, and rows move and go only as the
// queue allows. The models over it add their columns, the jobs' signals and the
// scheduling. GUI thread only; it never owns or deletes a job.
#include "download/transferqueue.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <algorithm>

template <class Job> class TransferTableModel : public QAbstractTableModel {
public:
    explicit TransferTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

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
    QList<Job*> getJobs() const { return queue.jobs; }
    // The queued jobs in the order they will start.
    QList<Job*> getPendingJobs() const { return queue.pending; }

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
