#pragma once
// Logging in again when the service says that a request's session expired. A request
// carries the credentials of the login it was made under; a logout ends that login, and
// from then on its requests are neither sent nor logged in again: the service would hold
// a fresh session for an account that logged out, and a late one could act under, or
// replace, the next account's session.
#include <QString>
#include <QtGlobal>

#include <memory>

namespace brisko {
class client;
class session;
} // namespace brisko

// The credentials of a re-login, copied while the account record is known to be alive.
struct ReLoginCredentials {
    bool present = false; // without them an expired session is reported at once
    QString email;
    QString password;
    quint64 login = 0; // the login they were copied under

    // The logged-in account's; GUI thread only.
    static ReLoginCredentials ofCurrentUser();
};

namespace relogin {

// The login the program is in; a logout moves on to the next. Any thread.
quint64 currentLogin();
// The logout: every request made so far loses its re-login. Any thread.
void endLogin();
// Whether a logout has ended `login` since. Any thread.
bool hasEnded(quint64 login);

// Makes `fresh`, logged in for `login`, the program's session, unless that login has
// ended meanwhile. True when it did.
bool installSession(quint64 login, std::shared_ptr<brisko::session> fresh);
// The program's session while `login` is the current login; null once it has ended.
std::shared_ptr<brisko::session> sessionOf(quint64 login);

// What a request of an ended login reports, with the expired session's code, instead of
// being sent.
QString endedLoginMessage();

} // namespace relogin

// The client one attempt of a request runs on. With credentials it holds the session of
// the request's login, taken right before the attempt, so the attempt never goes out
// under a later login's session; get() is null once that login has ended, and the
// attempt must not be made. Without credentials (nobody logged in), the program's client.
class LoginBoundClient {
public:
    explicit LoginBoundClient(const ReLoginCredentials& credentials);
    ~LoginBoundClient();
    LoginBoundClient(const LoginBoundClient&) = delete;
    LoginBoundClient& operator=(const LoginBoundClient&) = delete;

    brisko::client* get() const { return chosen; }

private:
    std::unique_ptr<brisko::client> own;
    brisko::client* chosen = nullptr;
};
