#pragma once
// Pieces of URLs the endpoints read: percent-encoded paths, query parameters and the
// service's share links.
#include <cstdint>
#include <optional>
#include <string>

namespace devservice {

// "%2F" → "/", "+" stays "+"; nullopt when a "%" is not followed by two hex digits.
std::optional<std::string> percentDecode(const std::string& text);
// Every byte but letters, digits and "-._~" as "%XX".
std::string percentEncode(const std::string& text);

// A number written in plain decimal digits only (no sign, no blanks, at most 19 digits).
std::optional<std::uint64_t> plainDecimal(const std::string& text);

// The raw value of the first `name=value` of a query ("a=1&b=2"); nullopt when absent.
std::optional<std::string> queryValue(const std::string& query, const std::string& name);

// A share link, whatever its host: [scheme://][label.]host/+(file|folder)/+CODE, then
// optionally more path, a query (whose "p" is the link's password) and a fragment.
struct ShareLink {
    bool folder = false;
    std::string code;
    std::string password; // from "p=", decoded; empty when the link has none
};
std::optional<ShareLink> parseShareLink(const std::string& url);

// "https://www." + webHost + "/file/" or "/folder/" + code: the form the client keeps.
std::string shareLink(const std::string& webHost, bool folder, const std::string& code);

} // namespace devservice
