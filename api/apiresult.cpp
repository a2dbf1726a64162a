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

bool apply_result_rule(const utils::http_response& response, int defaultCode,
                       const Json::Value& defaultMsg, api_error& error, Json::Value* root) {
    if (!response.transfer_completed()) {
        const int result = response.get_transfer_result();
        error.code = kCodeNetworkError;
        error.message = std::string(curl_easy_strerror(static_cast<CURLcode>(result))) +
                        " (curl " + std::to_string(result) + ")";
        return false;
    }

    Json::Value parsed;
    if (!json::parse(response.body_ref(), parsed)) {
        const long status = response.get_http_status();
        if (status == 200) {
            error.code = kCodeBadReply;
        } else {
            error.code = static_cast<int>(status);
            error.message = "HTTP error code: " + std::to_string(status);
        }
        return false;
    }
    if (!parsed.isObject()) {
        set_bad_reply(error, "not a JSON object");
        return false;
    }

    int code = defaultCode;
    std::string message;
    if (parsed.isMember("code") && !parsed["code"].isNull() &&
        !json::integer(parsed["code"], code)) {
        set_bad_reply(error, "\"code\" is not a number");
        return false;
    }
    if (!json::text(parsed.get("msg", defaultMsg), message)) {
        set_bad_reply(error, "\"msg\" is not a text");
        return false;
    }
    if (code == 0) {
        // 0 means success to every caller; a reply claiming it is not one we understand.
        set_bad_reply(error, "\"code\" 0");
        return false;
    }
    error.message = message;
    if (root)
        *root = std::move(parsed);
    if (code == 200) {
        error.code = kCodeSuccess;
        return true;
    }
    error.code = code;
    return false;
}

} // namespace brisko
