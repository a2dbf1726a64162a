#pragma once
// The service's JSON answers: {"code": ..., "msg": ...} plus members, HTTP status 200.
#include "tools/devservice/httpmessage.h"

#include <json/json.h>

namespace devservice {

// Result codes the stand-in answers with in "code". The client reads 200, 201, 123 and
// the message "Multiple IP download" by meaning; the others only reach the user.
namespace code {
constexpr int kOk = 200;
constexpr int kSessionExpired = 201;
constexpr int kBadRequest = 2; // body is not a JSON object
constexpr int kWrongAppKey = 3;
constexpr int kMissingField = 4; // a member is missing, or "items" is null or empty
constexpr int kWrongCredentials = 5;
constexpr int kWrongType = 6; // a member of the wrong JSON type or outside its range
constexpr int kBadName = 7;   // empty, "." or "..", or holding "/" or control characters
constexpr int kNotFound = 21; // no such file, folder or link (for this account)
constexpr int kNeedsZip = 22; // a folder is downloaded as a zip only
constexpr int kZipTooLarge = 23;
constexpr int kTargetMissing = 108;  // move or copy into a folder that doesn't exist
constexpr int kIntoItself = 109;     // a folder moved or copied into itself or below itself
constexpr int kNameTaken = 110;      // the target folder already holds that name
constexpr int kPasswordNeeded = 123; // the file's password is missing or wrong
constexpr int kMultipleIp = 124;     // scripted refusal, with the message kMultipleIpMessage
} // namespace code

inline constexpr char kMultipleIpMessage[] = "Multiple IP download";

Response jsonReply(const Json::Value& body);
// {"code": code, "msg": message}
Response resultReply(int code, const std::string& message);
Response sessionExpiredReply();
// What a web server answers for a page it doesn't have: not JSON.
Response notFoundPage();

} // namespace devservice
