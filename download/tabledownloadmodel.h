#pragma once
// The table of running and waiting downloads, and the queue scheduler: at most
// maxRunning jobs hold a running place at once, queued jobs start in table order, and
// finished jobs leave the table. Runs on the GUI thread; it never owns or deletes a job.
#include "download/downloadfile.h"
#include "download/transferqueue.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class TableDownloadModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableDownloadModel(QObject* parent = nullptr);
    // Stops every job and waits (bounded) for their threads, so that their owner may
    // free them afterwards.
    ~TableDownloadModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Rows come only through addJob: inserting empty rows is refused.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    // Refused while a job of the rows still runs.
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setMaxThreads(int maximum);
    int maxThreads() const { return maxRunning; }
    // The number of jobs holding a running place.
    int runningCount() const;
    void setHeaderLabels(const QStringList& labels);
    QList<DownloadFile*> getJobs() const;
    // The queued jobs in the order they will start.
    QList<DownloadFile*> getPendingJobs() const;

    void addJob(DownloadFile* job);
    void addJobs(const QList<DownloadFile*>& jobs);
    // Queue one row, or every row when row is -1 or beyond the end.
    void queueItem(int row);
    // Stop one row, or every job when row is -1 or beyond the end.
    void stopItem(int row);
    void insertPending(int row);
    void moveItem(int from, int to);
    void moveUp(int row);
    void moveDown(int row);

public slots:
    void downloadChanged(DownloadFile* dfile, DownloadFile::DownloadFileFlags flagChanged);
    // For a job's taskDownloadDone: its place is given back, then queued jobs start.
    void taskDownloadDone();
    void runningQueue();

signals:
    void downloadComplete(DownloadFile* job);
    void downloadCompleteRC(int removedIndex);
    // No queued job is left to start (jobs may still be running).
    void queueDownloadComplete();
    void speedChanged(double totalSpeed);
    void dataChangedRC(int index);

private:
    void placeReturned(DownloadFile* job);
    void markQueued(int row);
    void removeJobRows(int row, int count);
    void forget(DownloadFile* job);
    void playWhenReady(DownloadFile* job);
    QVariant display(const DownloadFile* job, int column) const;

    // A job holds a running place from its start to its first release.
    TransferQueue<DownloadFile> queue;
    int maxRunning = 2;
    QStringList headerLabels;
};
