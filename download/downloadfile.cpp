#include "download/downloadfile.h"

#include <QMutexLocker>

DownloadFile::DownloadFile(const QString& name, const QString& path, const QString& linkCode,
                           const QString& desc, const QString& typeFile, const QString& zipFlag,
                           const QString& url, const QString& password, qint64 size)
    : name(name), path(path), linkCode(linkCode), desc(desc), typeFile(typeFile),
      fileCode(linkCode), zipFlag(zipFlag), url(url), password(password), size(size) {
    registerMetaTypes();
}

DownloadFile::~DownloadFile() {
    if (QThread::isRunning()) {
        stopDownload();
        wait();
    }
}

void DownloadFile::registerMetaTypes() {
    qRegisterMetaType<DownloadFile*>("DownloadFile*");
    qRegisterMetaType<DownloadFile::DownloadFileFlags>("DownloadFile::DownloadFileFlags");
}

void DownloadFile::setStateAndText(int newState, const QString& text) {
    QMutexLocker lock(&fieldsMutex);
    state = newState;
    statusText = text;
}

void DownloadFile::setTracker(const TransferProgress& replacement) {
    QMutexLocker lock(&fieldsMutex);
    tracker = replacement;
}

void DownloadFile::releasePlace() {
    slotReleased = true;
    emit taskDownloadDone();
}

QString DownloadFile::getName() const {
    QMutexLocker lock(&fieldsMutex);
    return name;
}

void DownloadFile::setName(const QString& value) {
    QMutexLocker lock(&fieldsMutex);
    name = value;
}

QString DownloadFile::getPath() const {
    QMutexLocker lock(&fieldsMutex);
    return path;
}

void DownloadFile::setPath(const QString& value) {
    QMutexLocker lock(&fieldsMutex);
    path = value;
}

QString DownloadFile::getDesc() const {
    QMutexLocker lock(&fieldsMutex);
    return desc;
}

QString DownloadFile::getTypeFile() const {
    QMutexLocker lock(&fieldsMutex);
    return typeFile;
}

QString DownloadFile::getSession() const {
    QMutexLocker lock(&fieldsMutex);
    return session;
}

void DownloadFile::setSession(const QString& value) {
    QMutexLocker lock(&fieldsMutex);
    session = value;
}

QString DownloadFile::getStatusText() const {
    QMutexLocker lock(&fieldsMutex);
    return statusText;
}

void DownloadFile::setStatusText(const QString& value) {
    QMutexLocker lock(&fieldsMutex);
    statusText = value;
}

int DownloadFile::getState() const {
    QMutexLocker lock(&fieldsMutex);
    return state;
}

void DownloadFile::setState(int value) {
    QMutexLocker lock(&fieldsMutex);
    state = value;
}

QString DownloadFile::getUrl() const {
    QMutexLocker lock(&fieldsMutex);
    return url;
}

QString DownloadFile::getLink() const {
    return getUrl();
}

QString DownloadFile::getPassword() const {
    QMutexLocker lock(&fieldsMutex);
    return password;
}

void DownloadFile::setPassword(const QString& value) {
    QMutexLocker lock(&fieldsMutex);
    password = value;
}

bool DownloadFile::isFinished() const {
    QMutexLocker lock(&fieldsMutex);
    return finished;
}

void DownloadFile::setFinished(bool value) {
    QMutexLocker lock(&fieldsMutex);
    finished = value;
}

qint64 DownloadFile::getSize() const {
    QMutexLocker lock(&fieldsMutex);
    return size;
}

double DownloadFile::progress() const {
    QMutexLocker lock(&fieldsMutex);
    return tracker.progress();
}

double DownloadFile::speed() const {
    QMutexLocker lock(&fieldsMutex);
    return tracker.speed();
}

QString DownloadFile::remainingText() const {
    QMutexLocker lock(&fieldsMutex);
    return tracker.remainingText();
}

void DownloadFile::setProgress(double fraction) {
    QMutexLocker lock(&fieldsMutex);
    if (fraction == -1.0) {
        tracker = TransferProgress(10);
        return;
    }
    // The job's size stands as the total until a run sets it, so that a restored job
    // shows the fraction it had, and the next save keeps it.
    tracker.setTotalSize(size);
    tracker.setStartOffset(static_cast<qint64>(fraction * double(size)));
}
