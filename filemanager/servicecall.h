#pragma once
// The file manager's synchronous service calls: each attempt on a fresh file API object;
// an expired session logs in again with the account's stored credentials and is tried
// once more, so that a service which keeps answering "expired" cannot keep it going.
#include "api/fileapi.h"

#include <functional>
#include <string>

struct ServiceCallResult {
    bool ok = false;
    int code = -1;
    std::string message; // UTF-8
};

// `attempt` makes the call and returns whether it succeeded.
ServiceCallResult callWithReLogin(const std::function<bool(brisko::file_api&)>& attempt);
