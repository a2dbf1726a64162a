#pragma once
// What the file and session endpoints read from a request: the session and JSON body of
// a POST, typed members, and folder references. Each reader answers with the service's
// refusal when the request doesn't hold what it should.
#include "tools/devservice/filetree.h"
#include "tools/devservice/httpmessage.h"
#include "tools/devservice/sessiontable.h"

#include <json/json.h>

namespace devservice {

class Service;

// The session and body of an authenticated POST, or the reply that refuses it.
struct PostCall {
    Session session;
    Json::Value body;
    std::optional<Response> refusal;
};
PostCall readPost(Service& service, const Request& request);

// Typed members of a body. A reader that fails returns nothing and keeps the first
// failure's refusal for refusal().
class RequestMembers {
public:
    explicit RequestMembers(const Json::Value& body) : body_(body) {}

    std::optional<std::string> text(const char* name);
    std::optional<std::string> optionalText(const char* name); // missing or null: ""
    std::optional<int> integer(const char* name);
    std::optional<int> flag(const char* name);          // an integer 0 or 1
    std::optional<bool> optionalBool(const char* name); // missing: false
    // A non-empty array of link codes, duplicates dropped, order kept.
    std::optional<std::vector<std::string>> codes(const char* name);
    // An array of texts, or null for none.
    std::optional<std::vector<std::string>> optionalTexts(const char* name);

    std::optional<Response> refusal() const { return refusal_; }

private:
    void refuse(int code, const std::string& message);

    const Json::Value& body_;
    std::optional<Response> refusal_;
};

// A folder path as the client sends it, percent-decoding done: a leading "/home"
// names the account's top level ("/home/Phim" is "/Phim"), so a top-level folder
// called "home" is reached by link code only.
std::string accountPath(const std::string& path);
// A folder named the ways the client names them: "0" or "" (the top level), a path
// beginning with "/", or a folder's link code. Nothing when there is no such folder.
std::optional<std::string> folderByReference(const FileTree& tree, const std::string& reference);

// Not empty, not "." or "..", no "/" nor control characters, at most 255 bytes.
bool isValidName(const std::string& name);
// True when neither the entry nor a folder above it is secure, or the viewer owns it.
bool isVisibleTo(const FileTree& tree, const FileEntry& entry, const std::string& viewerId);

// A decimal query parameter; `fallback` when absent, nothing when not a number.
std::optional<long long> queryNumber(const Request& request, const char* name, long long fallback);

} // namespace devservice
