#pragma once
// The service's direct location of a share link, asked for on the calling thread under
// the session of the caller's login. An expired session earns one re-login (when the
// caller has the account's credentials and the account has not logged out since) and one
// repeat; a second expiry, a failed or refused re-login, and a login that ended before the
// request went out are failures with the expiry's code.
#include "core/relogin.h"

#include <QString>

struct LocationAnswer {
    QString location;
    int code = 0; // 0 for success (the service's own 200 is mapped to it)
    QString message;
};

LocationAnswer requestDownloadLocation(const QString& shareLink, const QString& password, bool zip,
                                       const ReLoginCredentials& credentials);
