#pragma once
// The direct download locations handed out by the download session: each names one
// file, or a zip of a folder, and lasts a limited time or number of uses, after which
// its GET answers 403 and the client must ask for a new one. Thread-safe.
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace devservice {

// A file's bytes as they were when the location was issued.
struct DownloadItem {
    std::string name; // within a zip: the path below the zipped folder ("Sub/a.txt", "Sub/")
    bool folder = false;
    std::uint64_t size = 0;
    std::uint64_t seed = 0;
    std::string contentFile; // an uploaded file's bytes, read from here instead of the seed
    std::int64_t modified = 0;
};

struct DownloadSource {
    std::string fileName; // offered to the client as the download's name
    bool zip = false;     // items make a zip; otherwise the one item is the file
    std::vector<DownloadItem> items;
};

class DownloadLocations {
public:
    using Clock = std::chrono::steady_clock;

    // Applies to locations issued from now on.
    void setLifetime(std::chrono::milliseconds lifetime);
    void setMaxUses(int uses); // 0: any number

    // A new unguessable token for the source.
    std::string issue(DownloadSource source);
    // The source behind a token, counting one use; nothing when the token is unknown,
    // expired or used up.
    std::shared_ptr<const DownloadSource> use(const std::string& token);
    // Every location issued so far expires.
    void expireAll();

private:
    struct Location {
        std::shared_ptr<const DownloadSource> source;
        Clock::time_point expires;
        int usesLeft = 0; // with maxUses set
        bool limitedUses = false;
    };

    std::mutex mutex_;
    std::chrono::milliseconds lifetime_ = std::chrono::hours(6);
    int maxUses_ = 0;
    std::map<std::string, Location> locations_;
};

} // namespace devservice
