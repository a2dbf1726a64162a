#include "core/actionthread.h"

#include "api/apiresult.h"
#include "api/fileapi.h"
#include "api/userapi.h"
#include "core/globals.h"
#include "core/linkexpansion.h"

#include <QUrl>

#include <memory>

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// An expired session is worth a second try only while one is left.
bool retryAfterExpiry(int code, bool lastAttempt) {
    return code == brisko::kCodeSessionExpired && !lastAttempt;
}

} // namespace

ActionThread::ActionThread(QObject* parent) : QThread(parent) {
    registerMetaTypes();
}

ActionThread::~ActionThread() {
    // Deleted early (by a parent, say): let the call in flight end first.
    wait();
}

void ActionThread::registerMetaTypes() {
    qRegisterMetaType<std::shared_ptr<brisko::user>>("std::shared_ptr<brisko::user>");
    qRegisterMetaType<QList<brisko::file*>>("QList<brisko::file*>");
}

void ActionThread::startJob(Job job, const std::function<void()>& storeArguments) {
    if (m_jobCode != -1) {
        qWarning("ActionThread: a job object runs one job only; job %d not started", job);
        return;
    }
    m_jobCode = job;
    storeArguments();
    m_credentials = ReLoginCredentials::ofCurrentUser();
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    QThread::start(QThread::InheritPriority);
}

void ActionThread::login(const QString& email, const QString& password) {
    startJob(JobLogin, [&] {
        m_email = email;
        m_password = password;
    });
}

void ActionThread::getUserInfo() {
    startJob(JobUserInfo, [] {});
}

void ActionThread::loadFolderTree(int foldersOnly, const QString& folderPath) {
    startJob(JobFolderTree, [&] {
        m_foldersOnly = foldersOnly;
        m_folderPath = folderPath;
    });
}

void ActionThread::getAllFile(const QString& links) {
    startJob(JobExpandLinks, [&] { m_links = links; });
}

void ActionThread::run() {
    switch (m_jobCode) {
    case JobLogin:
        doLogin();
        break;
    case JobUserInfo:
        runWithReLogin(&ActionThread::doGetUserInfo);
        break;
    case JobFolderTree:
        runWithReLogin(&ActionThread::doLoadFolderTree);
        break;
    case JobExpandLinks:
        doGetAllFile();
        break;
    default:
        break;
    }
}

void ActionThread::runWithReLogin(Attempt attempt) {
    // One re-login and one repeat: a service that keeps answering "expired" (the password
    // was changed elsewhere, say) must not keep the job going forever.
    if (!(this->*attempt)(!m_credentials.present))
        return;
    if (!relogin::logInAgain(m_credentials) && relogin::hasEnded(m_credentials.login))
        return; // the account logged out meanwhile: the outcome belongs to nobody
    (this->*attempt)(true);
}

void ActionThread::doLogin() {
    brisko::user_api api(&apiClient);
    if (api.login(utf8(m_email), utf8(m_password)))
        emit loginSuccess();
    else
        emit loginError(api.get_error_code(), fromUtf8(api.get_error_msg()));
}

bool ActionThread::doGetUserInfo(bool lastAttempt) {
    brisko::user_api api(&apiClient);
    std::unique_ptr<brisko::user> record = api.get();
    const int code = api.get_error_code();
    if (retryAfterExpiry(code, lastAttempt))
        return true;
    if (code == brisko::kCodeSuccess && record) {
        emit getUserInfoSuccess(std::shared_ptr<brisko::user>(std::move(record)));
        return false;
    }
    if (code == brisko::kCodeSuccess) // success without a record: nothing a receiver can use
        emit getUserInfoError(brisko::kCodeBadReply, tr("Không đọc được thông tin tài khoản"));
    else
        emit getUserInfoError(code, fromUtf8(api.get_error_msg()));
    return false;
}

bool ActionThread::doLoadFolderTree(bool lastAttempt) {
    // The path goes into the URL as one segment: "/" becomes %2F, a blank %20.
    const QByteArray encodedPath = QUrl::toPercentEncoding(m_folderPath);
    brisko::file_api api(&apiClient);
    std::vector<brisko::file*> records = api.list(m_foldersOnly, encodedPath.toStdString());
    const int code = api.get_error_code();
    if (records.empty() && code != brisko::kCodeSuccess) {
        if (retryAfterExpiry(code, lastAttempt))
            return true;
        emit loadFolderTreeError(code, fromUtf8(api.get_error_msg()));
        return false;
    }
    QList<brisko::file*> listing;
    listing.reserve(static_cast<int>(records.size()));
    for (brisko::file* record : records)
        listing.append(record);
    emit loadFolderTreeSuccess(listing);
    return false;
}

void ActionThread::doGetAllFile() {
    registerMetaTypes();
    const auto progress = [this](int value, int max, const QString& text) {
        emit setProgressBar(value, max, text);
    };
    // A loop, not a rerun from inside the pass: one re-login, one more pass.
    for (bool lastAttempt = !m_credentials.present;; lastAttempt = true) {
        LinkExpansion expansion(&apiClient, progress);
        const bool complete = expansion.run(m_links);
        if (!complete && !lastAttempt) {
            if (!relogin::logInAgain(m_credentials) && relogin::hasEnded(m_credentials.login))
                return; // logged out meanwhile: nobody takes the files
            continue;   // the abandoned pass frees what it gathered
        }
        if (!complete)
            expansion.reportExpiredSession();
        // The add-links dialog closes on the error signal, and still takes the files after.
        if (!expansion.errors().isEmpty())
            emit getAllFileError(LinkExpansion::errorTitle(), expansion.errors());
        emit getAllFileSuccess(expansion.takeFiles());
        return;
    }
}
