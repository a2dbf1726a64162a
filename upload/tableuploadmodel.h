#pragma once
// The table of uploads not finished yet, and the upload queue's scheduler: at most
// `maxThreads` jobs run at once, queued jobs start in table order, and finished jobs
// leave the table. Runs on the GUI thread; it never owns or deletes a job.
#include "transfer/transfertablemodel.h"
#include "upload/uploadfile.h"

#include <QList>
#include <QStringList>

class TableUploadModel : public TransferTableModel<UploadFile> {
    Q_OBJECT
public:
    explicit TableUploadModel(QObject* parent = nullptr);
    // Stops every job and waits (bounded) for their threads, so that their owner may
    // free them afterwards.
    ~TableUploadModel() override;

    // runningCount() is the jobs started and neither done nor finished. Stopping or
    // queueing all never resets it: the jobs still ending report their end later.

    void addJob(UploadFile* job) override;
    void runNext();
    // One row, or every row when row is -1 or beyond the end.
    void queueItem(int row);
    void stopItem(int row) override;

public slots:
    void uploadChanged(UploadFile* cfile, UploadFile::UploadFileFlags flagChanged);
    // For a job's taskUploadDone: its place is given back, then queued jobs start.
    void taskUploadDone();

signals:
    void uploadComplete(UploadFile* cfile);
    void uploadCompleteRC(int removedIndex);
    // No queued job is left to start (jobs may still be running) and a transfer finished
    // since the queue last stood idle.
    void queueUploadComplete();
    void speedChanged(double totalSpeed);
    void dataChangedRC(int index);
    // A job got a new upload location.
    void locationObtained(UploadFile* cfile);

private:
    void markQueued(int row);
    void emitCell(int row, int column);
    int dataColumns() const override;
    QVariant ownColumn(const UploadFile* job, int column, int role) const override;
};
