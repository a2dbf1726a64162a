#include "core/actionthread.h"

#include "api/apiresult.h"
#include "api/client.h"
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
    qRegisterMetaType<std::shared_ptr<const brisko::user>>("std::shared_ptr<const brisko::user>");
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
        runWithReLogin(&ActionThread::doGetUserInfo, &ActionThread::getUserInfoError);
        break;
    case JobFolderTree:
        runWithReLogin(&ActionThread::doLoadFolderTree, &ActionThread::loadFolderTreeError);
        break;
    case JobExpandLinks:
        doGetAllFile();
        break;
    default:
        break;
    }
}

void ActionThread::runWithReLogin(Attempt attempt, Failure failure) {
    // One re-login and one repeat: a service that keeps answering "expired" (the password
    // was changed elsewhere, say) must not keep the job going forever.
    Expiry expiry;
    for (bool lastAttempt = !m_credentials.present;; lastAttempt = true) {
        const LoginBoundClient client(m_credentials);
        if (!client.get()) {
            // The login ended. Before anything was asked nobody of it is left to hear
            // of the job; after an expiry, the expiry is its outcome.
            if (expiry.met)
                (this->*failure)(brisko::kCodeSessionExpired, expiry.message);
            return;
        }
        expiry = (this->*attempt)(*client.get(), lastAttempt);
        if (!expiry.met)
            return;
        if (!reLogin(m_credentials)) {
            (this->*failure)(brisko::kCodeSessionExpired, expiry.message);
            return;
        }
    }
}

bool ActionThread::reLogin(const ReLoginCredentials& credentials) {
    if (!credentials.present || relogin::hasEnded(credentials.login))
        return false;
    // The login goes through a client of its own, so that its session reaches the
    // program's client only if the login is still the current one when it arrives.
    brisko::client own(apiClient, std::make_shared<brisko::session>());
    brisko::user_api api(&own);
    if (!api.login(utf8(credentials.email), utf8(credentials.password)))
        return false;
    if (relogin::installSession(credentials.login, own.get_session()))
        return true;
    brisko::user_api(&own).logout();
    return false;
}

void ActionThread::doLogin() {
    brisko::user_api api(&apiClient);
    if (api.login(utf8(m_email), utf8(m_password)))
        emit loginSuccess();
    else
        emit loginError(api.get_error_code(), fromUtf8(api.get_error_msg()));
}

ActionThread::Expiry ActionThread::doGetUserInfo(brisko::client& client, bool lastAttempt) {
    brisko::user_api api(&client);
    std::unique_ptr<brisko::user> record = api.get();
    const int code = api.get_error_code();
    if (retryAfterExpiry(code, lastAttempt))
        return {true, fromUtf8(api.get_error_msg())};
    if (code == brisko::kCodeSuccess && record) {
        emit getUserInfoSuccess(std::shared_ptr<const brisko::user>(std::move(record)));
        return {};
    }
    if (code == brisko::kCodeSuccess) // success without a record: nothing a receiver can use
        emit getUserInfoError(brisko::kCodeBadReply, tr("Không đọc được thông tin tài khoản"));
    else
        emit getUserInfoError(code, fromUtf8(api.get_error_msg()));
    return {};
}

ActionThread::Expiry ActionThread::doLoadFolderTree(brisko::client& client, bool lastAttempt) {
    // The path goes into the URL as one segment: "/" becomes %2F, a blank %20.
    const QByteArray encodedPath = QUrl::toPercentEncoding(m_folderPath);
    brisko::file_api api(&client);
    std::vector<brisko::file*> records = api.list(m_foldersOnly, encodedPath.toStdString());
    const int code = api.get_error_code();
    if (records.empty() && code != brisko::kCodeSuccess) {
        if (retryAfterExpiry(code, lastAttempt))
            return {true, fromUtf8(api.get_error_msg())};
        emit loadFolderTreeError(code, fromUtf8(api.get_error_msg()));
        return {};
    }
    QList<brisko::file*> listing;
    listing.reserve(static_cast<int>(records.size()));
    for (brisko::file* record : records)
        listing.append(record);
    emit loadFolderTreeSuccess(listing);
    return {};
}

void ActionThread::doGetAllFile() {
    registerMetaTypes();
    const auto progress = [this](int value, int max, const QString& text) {
        emit setProgressBar(value, max, text);
    };
    // A loop, not a rerun from inside the pass: one re-login, one more pass.
    std::unique_ptr<LinkExpansion> pass;
    for (bool lastAttempt = !m_credentials.present;; lastAttempt = true) {
        const LoginBoundClient client(m_credentials);
        if (!client.get()) {
            // The login ended: as in runWithReLogin, and its files belong to nobody.
            if (pass) {
                pass->reportExpiredSession();
                reportExpansion(*pass, false);
            }
            return;
        }
        pass = std::make_unique<LinkExpansion>(client.get(), progress); // frees an abandoned one
        if (pass->run(m_links)) {
            reportExpansion(*pass, true);
            return;
        }
        if (!lastAttempt && reLogin(m_credentials))
            continue;
        pass->reportExpiredSession();
        // Refused because the login ended: the files gathered belong to nobody.
        reportExpansion(*pass, !relogin::hasEnded(m_credentials.login));
        return;
    }
}

void ActionThread::reportExpansion(LinkExpansion& expansion, bool withFiles) {
    // The add-links dialog closes on the error signal, and still takes the files after.
    if (!expansion.errors().isEmpty())
        emit getAllFileError(LinkExpansion::errorTitle(), expansion.errors());
    emit getAllFileSuccess(withFiles ? expansion.takeFiles() : QList<brisko::file*>());
}
