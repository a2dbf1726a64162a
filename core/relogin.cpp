#include "core/relogin.h"

#include "api/client.h"
#include "core/globals.h"
#include "core/ruridudi.h"

#include <QCoreApplication>

#include <mutex>

namespace {

// Guards the login number, so that a fresh session is installed, and a request's session
// taken, only while its login has not ended.
std::mutex& loginMutex() {
    static std::mutex mutex;
    return mutex;
}

quint64& loginNumber() {
    static quint64 number = 1;
    return number;
}

} // namespace

ReLoginCredentials ReLoginCredentials::ofCurrentUser() {
    if (!currentUser)
        return {};
    return {true, currentUser->getEmail(), currentUser->getPassword(), relogin::currentLogin()};
}

namespace relogin {

quint64 currentLogin() {
    std::lock_guard<std::mutex> lock(loginMutex());
    return loginNumber();
}

void endLogin() {
    std::lock_guard<std::mutex> lock(loginMutex());
    ++loginNumber();
}

bool hasEnded(quint64 login) {
    return login != currentLogin();
}

bool installSession(quint64 login, std::shared_ptr<brisko::session> fresh) {
    std::lock_guard<std::mutex> lock(loginMutex());
    if (login != loginNumber())
        return false;
    apiClient.set_session(std::move(fresh));
    return true;
}

std::shared_ptr<brisko::session> sessionOf(quint64 login) {
    // A login that is current here has not been followed by another: the next login's
    // session comes only after the logout that ends this one.
    std::lock_guard<std::mutex> lock(loginMutex());
    if (login != loginNumber())
        return nullptr;
    return apiClient.get_session();
}

QString endedLoginMessage() {
    return QCoreApplication::translate("ReLogin", "Tài khoản đã đăng xuất");
}

} // namespace relogin

LoginBoundClient::LoginBoundClient(const ReLoginCredentials& credentials) {
    if (!credentials.present) {
        chosen = &apiClient;
        return;
    }
    std::shared_ptr<brisko::session> session = relogin::sessionOf(credentials.login);
    if (!session)
        return;
    own = std::make_unique<brisko::client>(apiClient, std::move(session));
    chosen = own.get();
}

LoginBoundClient::~LoginBoundClient() = default;
