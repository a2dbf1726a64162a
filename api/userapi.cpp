#include "api/userapi.h"

#include "api/apicall.h"
#include "api/client.h"
#include "api/httputil.h"
#include "platform/hostconfig.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace brisko {

namespace {

const char* const kLoginPath = "/api/user/login";
const char* const kLogoutPath = "/api/user/logout";
const char* const kGetPath = "/api/user/get";

// The number at the start of a text, as the C library reads it; clamped to int.
int leadingInt(const std::string& text) {
    errno = 0;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

user_api::user_api(client* c) : owner(c) {}

std::string user_api::loginBody(const std::string& email, const std::string& password) const {
    Json::Value body(Json::objectValue);
    body["app_key"] = owner->get_app_key();
    body["user_email"] = email;
    body["password"] = password;
    return json::styled(body);
}

bool user_api::login(const std::string& email, const std::string& password) {
    utils::httpReqData request;
    request.get_headers()["Content-type"] = "Content-type:application/json";
    request.set_data(loginBody(email, password));

    std::unique_ptr<utils::http_response> reply(
        utils::http_util::post(hosts::apiUrl(kLoginPath), request));
    response = reply->get_body();

    Json::Value root;
    if (!apply_result_rule(*reply, 200, Json::Value(200), error, &root))
        return false;
    return installSession(*reply, root);
}

bool user_api::installSession(const utils::http_response& reply, const Json::Value& root) {
    std::string token, sessionId;
    if (!json::text(root.get("token", ""), token) ||
        !json::text(root.get("session_id", ""), sessionId)) {
        set_bad_reply(error, "unreadable token or session id");
        return false;
    }
    bool haveCookie = false;
    const std::string cookie = reply.header("Set-Cookie", &haveCookie);
    if (!haveCookie) {
        error.code = kCodeBadReply;
        error.message = "The login reply carries no session cookie.";
        return false;
    }

    auto fresh = std::make_unique<session>();
    fresh->set_token(token);
    fresh->set_session_id(sessionId);
    fresh->set_reqdata(makeSessionHeaders(cookie));
    fresh->set_user(user());
    owner->set_session(fresh.release());
    error.code = kCodeSuccess;
    return true;
}

bool user_api::logout() {
    const auto reply = get_api(*owner, hosts::apiUrl(kLogoutPath));
    return apply_result_rule(*reply, 200, Json::Value(""), error);
}

std::unique_ptr<user> user_api::get() {
    const std::shared_ptr<session> current = owner->get_session();
    const auto reply = get_api(*owner, hosts::apiUrl(kGetPath));
    response = reply->get_body();

    Json::Value root;
    if (!apply_result_rule(*reply, 200, Json::Value(""), error, &root))
        return nullptr;
    std::unique_ptr<user> record = parseUser(root);
    if (!record)
        return nullptr;
    current->set_user(*record);
    error.code = kCodeSuccess;
    return record;
}

std::unique_ptr<user> user_api::parseUser(const Json::Value& reply) {
    auto record = std::make_unique<user>();
    bool ok = reply.isObject();
    auto read = [&](const char* member, const char* fallback, auto setter) {
        std::string value;
        if (!ok || !json::text(reply.get(member, fallback), value)) {
            ok = false;
            return;
        }
        ((*record).*setter)(value);
    };
    read("id", "0", &user::set_id);
    read("level", "0", &user::set_level);
    read("name", "", &user::set_name);
    read("email", "", &user::set_email);
    read("joindate", "", &user::set_joindate);
    read("totalpoints", "0", &user::set_totalpoints);
    read("expire_vip", "", &user::set_expire_vip);
    read("traffic", "0", &user::set_traffic);
    read("traffic_used", "0", &user::set_traffic_used);
    read("webspace", "0", &user::set_webspace);
    read("webspace_used", "0", &user::set_webspace_used);
    read("webspace_secure", "0", &user::set_webspace_secure);
    read("webspace_secure_used", "0", &user::set_webspace_secure_used);
    read("amount", "0", &user::set_amount);

    std::string timeText;
    if (ok && json::text(reply.get("dl_time_avail", -1), timeText))
        record->dl_time_avail = leadingInt(timeText);
    else
        ok = false;
    if (!ok || !json::text(reply.get("account_type", ""), record->account_type)) {
        set_bad_reply(error, "an account member is not a text");
        return nullptr;
    }
    return record;
}

utils::httpReqData* user_api::makeSessionHeaders(const std::string& cookie) const {
    auto* request = new utils::httpReqData();
    request->get_headers()["Cookie"] = "Cookie:" + cookie + ";key=" + owner->get_app_key();
    request->get_headers()["Content-type"] = "Content-type:application/json";
    return request;
}

void user_api::loginAsync(const std::string& email, const std::string& password,
                          async_callback callback) {
    // Login goes without the session's cookie: only the content-type line.
    utils::httpReqData request;
    request.get_headers()["Content-type"] = "Content-type:application/json";
    request.set_data(loginBody(email, password));
    auto* pending = new utils::asyn_manage(
        new user_api(owner), owner, &user_api::onLoginReply, callback,
        hosts::apiUrl(kLoginPath), request, [](void* p) { delete static_cast<user_api*>(p); });
    pending->start();
}

void user_api::logoutAsync(async_callback callback) {
    start_async<user_api>(*owner, &user_api::onLogoutReply, callback, hosts::apiUrl(kLogoutPath),
                          std::string());
}

void user_api::getAsync(async_callback callback) {
    start_async<user_api>(*owner, &user_api::onGetReply, callback, hosts::apiUrl(kGetPath),
                          std::string());
}

void user_api::onLoginReply(void* owner, utils::http_response* reply, async_callback callback) {
    Json::Value root;
    if (!async_success(*reply, root, callback, nullptr))
        return;
    auto* api = static_cast<user_api*>(owner);
    callback(api->installSession(*reply, root) ? kCodeSuccess : api->error.code, nullptr);
}

void user_api::onLogoutReply(void*, utils::http_response* reply, async_callback callback) {
    Json::Value root;
    if (async_success(*reply, root, callback, nullptr))
        callback(kCodeSuccess, nullptr);
}

void user_api::onGetReply(void* owner, utils::http_response* reply, async_callback callback) {
    Json::Value root;
    if (!async_success(*reply, root, callback, nullptr))
        return;
    auto* api = static_cast<user_api*>(owner);
    std::unique_ptr<user> record = api->parseUser(root);
    if (!record) {
        callback(kCodeBadReply, nullptr);
        return;
    }
    api->owner->get_session()->set_user(*record);
    callback(kCodeSuccess, record.get());
}

} // namespace brisko
