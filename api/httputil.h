#pragma once
// The thin HTTP layer under every service call: one blocking request per call, each on a
// fresh easy handle from create_curl_handle().
#include "api/httprecords.h"

#include <curl/curl.h>

#include <cstddef>
#include <map>
#include <string>

namespace utils {

class http_util {
public:
    http_util();
    virtual ~http_util();
    http_util(const http_util&) = delete;
    http_util& operator=(const http_util&) = delete;

    // Blocking GET / POST. The request is copied when the call starts; the returned
    // response belongs to the caller.
    static http_response* get(const std::string& url, const httpReqData& request);
    static http_response* post(const std::string& url, const httpReqData& request);

    // libcurl write and header callback: appends every byte it is given.
    static size_t write_callback(char* data, size_t size, size_t count, std::string* target);
    static std::map<std::string, std::string> parse_headers(const std::string& headerText);

    CURLM* get_multi_handle() const { return multi; }

    // Seconds below one byte per second after which an API call is abandoned, so that
    // no call can hang the program for ever.
    static constexpr long kLowSpeedTimeSeconds = 60;

private:
    CURLM* multi = nullptr;
};

} // namespace utils
