#pragma once
// The upload locations handed out by the upload session: who may send which file into
// which folder. A kept store keeps them too, so they stay valid across a restart, as the
// service's own do. Thread-safe.
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
    // Keeps the slots in `folder` (read back now, written whenever one is handed out);
    // empty: in memory only. False, with `error`, when a kept file cannot be read.
    bool open(const std::string& folder, std::string* error = nullptr);

    std::string issue(UploadSlot slot); // a new unguessable token
    std::optional<UploadSlot> find(const std::string& token) const;

private:
    void save() const;

    mutable std::mutex mutex_;
    std::string path_; // the kept file; empty in memory only
    std::map<std::string, UploadSlot> slots_;
};

} // namespace devservice
