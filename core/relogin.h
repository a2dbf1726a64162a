#pragma once
// Logging in again when the service says that a request's session expired. A request
// carries the credentials of the login it was made under; a logout ends that login, and
// from then on its requests never log in again: the service would hold a fresh session
// for an account that logged out, and a late one could replace the next account's session.
#include <QString>
#include <QtGlobal>

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

// Logs the process-wide client in again for a request made under `credentials.login`.
// Refused (false, nothing sent) once that login has ended. A login that ends while the
// re-login is on its way never gets the fresh session: it is logged out again at the
// service and the client keeps what it has. True when the client holds a fresh session.
bool logInAgain(const ReLoginCredentials& credentials);

} // namespace relogin
