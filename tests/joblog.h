#pragma once
// Records what a background job reports, in the order it reaches the test's thread.
// Connected by signature, as the forms connect, so an unregistered record type shows
// up as a missing entry.
#include "core/actionthread.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantList>

class JobLog : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString signal;
        QVariantList args; // file lists become their urls, the account its e-mail
    };

    // Connects every signal of `job` to this log.
    void attach(ActionThread* job);
    // Starts `job` through `start` and waits until the job object is gone, so that
    // everything it emitted has arrived. False when it did not end in time.
    bool runToEnd(ActionThread* job, const std::function<void(ActionThread*)>& start);

    QStringList signalNames(bool withProgress = false) const;
    // The entries of one signal.
    QList<QVariantList> argsOf(const QString& signal) const;

    QList<Entry> entries;

private slots:
    void loginSuccess();
    void loginError(int errorCode, QString errorMsg);
    void getUserInfoSuccess(std::shared_ptr<const brisko::user> user);
    void getUserInfoError(int errorCode, QString errorMsg);
    void loadFolderTreeSuccess(QList<brisko::file*> listData);
    void loadFolderTreeError(int errorCode, QString errorMsg);
    void getAllFileSuccess(QList<brisko::file*> listFile);
    void getAllFileError(QString title, QString listLinkErrors);
    void setProgressBar(int value, int max, QString displayString);

private:
    void add(const char* signal, const QVariantList& args = {});
    // Receivers own the records: the log keeps what it checks and frees them.
    static QStringList takeUrls(QList<brisko::file*>& files);
};
