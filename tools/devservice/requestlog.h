#pragma once
// Every request the stand-in received, as received, for tests to assert on.
#include "tools/devservice/httpmessage.h"

#include <deque>
#include <mutex>

namespace devservice {

class RequestLog {
public:
    void add(const Request& request);

    std::vector<Request> all() const;
    // Requests whose target, before any "?", is exactly `path` (raw, not decoded).
    std::vector<Request> forPath(const std::string& path) const;
    std::size_t size() const;
    void clear();

    // Keep at most this many of the newest requests; 0 keeps all. For long runs.
    void setLimit(std::size_t maxEntries);

private:
    mutable std::mutex mutex_;
    std::deque<Request> requests_;
    std::size_t limit_ = 0;
};

} // namespace devservice
