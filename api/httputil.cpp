#include "api/httputil.h"

#include "api/curlhandle.h"

#include <memory>

namespace utils {

namespace {

struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, SlistDeleter>;

struct EasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;

curl_slist* append(curl_slist* list, const std::string& line) {
    curl_slist* grown = curl_slist_append(list, line.c_str());
    if (!grown)
        curl_slist_free_all(list);
    return grown;
}

// The custom header lines, chosen by the size of the header map: one entry is the
// content-type line; two are the content-type line, the cookie line and the content-type
// line again (the service has always been sent this shape); any other size sends none.
// A map whose entries don't match its size can't be sent: `valid` becomes false.
HeaderList buildHeaderList(const header_map& headers, bool& valid) {
    valid = true;
    const auto contentType = headers.find("Content-type");
    const auto cookie = headers.find("Cookie");
    if (headers.size() == 1) {
        if (contentType == headers.end()) {
            valid = false;
            return nullptr;
        }
        return HeaderList(append(nullptr, contentType->second));
    }
    if (headers.size() == 2) {
        if (contentType == headers.end() || cookie == headers.end()) {
            valid = false;
            return nullptr;
        }
        curl_slist* list = append(nullptr, contentType->second);
        if (list)
            list = append(list, cookie->second);
        if (list)
            list = append(list, contentType->second);
        return HeaderList(list);
    }
    return nullptr;
}

// Options every API call shares: where the reply goes and when to give up.
void setCommonOptions(CURL* handle, const std::string& url, std::string* body,
                      std::string* headerText) {
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &http_util::write_callback);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, body);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &http_util::write_callback);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, headerText);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, http_util::kLowSpeedTimeSeconds);
}

enum class Method { Get, Post };

http_response* perform(Method method, const std::string& url, const httpReqData& request) {
    auto response = std::make_unique<http_response>();
    const std::string sentBody = request.get_data();
    const header_map headers = request.get_headers();
    std::string body;
    std::string headerText;

    bool valid = true;
    HeaderList list = buildHeaderList(headers, valid);
    if (!valid) {
        response->set_transfer_result(CURLE_BAD_FUNCTION_ARGUMENT);
        return response.release();
    }
    EasyHandle handle(create_curl_handle());
    if (!handle) {
        response->set_transfer_result(CURLE_FAILED_INIT);
        return response.release();
    }
    setCommonOptions(handle.get(), url, &body, &headerText);
    if (method == Method::Post) {
        curl_easy_setopt(handle.get(), CURLOPT_POST, 1L);
        curl_easy_setopt(handle.get(), CURLOPT_POSTFIELDS, sentBody.c_str());
    }
    if (list)
        curl_easy_setopt(handle.get(), CURLOPT_HTTPHEADER, list.get());

    const CURLcode result = curl_easy_perform(handle.get());
    long status = 0;
    curl_easy_getinfo(handle.get(), CURLINFO_RESPONSE_CODE, &status);

    int code = 0;
    if (method == Method::Get)
        code = result == CURLE_COULDNT_CONNECT ? 7 : static_cast<int>(status);
    else
        code = (result == CURLE_OK && status == 200) ? 200 : static_cast<int>(result);

    response->set_headers(http_util::parse_headers(headerText));
    response->set_body(body);
    response->set_code(code);
    response->set_transfer_result(result);
    response->set_http_status(status);
    return response.release();
}

} // namespace

http_util::http_util() : multi(curl_multi_init()) {}

http_util::~http_util() {
    if (multi)
        curl_multi_cleanup(multi);
}

http_response* http_util::get(const std::string& url, const httpReqData& request) {
    return perform(Method::Get, url, request);
}

http_response* http_util::post(const std::string& url, const httpReqData& request) {
    return perform(Method::Post, url, request);
}

size_t http_util::write_callback(char* data, size_t size, size_t count, std::string* target) {
    const size_t bytes = size * count;
    target->append(data, bytes);
    return bytes;
}

std::map<std::string, std::string> http_util::parse_headers(const std::string& headerText) {
    std::map<std::string, std::string> headers;
    size_t start = 0;
    while (start <= headerText.size()) {
        size_t end = headerText.find('\n', start);
        if (end == std::string::npos)
            end = headerText.size();
        const std::string line = headerText.substr(start, end - start);
        start = end + 1;

        const size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        // The value starts two characters after the colon: the separating blank is
        // skipped whatever it is.
        std::string value = colon + 2 <= line.size() ? line.substr(colon + 2) : std::string();
        const size_t last = value.find_last_not_of(" \n\r\t");
        value.erase(last == std::string::npos ? 0 : last + 1);
        headers[line.substr(0, colon)] = value;
    }
    return headers;
}

} // namespace utils
