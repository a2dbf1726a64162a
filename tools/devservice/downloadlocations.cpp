#include "tools/devservice/downloadlocations.h"

#include "tools/devservice/randomtext.h"

namespace devservice {

void DownloadLocations::setLifetime(std::chrono::milliseconds lifetime) {
    std::lock_guard<std::mutex> lock(mutex_);
    lifetime_ = lifetime;
}

void DownloadLocations::setMaxUses(int uses) {
    std::lock_guard<std::mutex> lock(mutex_);
    maxUses_ = uses;
}

std::string DownloadLocations::issue(DownloadSource source) {
    const std::string token = randomHex(16);
    std::lock_guard<std::mutex> lock(mutex_);
    const Clock::time_point now = Clock::now();
    // Expired ones are dropped as new ones come, so a long run doesn't pile them up.
    for (auto it = locations_.begin(); it != locations_.end();)
        it = it->second.expires <= now ? locations_.erase(it) : std::next(it);
    Location& location = locations_[token];
    location.source = std::make_shared<const DownloadSource>(std::move(source));
    location.expires = now + lifetime_;
    location.limitedUses = maxUses_ > 0;
    location.usesLeft = maxUses_;
    return token;
}

std::shared_ptr<const DownloadSource> DownloadLocations::use(const std::string& token) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = locations_.find(token);
    if (it == locations_.end() || it->second.expires <= Clock::now())
        return nullptr;
    Location& location = it->second;
    if (location.limitedUses && location.usesLeft-- <= 0)
        return nullptr;
    return location.source;
}

void DownloadLocations::expireAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    locations_.clear();
}

} // namespace devservice
