#include "api/apiresult.h"

#include <curl/curl.h>

#include <cmath>
#include <limits>
#include <memory>

namespace brisko {

namespace json {

bool parse(const std::string& body, Json::Value& root) {
    if (body.empty())
        return false;
    Json::CharReaderBuilder builder;
    builder["collectComments"] = true;
    builder["allowComments"] = true;
    builder["strictRoot"] = false;
    builder["failIfExtra"] = false;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    try {
        return reader->parse(body.data(), body.data() + body.size(), &root, nullptr);
    } catch (const std::exception&) {
        // Nesting deeper than the reader allows.
        return false;
    }
}

std::string styled(const Json::Value& value) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    Json::StyledWriter writer;
    return writer.write(value);
#pragma GCC diagnostic pop
}

bool text(const Json::Value& value, std::string& out) {
    if (value.isObject() || value.isArray())
        return false;
    try {
        out = value.asString();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool integer(const Json::Value& value, int& out) {
    if (value.isInt()) {
        out = value.asInt();
        return true;
    }
    if (value.isDouble()) {
        const double d = value.asDouble();
        if (std::floor(d) != d || d < std::numeric_limits<int>::min() ||
            d > std::numeric_limits<int>::max())
            return false;
        out = static_cast<int>(d);
        return true;
    }
    if (value.isString()) {
        const std::string s = value.asString();
        size_t used = 0;
        try {
            const long n = std::stol(s, &used, 10);
            if (used != s.size() || n < std::numeric_limits<int>::min() ||
                n > std::numeric_limits<int>::max())
                return false;
            out = static_cast<int>(n);
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }
    return false;
}

} // namespace json

void set_bad_reply(api_error& error, const std::string& what) {
    error.code = kCodeBadReply;
    error.message = "Unexpected reply from the service: " + what;
}

reply_kind read_reply(const utils::http_response& response, Json::Value& root,
                      api_error& error) {
    if (!response.transfer_completed()) {
        const int result = response.get_transfer_result();
        error.code = kCodeNetworkError;
        error.message = std::string(curl_easy_strerror(static_cast<CURLcode>(result))) +
                        " (curl " + std::to_string(result) + ")";
        return reply_kind::no_reply;
    }
    if (!json::parse(response.body_ref(), root)) {
        const long status = response.get_http_status();
        if (status == 200) {
            error.code = kCodeBadReply;
        } else {
            error.code = static_cast<int>(status);
            error.message = "HTTP error code: " + std::to_string(status);
        }
        return reply_kind::not_json;
    }
    return reply_kind::json;
}

bool read_code(const Json::Value& object, int defaultCode, const Json::Value& defaultMsg,
               api_error& error) {
    if (!object.isObject()) {
        set_bad_reply(error, "not a JSON object");
        return false;
    }
    int code = defaultCode;
    std::string message;
    if (object.isMember("code") && !object["code"].isNull() &&
        !json::integer(object["code"], code)) {
        set_bad_reply(error, "\"code\" is not a number");
        return false;
    }
    if (!json::text(object.get("msg", defaultMsg), message)) {
        set_bad_reply(error, "\"msg\" is not a text");
        return false;
    }
    if (code == 0) {
        // 0 means success to every caller; a reply claiming it is not one we understand.
        set_bad_reply(error, "\"code\" 0");
        return false;
    }
    error.message = message;
    error.code = code == 200 ? kCodeSuccess : code;
    return code == 200;
}

bool apply_result_rule(const utils::http_response& response, int defaultCode,
                       const Json::Value& defaultMsg, api_error& error, Json::Value* root) {
    Json::Value parsed;
    if (read_reply(response, parsed, error) != reply_kind::json)
        return false;
    const bool ok = read_code(parsed, defaultCode, defaultMsg, error);
    if (root && parsed.isObject())
        *root = std::move(parsed);
    return ok;
}

} // namespace brisko
