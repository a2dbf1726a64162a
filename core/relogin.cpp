#include "core/relogin.h"

#include "api/client.h"
#include "api/userapi.h"
#include "core/globals.h"
#include "core/ruridudi.h"

#include <mutex>

namespace {

// Guards the login number, so that a fresh session is installed only while its login
// has not ended.
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

bool logInAgain(const ReLoginCredentials& credentials) {
    if (!credentials.present || hasEnded(credentials.login))
        return false;
    // The login goes through a client of its own, so that its session reaches the
    // program's client only if the login is still the current one when it arrives.
    brisko::client own(apiClient.get_app_key());
    brisko::user_api api(&own);
    if (!api.login(credentials.email.toUtf8().toStdString(),
                   credentials.password.toUtf8().toStdString()))
        return false;
    {
        std::lock_guard<std::mutex> lock(loginMutex());
        if (credentials.login == loginNumber()) {
            apiClient.set_session(own.get_session());
            return true;
        }
    }
    brisko::user_api(&own).logout();
    return false;
}

} // namespace relogin
