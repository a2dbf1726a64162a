#include "tools/devservice/urltext.h"

#include <cctype>

namespace devservice {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Skips one or more slashes at `at`; false when there is none.
bool skipSlashes(const std::string& text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && text[at] == '/')
        ++at;
    return at > start;
}

} // namespace

std::optional<std::uint64_t> plainDecimal(const std::string& text) {
    if (text.empty() || text.size() > 19)
        return std::nullopt;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    return std::stoull(text);
}

std::optional<std::string> percentDecode(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string percentEncode(const std::string& text) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

std::optional<std::string> queryValue(const std::string& query, const std::string& name) {
    std::size_t start = 0;
    while (start <= query.size()) {
        const std::size_t end = std::min(query.find('&', start), query.size());
        const std::string pair = query.substr(start, end - start);
        if (pair.compare(0, name.size() + 1, name + "=") == 0)
            return pair.substr(name.size() + 1);
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<ShareLink> parseShareLink(const std::string& url) {
    std::size_t at = 0;
    for (const char* scheme : {"https://", "http://"}) {
        if (url.rfind(scheme, 0) == 0)
            at = std::string(scheme).size();
    }
    at = url.find('/', at); // past the host, whichever it is
    if (at == std::string::npos || !skipSlashes(url, at))
        return std::nullopt;
    ShareLink link;
    if (url.compare(at, 5, "file/") == 0) {
        at += 4;
    } else if (url.compare(at, 7, "folder/") == 0) {
        link.folder = true;
        at += 6;
    } else {
        return std::nullopt;
    }
    if (!skipSlashes(url, at))
        return std::nullopt;
    while (at < url.size() && isWordChar(url[at]))
        link.code += url[at++];
    if (link.code.empty() ||
        (at < url.size() && url[at] != '/' && url[at] != '?' && url[at] != '#'))
        return std::nullopt;
    const std::size_t query = url.find('?', at);
    if (query != std::string::npos) {
        const std::string rest = url.substr(query + 1, url.find('#', query) - query - 1);
        if (const auto password = queryValue(rest, "p"))
            link.password = percentDecode(*password).value_or(*password);
    }
    return link;
}

std::string shareLink(const std::string& webHost, bool folder, const std::string& code) {
    return "https://www." + webHost + (folder ? "/folder/" : "/file/") + code;
}

} // namespace devservice
