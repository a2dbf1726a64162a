#pragma once
// The table of running and waiting downloads, and the queue scheduler: at most
// maxRunning jobs hold a running place at once, queued jobs start in table order, and
// finished jobs leave the table. Runs on the GUI thread; it never owns or deletes a job.
#include "download/downloadfile.h"
#include "transfer/transfertablemodel.h"

#include <QList>
#include <QStringList>

class TableDownloadModel : public TransferTableModel<DownloadFile> {
    Q_OBJECT
public:
    explicit TableDownloadModel(QObject* parent = nullptr);
    // Stops every job and waits (bounded) for their threads, so that their owner may
    // free them afterwards.
    ~TableDownloadModel() override;

    void addJob(DownloadFile* job) override;
    // Queue one row, or every row when row is -1 or beyond the end.
    void queueItem(int row);
    void stopItem(int row) override;

public slots:
    void downloadChanged(DownloadFile* dfile, DownloadFile::DownloadFileFlags flagChanged);
    // For a job's taskDownloadDone: its place is given back, then queued jobs start.
    void taskDownloadDone();
    void runningQueue();

signals:
    void downloadComplete(DownloadFile* job);
    void downloadCompleteRC(int removedIndex);
    // No queued job is left to start (jobs may still be running) and a transfer finished
    // since the queue last stood idle.
    void queueDownloadComplete();
    void speedChanged(double totalSpeed);
    void dataChangedRC(int index);

private:
    void placeReturned(DownloadFile* job);
    void markQueued(int row);
    void playWhenReady(DownloadFile* job);
    int dataColumns() const override;
    QVariant ownColumn(const DownloadFile* job, int column, int role) const override;
};
