#include "api/sessionapi.h"

#include "api/apicall.h"
#include "api/apiconnections.h"
#include "api/client.h"
#include "api/httputil.h"
#include "platform/hostconfig.h"

#include <cstdio>
#include <memory>

namespace brisko {

namespace {

const char* const kDownloadPath = "/api/session/download";
const char* const kUploadPath = "/api/session/upload";
const char* const kVersionPath = "/api/service/getlatestversion";

std::string logCollectorUrl() { return "https://" + hosts::logHost() + "/"; }

} // namespace

sessionapi::sessionapi(client* c) : owner(c) {}

std::string sessionapi::location(const utils::http_response& reply, int defaultCode,
                                 const Json::Value& defaultMsg) {
    Json::Value root;
    if (read_reply(reply, root, error) != reply_kind::json)
        return std::string();
    if (!root.isObject()) {
        set_bad_reply(error, "not a JSON object");
        return std::string();
    }
    std::string where;
    if (!json::text(root.get("location", ""), where)) {
        set_bad_reply(error, "\"location\" is not a text");
        return std::string();
    }
    if (!where.empty()) {
        error.code = kCodeSuccess;
        return where;
    }
    // No location: the reply's code says why; a "success" without one is still a failure.
    if (read_code(root, defaultCode, defaultMsg, error))
        error.code = 200;
    return std::string();
}

std::string sessionapi::download(const std::string& url, const std::string& password,
                                 bool zipflag) {
    Json::Value body(Json::objectValue);
    body["url"] = url;
    body["zipflag"] = zipflag;
    body["password"] = password;
    const auto reply = post_api(*owner, hosts::apiUrl(kDownloadPath), body);
    response = reply->get_body();
    return location(*reply, 200, Json::Value(200));
}

std::string sessionapi::upload(const std::string& name, std::int64_t size,
                               const std::string& path, int& secured) {
    Json::Value body(Json::objectValue);
    body["name"] = name;
    body["size"] = std::to_string(size);
    body["path"] = path;
    body["secured"] = secured;
    const auto reply = post_api(*owner, hosts::apiUrl(kUploadPath), body);
    response = reply->get_body();
    return location(*reply, 500, Json::Value("Server error"));
}

std::map<std::string, std::string> sessionapi::getLatestVersion(int& type) {
    std::map<std::string, std::string> result;
    const auto reply =
        get_api(*owner, hosts::apiUrl(kVersionPath) + "?type=" + std::to_string(type));
    Json::Value root;
    if (read_reply(*reply, root, error) != reply_kind::json)
        return result;
    std::string version, link;
    if (!root.isObject() || !json::text(root.get("version", ""), version) ||
        !json::text(root.get("link", ""), link)) {
        set_bad_reply(error, "no readable version");
        return result;
    }
    error.code = kCodeSuccess;
    result["version"] = version;
    result["link"] = link;
    return result;
}

void sessionapi::postLog(int& account_id, std::string& type, int& level, int& speed,
                         int& concurrent) {
    Json::Value body(Json::objectValue);
    body["account_id"] = account_id;
    body["type"] = type;
    body["level"] = level;
    body["speed"] = speed;
    body["concurrent"] = concurrent;
    post_api(*owner, logCollectorUrl(), body, false);
}

size_t sessionapi::write_callback(char* data, size_t size, size_t count, std::string* target) {
    return utils::http_util::bounded_write(data, size, count, target);
}

std::string sessionapi::postPlain(const std::string& url, const std::string& body) {
    std::string received;
    const utils::http_util::call_scope call;
    if (!call.entered())
        return received;
    const utils::api_handle kept = utils::take_api_handle();
    CURL* const handle = kept.easy;
    if (!handle)
        return received;
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &sessionapi::write_callback);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &received);
    utils::http_util::limit_call_time(handle);
    const CURLcode result = utils::http_util::perform_call(handle, kept.multi);
    if (result != CURLE_OK)
        std::fprintf(stderr, "curl_easy_perform() failed: %s\n", curl_easy_strerror(result));
    utils::return_api_handle(kept);
    return received;
}

void sessionapi::downloadAsync(const std::string& url, async_callback callback) {
    Json::Value body(Json::objectValue);
    body["token"] = owner->get_session()->get_token();
    body["url"] = url;
    start_async<sessionapi>(*owner, &sessionapi::onLocationReply, callback,
                            hosts::apiUrl(kDownloadPath), json::styled(body));
}

void sessionapi::uploadAsync(const std::string& name, const std::string& size,
                             const std::string& path, async_callback callback) {
    Json::Value body(Json::objectValue);
    body["token"] = owner->get_session()->get_token();
    body["name"] = name;
    body["size"] = size;
    body["path"] = path;
    start_async<sessionapi>(*owner, &sessionapi::onLocationReply, callback,
                            hosts::apiUrl(kUploadPath), json::styled(body));
}

void sessionapi::onLocationReply(void*, utils::http_response* reply, async_callback callback) {
    Json::Value root;
    if (!async_reply(*reply, root, callback, nullptr))
        return;
    std::string where;
    if (!root.isObject() || !json::text(root.get("location", ""), where)) {
        callback(kCodeBadReply, nullptr);
        return;
    }
    if (!where.empty()) {
        callback(kCodeSuccess, &where);
        return;
    }
    int code = 200;
    if (!json::integer(root.get("code", 200), code))
        code = kCodeBadReply;
    callback(code, nullptr);
}

} // namespace brisko
