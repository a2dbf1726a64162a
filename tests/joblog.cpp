#include "tests/joblog.h"

#include <QMetaMethod>
#include <QSignalSpy>

void JobLog::attach(ActionThread* job) {
    const QMetaObject& meta = ActionThread::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod signal = meta.method(i);
        if (signal.methodType() != QMetaMethod::Signal)
            continue;
        const int slotIndex = metaObject()->indexOfSlot(signal.methodSignature());
        Q_ASSERT(slotIndex >= 0);
        connect(job, signal, this, metaObject()->method(slotIndex));
    }
}

bool JobLog::runToEnd(ActionThread* job, const std::function<void(ActionThread*)>& start) {
    QSignalSpy gone(job, &QObject::destroyed);
    start(job);
    return gone.wait(20000);
}

QStringList JobLog::signalNames(bool withProgress) const {
    QStringList names;
    for (const Entry& entry : entries) {
        if (withProgress || entry.signal != QLatin1String("setProgressBar"))
            names << entry.signal;
    }
    return names;
}

QList<QVariantList> JobLog::argsOf(const QString& signal) const {
    QList<QVariantList> found;
    for (const Entry& entry : entries) {
        if (entry.signal == signal)
            found << entry.args;
    }
    return found;
}

void JobLog::add(const char* signal, const QVariantList& args) {
    entries.append({QString::fromLatin1(signal), args});
}

QStringList JobLog::takeUrls(QList<brisko::file*>& files) {
    QStringList urls;
    for (brisko::file* file : files)
        urls << QString::fromStdString(file->get_url());
    qDeleteAll(files);
    files.clear();
    return urls;
}

void JobLog::loginSuccess() {
    add("loginSuccess");
}
void JobLog::loginError(int errorCode, QString errorMsg) {
    add("loginError", {errorCode, errorMsg});
}
void JobLog::getUserInfoSuccess(std::shared_ptr<const brisko::user> user) {
    add("getUserInfoSuccess", {user ? QString::fromStdString(user->get_email()) : QVariant()});
}
void JobLog::getUserInfoError(int errorCode, QString errorMsg) {
    add("getUserInfoError", {errorCode, errorMsg});
}
void JobLog::loadFolderTreeSuccess(QList<brisko::file*> listData) {
    QStringList names;
    for (brisko::file* file : listData)
        names << QString::fromStdString(file->get_name());
    qDeleteAll(listData);
    add("loadFolderTreeSuccess", {names});
}
void JobLog::loadFolderTreeError(int errorCode, QString errorMsg) {
    add("loadFolderTreeError", {errorCode, errorMsg});
}
void JobLog::getAllFileSuccess(QList<brisko::file*> listFile) {
    add("getAllFileSuccess", {takeUrls(listFile)});
}
void JobLog::getAllFileError(QString title, QString listLinkErrors) {
    add("getAllFileError", {title, listLinkErrors});
}
void JobLog::setProgressBar(int value, int max, QString displayString) {
    add("setProgressBar", {value, max, displayString});
}
