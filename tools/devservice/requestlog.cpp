#include "tools/devservice/requestlog.h"

namespace devservice {

void RequestLog::add(const Request& request) {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(request);
    while (limit_ > 0 && requests_.size() > limit_)
        requests_.pop_front();
}

std::vector<Request> RequestLog::all() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return {requests_.begin(), requests_.end()};
}

std::vector<Request> RequestLog::forPath(const std::string& path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Request> matching;
    for (const auto& request : requests_) {
        if (request.path() == path)
            matching.push_back(request);
    }
    return matching;
}

std::size_t RequestLog::size() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_.size();
}

void RequestLog::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.clear();
}

void RequestLog::setLimit(std::size_t maxEntries) {
    std::lock_guard<std::mutex> lock(mutex_);
    limit_ = maxEntries;
    while (limit_ > 0 && requests_.size() > limit_)
        requests_.pop_front();
}

} // namespace devservice
