#pragma once
// Transfer sessions (download and upload locations), the version check and the
// transfer-statistics post.
#include "api/apiresult.h"
#include "api/asyncrequest.h"

#include <cstdint>
#include <map>
#include <string>

namespace utils {
class http_response;
}

namespace brisko {

class client;

class sessionapi {
public:
    explicit sessionapi(client* owner);
    virtual ~sessionapi() = default;

    // The direct location of a shared file; empty on failure.
    std::string download(const std::string& url, const std::string& password, bool zipflag);
    // Where a new file's bytes go; empty on failure.
    std::string upload(const std::string& name, std::int64_t size, const std::string& path,
                       int& secured);
    // "version" and "link" of the current program; empty on failure.
    std::map<std::string, std::string> getLatestVersion(int& type);
    // One transfer-statistics record; the reply is not looked at.
    void postLog(int& account_id, std::string& type, int& level, int& speed, int& concurrent);
    // A POST without header lines; the reply body (what arrived of it).
    std::string postPlain(const std::string& url, const std::string& body);

    static size_t write_callback(char* data, size_t size, size_t count, std::string* target);

    void downloadAsync(const std::string& url, async_callback callback);
    void uploadAsync(const std::string& name, const std::string& size, const std::string& path,
                     async_callback callback);
    // Reply reader of both: the location text on success.
    static void onLocationReply(void* owner, utils::http_response* reply, async_callback callback);

    int get_error_code() const { return error.code; }
    std::string get_error_msg() const { return error.message; }
    std::string get_response() const { return response; }

private:
    std::string location(const utils::http_response& reply, int defaultCode,
                         const Json::Value& defaultMsg);

    client* owner;
    api_error error;
    std::string response;
};

} // namespace brisko
