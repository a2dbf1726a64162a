#pragma once
// The service's user endpoints: log in, log out, read the account.
#include "api/apiresult.h"
#include "api/asyncrequest.h"
#include "api/user.h"

#include <json/json.h>

#include <memory>
#include <string>

namespace utils {
class httpReqData;
}

namespace brisko {

class client;

class user_api {
public:
    explicit user_api(client* owner);
    virtual ~user_api() = default;

    // Logs in and installs a new session in the client. A failed login leaves the
    // client's session as it was.
    bool login(const std::string& email, const std::string& password);
    bool logout();
    // The account; the caller owns the returned record (null on failure). The session
    // keeps a copy of its own.
    std::unique_ptr<user> get();

    // Builds an account record from the account reply; null when a member has a type that
    // can't be read as text (the error code is then 99).
    std::unique_ptr<user> parseUser(const Json::Value& reply);
    // The two header lines every call after login sends.
    utils::httpReqData* makeSessionHeaders(const std::string& cookie) const;

    // Asynchronous forms: the callback hears 0 on success (with the new account record,
    // valid during the call, after getAsync) or the failure's code.
    void loginAsync(const std::string& email, const std::string& password,
                    async_callback callback);
    void logoutAsync(async_callback callback);
    void getAsync(async_callback callback);
    static void onLoginReply(void* owner, utils::http_response* reply, async_callback callback);
    static void onLogoutReply(void* owner, utils::http_response* reply, async_callback callback);
    static void onGetReply(void* owner, utils::http_response* reply, async_callback callback);

    int get_error_code() const { return error.code; }
    std::string get_error_msg() const { return error.message; }
    std::string get_response() const { return response; }
    client*& get_client() { return owner; }
    void set_client(client* c) { owner = c; }

private:
    std::string loginBody(const std::string& email, const std::string& password) const;
    // Installs the session a successful login reply describes; false (with the error set)
    // when the reply lacks what the session needs.
    bool installSession(const utils::http_response& reply, const Json::Value& root);

    client* owner;
    api_error error;
    std::string response;
};

} // namespace brisko
