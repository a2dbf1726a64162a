#pragma once
// Runs one long service call away from the GUI thread and reports its outcome by a signal.
#include "api/file.h"
#include "api/user.h"
#include "core/relogin.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>

class LinkExpansion;

// Records travel in queued signals from the job's thread to the GUI thread. The account
// goes shared, and read-only, as every receiver holds the same record: a delivery dropped
// undelivered (the process ends first) still frees it.
Q_DECLARE_METATYPE(std::shared_ptr<const brisko::user>)
Q_DECLARE_METATYPE(brisko::file*)

// One object, one job: create it with new and no parent, connect the signals of the job,
// call one starter. The object frees itself (deleteLater) once its thread has finished.
//
// Records handed out by the list signals (loadFolderTreeSuccess and getAllFileSuccess)
// belong to the receiver, which deletes them; connect exactly one receiver to each of
// these signals; the job keeps none of them. The account of getUserInfoSuccess is shared
// and read-only.
//
// Jobs 1, 2 and 7 run under the session of the login they were started in, looked at
// before every attempt. When the service answers that the session expired they log in
// again once (reLogin) with that login's credentials and repeat; a second expiry, and a
// re-login that fails or is refused (the account logged out meanwhile), are reported as
// failures with code 201 through the job's error signal. A job whose login ended before
// it asked anything sends nothing and reports nothing: its receivers went with the login.
class ActionThread : public QThread {
    Q_OBJECT
public:
    enum Job {
        JobLogin = 0,
        JobUserInfo = 1,
        JobFolderTree = 2,
        JobExpandLinks = 7,
    };

    explicit ActionThread(QObject* parent = nullptr);
    ~ActionThread() override;

    // Starters: store the job's arguments and start the thread; the result comes later.
    void login(const QString& email, const QString& password);
    void getUserInfo();
    void loadFolderTree(int foldersOnly, const QString& folderPath);
    void getAllFile(const QString& links);

    // Makes the record types of the signals known to queued connections.
    static void registerMetaTypes();

    // The re-login after the service said that a request's session expired, before that
    // request is repeated once: logs the program's client in again with the credentials
    // of the request's login, synchronously on the calling thread. Refused (false, nothing
    // sent) once that login has ended; a login that ends while the re-login is on its way
    // never gets the fresh session: it is logged out again at the service and the client
    // keeps what it has. True when the client holds a fresh session. Any thread.
    static bool reLogin(const ReLoginCredentials& credentials);

signals:
    void loginSuccess();
    void loginError(int errorCode, QString errorMsg);
    void getUserInfoSuccess(std::shared_ptr<const brisko::user> user);
    void getUserInfoError(int errorCode, QString errorMsg);
    void loadFolderTreeSuccess(QList<brisko::file*> listData);
    void loadFolderTreeError(int errorCode, QString errorMsg);
    void getAllFileSuccess(QList<brisko::file*> listFile);
    void getAllFileError(QString title, QString listLinkErrors);
    void setProgressBar(int value, int max, QString displayString);

protected:
    void run() override;

private:
    // What an attempt met when it reported nothing: an expired session, before the last
    // attempt.
    struct Expiry {
        bool met = false;
        QString message;
    };
    // One attempt of a job body, on the client of the job's login.
    using Attempt = Expiry (ActionThread::*)(brisko::client& client, bool lastAttempt);
    // The job's error signal.
    using Failure = void (ActionThread::*)(int errorCode, QString errorMsg);

    // Claims the object for its one job, stores the job's arguments and starts the thread.
    void startJob(Job job, const std::function<void()>& storeArguments);
    void runWithReLogin(Attempt attempt, Failure failure);

    void doLogin();
    Expiry doGetUserInfo(brisko::client& client, bool lastAttempt);
    Expiry doLoadFolderTree(brisko::client& client, bool lastAttempt);
    void doGetAllFile();
    // Emits the expansion's errors, if any, then its files (or none).
    void reportExpansion(LinkExpansion& expansion, bool withFiles);

    int m_jobCode = -1;
    QString m_email;
    QString m_password;
    int m_foldersOnly = 0;
    QString m_folderPath;
    QString m_links;

    // The logged-in account's credentials, copied on the starting (GUI) thread: the main
    // window may release that record at logout while the job still runs.
    // Without them (nobody logged in) an expired session is reported at once.
    ReLoginCredentials m_credentials;
};
