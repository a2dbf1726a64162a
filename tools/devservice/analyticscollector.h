#pragma once
// A stand-in for the usage-analytics collector: plain HTTP, answers hits the way the
// real one does (200 and a tiny image), and keeps every request with its form fields
// decoded, in order, for tests to assert on.
#include "tools/devservice/httpserver.h"

#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace devservice {

using FormFields = std::vector<std::pair<std::string, std::string>>;

// Decodes an application/x-www-form-urlencoded text: pairs split at "&" and the first
// "=", "+" read as a blank, %XX as that byte. Malformed escapes are kept as sent.
FormFields parseForm(const std::string& encoded);

struct AnalyticsHit {
    Request request;   // as received: method, raw target, header lines, body
    FormFields fields; // the POST body's fields, or a GET's query fields

    // The first field of that name; empty when there is none.
    std::string field(const std::string& name) const;
    bool has(const std::string& name) const;
};

class AnalyticsCollector {
public:
    AnalyticsCollector();
    ~AnalyticsCollector();
    AnalyticsCollector(const AnalyticsCollector&) = delete;
    AnalyticsCollector& operator=(const AnalyticsCollector&) = delete;

    // Listens on host:port (port 0: a free one, see port()). Once only.
    bool start(const std::string& host = "127.0.0.1", std::uint16_t port = 0,
               std::string* error = nullptr);
    void stop();
    std::uint16_t port() const;

    // Every request received so far, hits or not, in arrival order.
    std::vector<AnalyticsHit> hits() const;
    std::size_t hitCount() const;
    void clear(); // hits and scripted answers
    // Keep at most this many of the newest hits; 0 keeps all. For long runs.
    void setLimit(std::size_t maxHits);

    // The next request answers `status` instead of the collector's own answer; a 3xx
    // points elsewhere with a Location header. Calls queue up for the following requests.
    void answerNext(int status);

private:
    Response handle(const Request& request);

    mutable std::mutex mutex_; // guards hits_, scripted_ and limit_
    std::deque<AnalyticsHit> hits_;
    std::deque<int> scripted_;
    std::size_t limit_ = 0;
    std::unique_ptr<HttpServer> server_;
};

} // namespace devservice
