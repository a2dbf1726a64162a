#include "api/client.h"

#include "api/httputil.h"

#include <curl/curl.h>

namespace brisko {

session::session() = default;
session::~session() = default;

std::string session::get_session_id() const {
    std::lock_guard<std::mutex> lock(mutex);
    return session_id;
}

void session::set_session_id(const std::string& id) {
    std::lock_guard<std::mutex> lock(mutex);
    session_id = id;
}

std::string session::get_token() const {
    std::lock_guard<std::mutex> lock(mutex);
    return token;
}

void session::set_token(const std::string& value) {
    std::lock_guard<std::mutex> lock(mutex);
    token = value;
}

std::shared_ptr<const user> session::get_user() const {
    std::lock_guard<std::mutex> lock(mutex);
    return account;
}

void session::set_user(const user& record) {
    auto copy = std::make_shared<const user>(record);
    std::lock_guard<std::mutex> lock(mutex);
    account = std::move(copy);
}

utils::httpReqData& session::get_reqdata() {
    std::lock_guard<std::mutex> lock(mutex);
    if (!request)
        request = std::make_unique<utils::httpReqData>();
    return *request;
}

void session::set_reqdata(utils::httpReqData* replacement) {
    std::lock_guard<std::mutex> lock(mutex);
    request.reset(replacement);
}

utils::httpReqData session::make_request(const std::string& body) const {
    utils::httpReqData copy;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (request)
            copy.set_headers(request->get_headers());
    }
    copy.set_data(body);
    return copy;
}

client::client(const std::string& appKey)
    : app_key(appKey), current(std::make_shared<session>()) {
    curl_global_init(CURL_GLOBAL_ALL);
    transport = std::make_shared<utils::http_util>();
}

client::client(const client& base, std::shared_ptr<session> bound)
    : app_key(base.get_app_key()), current(std::move(bound)), transport(base.transport) {}

client::~client() = default;

std::shared_ptr<session> client::get_session() const {
    std::lock_guard<std::mutex> lock(mutex);
    return current;
}

void client::set_session(session* replacement) {
    set_session(std::shared_ptr<session>(replacement));
}

void client::set_session(std::shared_ptr<session> replacement) {
    std::shared_ptr<session> previous(std::move(replacement));
    {
        std::lock_guard<std::mutex> lock(mutex);
        current.swap(previous);
    }
    // The old session goes now, or when the last call still using it returns.
}

std::string client::get_app_key() const {
    std::lock_guard<std::mutex> lock(mutex);
    return app_key;
}

void client::set_app_key(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex);
    app_key = key;
}

} // namespace brisko
