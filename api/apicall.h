#pragma once
// Sending one call of the service API with the current login session.
#include "api/httprecords.h"

#include <json/json.h>

#include <memory>
#include <string>

namespace brisko {

class client;

// POSTs `body` as styled JSON to `url` with the session's header lines; the session
// token is added as "token" unless `withToken` is false.
std::unique_ptr<utils::http_response> post_api(client& c, const std::string& url,
                                               Json::Value body, bool withToken = true);
// GETs `url` with the session's header lines.
std::unique_ptr<utils::http_response> get_api(client& c, const std::string& url);

} // namespace brisko
