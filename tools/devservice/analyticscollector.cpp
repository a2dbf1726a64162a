#include "tools/devservice/analyticscollector.h"

#include "tools/devservice/replies.h"
#include "tools/devservice/urltext.h"

#include <algorithm>

namespace devservice {

namespace {

constexpr const char* kCollectPath = "/collect";

// Form fields: "+" is a blank, "%XX" a byte; a malformed escape leaves the text as it is.
std::string formDecode(const std::string& text) {
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), '+', ' ');
    return percentDecode(spaced).value_or(spaced);
}

// The collector's answer to a hit: a 1x1 transparent GIF that must not be cached.
Response pixel() {
    static const unsigned char gif[] = {
        'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xff, 0xff,
        0xff, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
    Response response;
    response.setHeader("Content-Type", "image/gif");
    response.setHeader("Cache-Control", "no-cache, no-store, must-revalidate");
    response.body.assign(reinterpret_cast<const char*>(gif), sizeof gif);
    return response;
}

Response scriptedAnswer(int status, const Request& request, std::uint16_t port) {
    Response response;
    response.status = status;
    if (status >= 300 && status < 400) {
        const std::string host =
            request.header("Host").value_or("127.0.0.1:" + std::to_string(port));
        response.setHeader("Location", "http://" + host + "/moved" + kCollectPath);
    }
    if (status != 204 && status != 304) {
        response.setHeader("Content-Type", "text/plain");
        response.body = std::to_string(status) + "\n";
    }
    return response;
}

} // namespace

FormFields parseForm(const std::string& encoded) {
    FormFields fields;
    std::size_t begin = 0;
    while (begin <= encoded.size()) {
        std::size_t end = encoded.find('&', begin);
        if (end == std::string::npos)
            end = encoded.size();
        const std::string pair = encoded.substr(begin, end - begin);
        if (!pair.empty()) {
            const auto equals = pair.find('=');
            const std::string key = pair.substr(0, equals);
            const std::string value = equals == std::string::npos ? "" : pair.substr(equals + 1);
            fields.emplace_back(formDecode(key), formDecode(value));
        }
        begin = end + 1;
    }
    return fields;
}

std::string AnalyticsHit::field(const std::string& name) const {
    for (const auto& f : fields) {
        if (f.first == name)
            return f.second;
    }
    return {};
}

bool AnalyticsHit::has(const std::string& name) const {
    for (const auto& f : fields) {
        if (f.first == name)
            return true;
    }
    return false;
}

AnalyticsCollector::AnalyticsCollector() = default;

AnalyticsCollector::~AnalyticsCollector() {
    stop();
}

bool AnalyticsCollector::start(const std::string& host, std::uint16_t port, std::string* error) {
    if (server_) {
        if (error)
            *error = "already started";
        return false;
    }
    // No TLS context: the collector speaks plain HTTP.
    server_ = std::make_unique<HttpServer>(
        nullptr, [this](const Request& request) { return handle(request); });
    return server_->start(host, port, error);
}

void AnalyticsCollector::stop() {
    if (server_)
        server_->stop();
}

std::uint16_t AnalyticsCollector::port() const {
    return server_ ? server_->port() : 0;
}

std::vector<AnalyticsHit> AnalyticsCollector::hits() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return {hits_.begin(), hits_.end()};
}

std::size_t AnalyticsCollector::hitCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return hits_.size();
}

void AnalyticsCollector::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    hits_.clear();
    scripted_.clear();
}

void AnalyticsCollector::setLimit(std::size_t maxHits) {
    std::lock_guard<std::mutex> lock(mutex_);
    limit_ = maxHits;
    while (limit_ && hits_.size() > limit_)
        hits_.pop_front();
}

void AnalyticsCollector::answerNext(int status) {
    std::lock_guard<std::mutex> lock(mutex_);
    scripted_.push_back(status);
}

Response AnalyticsCollector::handle(const Request& request) {
    AnalyticsHit hit;
    hit.request = request;
    hit.fields = parseForm(request.method == "GET" ? request.query() : request.body);
    int scripted = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        hits_.push_back(std::move(hit));
        if (limit_ && hits_.size() > limit_)
            hits_.pop_front();
        if (!scripted_.empty()) {
            scripted = scripted_.front();
            scripted_.pop_front();
        }
    }
    if (scripted)
        return scriptedAnswer(scripted, request, port());
    const bool isHit =
        request.path() == kCollectPath && (request.method == "POST" || request.method == "GET");
    return isHit ? pixel() : notFoundPage();
}

} // namespace devservice
