#pragma once
// The table of uploads not finished yet, and the upload queue's scheduler: at most
// `maxThreads` jobs run at once, queued jobs start in table order, and finished jobs
// leave the table. Runs on the GUI thread; it never owns or deletes a job.
#include "download/transferqueue.h"
#include "upload/uploadfile.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class TableUploadModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableUploadModel(QObject* parent = nullptr);
    // Stops every job and waits (bounded) for their threads, so that their owner may
    // free them afterwards.
    ~TableUploadModel() override;

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

    void setHeaderLabels(const QStringList& labels);
    // Starts or stops nothing by itself.
    void setMaxThreads(int maximum);
    int maxThreads() const { return maxRunning; }
    // The jobs started and not yet done. Stopping or queueing all never resets it: the
    // jobs still ending report their end later.
    int runningCount() const;
    QList<UploadFile*> getJobs() const;
    // The queued jobs in the order they will start.
    QList<UploadFile*> getPendingJobs() const;

    void addJob(UploadFile* job);
    void addJobs(const QList<UploadFile*>& jobs);
    void insertPending(int row);
    void runNext();
    // One row, or every row when row is -1 or beyond the end.
    void queueItem(int row);
    void stopItem(int row);
    void moveItem(int from, int to);
    void moveUp(int row);
    void moveDown(int row);

public slots:
    void uploadChanged(UploadFile* cfile, UploadFile::UploadFileFlags flagChanged);
    // For a job's taskUploadDone: its place is given back, then queued jobs start.
    void taskUploadDone();

signals:
    void uploadComplete(UploadFile* cfile);
    void uploadCompleteRC(int removedIndex);
    // No queued job is left to start (jobs may still be running).
    void queueUploadComplete();
    void speedChanged(double totalSpeed);
    void dataChangedRC(int index);
    // A job got a new upload location.
    void locationObtained(UploadFile* cfile);

private:
    void markQueued(int row);
    void removeJobRows(int row, int count);
    void forget(UploadFile* job);
    void emitCell(int row, int column);
    QVariant display(const UploadFile* job, int column) const;

    TransferQueue<UploadFile> queue;
    int maxRunning = 2;
    QStringList headerLabels;
};
