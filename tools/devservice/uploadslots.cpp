#include "tools/devservice/uploadslots.h"

#include "tools/devservice/randomtext.h"

namespace devservice {

std::string UploadSlots::issue(UploadSlot slot) {
    const std::string token = randomHex(16);
    std::lock_guard<std::mutex> lock(mutex_);
    slots_[token] = std::move(slot);
    return token;
}

std::optional<UploadSlot> UploadSlots::find(const std::string& token) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = slots_.find(token);
    return it == slots_.end() ? std::nullopt : std::optional<UploadSlot>(it->second);
}

} // namespace devservice
