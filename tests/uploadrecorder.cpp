#include "tests/uploadrecorder.h"
#include "tests/unsharedcopy.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QThread>

UploadRecorder::UploadRecorder(UploadFile* job) : job(job) {
    connect(
        job, &UploadFile::dataChanged, this,
        [this](UploadFile* cfile, UploadFile::UploadFileFlags flag) {
            const QString text = cfile->getStatusText();
            QMutexLocker lock(&mutex);
            flagList.append(flag);
            if (flag == UploadFile::StatusChanged)
                textList.append(text);
        },
        Qt::DirectConnection);
    connect(
        job, &UploadFile::taskUploadDone, this,
        [this] {
            QMutexLocker lock(&mutex);
            ++releaseCount;
        },
        Qt::DirectConnection);
}

bool UploadRecorder::waitForEnd(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (releases() == 0 || job->isRunning()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    job->wait();
    QCoreApplication::processEvents();
    return true;
}

QList<int> UploadRecorder::flags() const {
    QMutexLocker lock(&mutex);
    return unshared(flagList);
}

QStringList UploadRecorder::texts() const {
    QMutexLocker lock(&mutex);
    return unshared(textList);
}

int UploadRecorder::releases() const {
    QMutexLocker lock(&mutex);
    return releaseCount;
}

int UploadRecorder::count(UploadFile::UploadFileFlags flag) const {
    QMutexLocker lock(&mutex);
    return flagList.count(flag);
}

double frozenClock() {
    return 1700000000;
}
