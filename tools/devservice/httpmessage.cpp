#include "tools/devservice/httpmessage.h"

#include <strings.h>

namespace devservice {

namespace {

std::string trimmed(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    const auto end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

// The value of a header line when its name is `name` (any case).
std::optional<std::string> valueIfNamed(const std::string& line, const std::string& name) {
    const auto colon = line.find(':');
    if (colon != name.size() || strncasecmp(line.data(), name.data(), name.size()) != 0)
        return std::nullopt;
    return trimmed(line.substr(colon + 1));
}

} // namespace

std::string Request::path() const {
    return target.substr(0, target.find('?'));
}

std::string Request::query() const {
    const auto mark = target.find('?');
    return mark == std::string::npos ? std::string() : target.substr(mark + 1);
}

std::optional<std::string> Request::header(const std::string& name) const {
    for (const auto& line : headerLines) {
        if (auto value = valueIfNamed(line, name))
            return value;
    }
    return std::nullopt;
}

std::vector<std::string> Request::headers(const std::string& name) const {
    std::vector<std::string> values;
    for (const auto& line : headerLines) {
        if (auto value = valueIfNamed(line, name))
            values.push_back(*value);
    }
    return values;
}

void Response::setHeader(const std::string& name, const std::string& value) {
    for (auto& header : headers) {
        if (strcasecmp(header.first.c_str(), name.c_str()) == 0) {
            header.second = value;
            return;
        }
    }
    headers.emplace_back(name, value);
}

const char* reasonPhrase(int status) {
    switch (status) {
    case 100:
        return "Continue";
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 206:
        return "Partial Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 411:
        return "Length Required";
    case 413:
        return "Payload Too Large";
    case 416:
        return "Range Not Satisfiable";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    default:
        return "Unknown";
    }
}

} // namespace devservice
