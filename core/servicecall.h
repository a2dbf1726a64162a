#pragma once
// Synchronous service calls: each attempt on a fresh API object of the given kind; an
// expired session logs in again with the account's stored credentials and is tried once
// more, so that a service which keeps answering "expired" cannot keep it going.
#include "api/apiresult.h"
#include "core/globals.h"
#include "core/relogin.h"
#include "core/ruridudi.h"

#include <string>

struct ServiceCallResult {
    bool ok = false;
    int code = -1;
    std::string message; // UTF-8
};

// `attempt(Api&)` makes the call and returns whether it succeeded. Any thread.
template <class Api, class Attempt>
ServiceCallResult callWithReLogin(const ReLoginCredentials& credentials, Attempt&& attempt) {
    ServiceCallResult result;
    for (int round = 0; round < 2; ++round) {
        Api api(&apiClient);
        result.ok = attempt(api);
        result.code = api.get_error_code();
        result.message = api.get_error_msg();
        if (result.ok || result.code != brisko::kCodeSessionExpired || !credentials.present ||
            round > 0)
            return result;
        if (relogin::hasEnded(credentials.login)) // the account logged out meanwhile
            return result;
        relogin::logInAgain(credentials);
    }
    return result;
}

// The same with the logged-in account's credentials; GUI thread only.
template <class Api, class Attempt> ServiceCallResult callWithReLogin(Attempt&& attempt) {
    return callWithReLogin<Api>(ReLoginCredentials::ofCurrentUser(),
                                std::forward<Attempt>(attempt));
}
