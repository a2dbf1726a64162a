#pragma once
// Records what an upload job reports, on the thread that emits it, with the job's status
// text of that moment, so tests see every step even of a worker that runs ahead.
#include "upload/uploadfile.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>

class UploadRecorder : public QObject {
    Q_OBJECT
public:
    explicit UploadRecorder(UploadFile* job);

    // Until the job has released its place and its thread (if any) has ended, and the
    // queued signals have arrived. False on time-out.
    bool waitForEnd(int timeoutMs = 15000);

    QList<int> flags() const;
    // The status text at each StatusChanged.
    QStringList texts() const;
    int releases() const;
    int count(UploadFile::UploadFileFlags flag) const;

private:
    UploadFile* job;
    mutable QMutex mutex;
    QList<int> flagList;
    QStringList textList;
    int releaseCount = 0;
};

// A tracker clock that never moves: chunks keep their size, whatever the machine's speed.
double frozenClock();
