#pragma once
// What goes into the HTTP transport and what comes back out of it.
#include <map>
#include <string>

namespace utils {

using header_map = std::map<std::string, std::string>;

// A request: the JSON body to post and the custom header lines, keyed by header name and
// holding the whole line as it is sent ("Content-type" -> "Content-type:application/json").
class httpReqData {
public:
    httpReqData() = default;
    virtual ~httpReqData() = default;
    httpReqData(const httpReqData&) = default;
    httpReqData& operator=(const httpReqData&) = default;

    std::string& get_data() { return body; }
    const std::string& get_data() const { return body; }
    void set_data(const std::string& data) { body = data; }

    header_map& get_headers() { return headers; }
    const header_map& get_headers() const { return headers; }
    void set_headers(const header_map& map) {
        if (&map != &headers)
            headers = map;
    }

private:
    std::string body;
    header_map headers;
};

// A reply: status code, body and parsed header map. `code` keeps the transport's
// historical meaning (the HTTP status for GET, 200 or the libcurl result for POST);
// `transfer_result` and `http_status` say separately whether the exchange completed and
// with which status, so the API layer can tell "no reply" from "an error page".
class http_response {
public:
    http_response() = default;
    virtual ~http_response() = default;

    header_map get_headers() const { return headers; }
    void set_headers(const header_map& map) {
        if (&map != &headers)
            headers = map;
    }
    std::string get_body() const { return body; }
    const std::string& body_ref() const { return body; }
    void set_body(const std::string& text) { body = text; }
    int get_code() const { return code; }
    void set_code(int value) { code = value; }

    // The libcurl result of the transfer (0 = the whole reply arrived).
    int get_transfer_result() const { return transfer_result; }
    void set_transfer_result(int value) { transfer_result = value; }
    bool transfer_completed() const { return transfer_result == 0; }
    // The HTTP status of the last reply received, 0 when none arrived.
    long get_http_status() const { return http_status; }
    void set_http_status(long value) { http_status = value; }

    // Looks a header up without regard to the case of its name; empty when absent.
    std::string header(const std::string& name, bool* found = nullptr) const;

private:
    header_map headers;
    std::string body;
    int code = -1; // never 200 before a transfer has set it
    int transfer_result = -1;
    long http_status = 0;
};

} // namespace utils
