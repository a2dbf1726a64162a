#pragma once
// The upload locations handed out by the upload session: who may send which file into
// which folder. Thread-safe.
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace devservice {

struct UploadSlot {
    std::string accountId;
    std::string name;
    std::uint64_t size = 0;
    std::string folder; // link code of the target folder; empty for the top level
    int secured = 0;
};

class UploadSlots {
public:
    std::string issue(UploadSlot slot); // a new unguessable token
    std::optional<UploadSlot> find(const std::string& token) const;

private:
    mutable std::mutex mutex_;
    std::map<std::string, UploadSlot> slots_;
};

} // namespace devservice
