#pragma once
// How every service call turns a reply into a result code and message.
#include "api/httprecords.h"

#include <json/json.h>

#include <string>

namespace brisko {

// Result codes the API layer produces itself (the rest are the service's own codes or
// HTTP statuses).
constexpr int kCodeNoCall = -1;
constexpr int kCodeSuccess = 0;
constexpr int kCodeNetworkError = 11;  // no reply, or a reply cut off
constexpr int kCodeBadReply = 99;      // not JSON (with status 200), or JSON of the wrong shape
constexpr int kCodeSessionExpired = 201;
constexpr int kCodeServiceOk = 200;    // the service's own success code, sent by some replies
constexpr int kCodeBadArgument = 98;   // refused before sending: the request can't be right

// The outcome an API object keeps for its caller.
struct api_error {
    int code = kCodeNoCall;
    std::string message;
};

namespace json {

// Parses a reply body; false when it is not JSON (an empty body included). Never throws.
bool parse(const std::string& body, Json::Value& root);
// The body of a request, as the service has always been sent it: jsoncpp's styled writer.
std::string styled(const Json::Value& value);

// Member readers that never throw: false when the member has a type that can't be read
// as asked (an object or array where text is read, non-numeric text where a number is).
// Numbers become their decimal text, booleans "true"/"false", null the empty text.
bool text(const Json::Value& value, std::string& out);
// Integers, integral floating values and decimal text.
bool integer(const Json::Value& value, int& out);

} // namespace json

// How a finished call's reply reads.
enum class reply_kind {
    no_reply,   // the transfer failed: kCodeNetworkError is stored
    not_json,   // HTTP status, or kCodeBadReply for status 200, is stored
    json,       // parsed; `root` holds it (any JSON value)
};
reply_kind read_reply(const utils::http_response& response, Json::Value& root,
                      api_error& error);

// The "code" and "msg" of a reply object, with the operation's defaults; true for 200.
// A code or message that can't be read, or code 0, is a bad reply.
bool read_code(const Json::Value& object, int defaultCode, const Json::Value& defaultMsg,
               api_error& error);

// Applies the result rule to a finished call and stores the outcome in `error`:
//  - no complete reply: kCodeNetworkError with libcurl's text;
//  - a JSON object: "code" (default `defaultCode`) and "msg" (default `defaultMsg`); code
//    200 is success (error code 0), any other code is the failure's code. The message is
//    stored in both cases;
//  - JSON of another shape, or a "code"/"msg" that can't be read: kCodeBadReply;
//  - not JSON: the HTTP status with "HTTP error code: N", or kCodeBadReply (message left
//    as it was) when the status is 200.
// Returns true on success; `root` receives the parsed reply when it was a JSON object.
bool apply_result_rule(const utils::http_response& response, int defaultCode,
                       const Json::Value& defaultMsg, api_error& error,
                       Json::Value* root = nullptr);

// Marks a reply that parsed but doesn't have the members the operation reads.
void set_bad_reply(api_error& error, const std::string& what);

} // namespace brisko
