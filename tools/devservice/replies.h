#pragma once
// The service's JSON answers: {"code": ..., "msg": ...} plus members, HTTP status 200.
#include "tools/devservice/httpmessage.h"

#include <json/json.h>

namespace devservice {

// Result codes the stand-in answers with in "code".
namespace code {
constexpr int kOk = 200;
constexpr int kSessionExpired = 201;
constexpr int kBadRequest = 2; // body is not a JSON object
constexpr int kWrongAppKey = 3;
constexpr int kMissingField = 4;
constexpr int kWrongCredentials = 5;
} // namespace code

Response jsonReply(const Json::Value& body);
// {"code": code, "msg": message}
Response resultReply(int code, const std::string& message);
Response sessionExpiredReply();
// What a web server answers for a page it doesn't have: not JSON.
Response notFoundPage();

} // namespace devservice
