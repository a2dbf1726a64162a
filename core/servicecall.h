#pragma once
// Synchronous service calls: each attempt on a fresh API object of the given kind, under
// the session of the login the call was made for. An expired session logs in again with
// the account's stored credentials and is tried once more, so that a service which keeps
// answering "expired" cannot keep it going. A call whose login has ended is not sent, and
// a re-login that fails or is refused ends the call with the expiry.
#include "api/apiresult.h"
#include "core/actionthread.h"
#include "core/globals.h"
#include "core/relogin.h"
#include "core/ruridudi.h"

#include <string>

struct ServiceCallResult {
    bool ok = false;
    int code = -1;
    std::string message; // UTF-8

    // What a call reports when its login ended before an attempt.
    static ServiceCallResult loginEnded() {
        return {false, brisko::kCodeSessionExpired,
                relogin::endedLoginMessage().toUtf8().toStdString()};
    }
};

// `attempt(Api&)` makes the call and returns whether it succeeded. Any thread.
template <class Api, class Attempt>
ServiceCallResult callWithReLogin(const ReLoginCredentials& credentials, Attempt&& attempt) {
    for (int round = 0;; ++round) {
        // Looked at before every attempt, a call that waited in a queue included.
        const LoginBoundClient client(credentials);
        if (!client.get())
            return ServiceCallResult::loginEnded();
        Api api(client.get());
        ServiceCallResult result;
        result.ok = attempt(api);
        result.code = api.get_error_code();
        result.message = api.get_error_msg();
        if (result.ok || result.code != brisko::kCodeSessionExpired || !credentials.present ||
            round > 0 || !ActionThread::reLogin(credentials))
            return result;
    }
}

// The same with the logged-in account's credentials; GUI thread only.
template <class Api, class Attempt> ServiceCallResult callWithReLogin(Attempt&& attempt) {
    return callWithReLogin<Api>(ReLoginCredentials::ofCurrentUser(),
                                std::forward<Attempt>(attempt));
}
