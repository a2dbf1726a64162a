#pragma once
// What the upload locations have received: one partial file per location in a folder of
// the stand-in's own, until the last byte arrives and the file joins the account's tree.
// Also the knobs tests and benchmarks turn: which request hears the file's link, a
// bandwidth cap per connection, scripted cuts in the middle of a chunk, and locations
// that stop being valid. Thread-safe.
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace devservice {

class UploadStore {
public:
    // Which reply carries the "url" of a finished file: the reply to the chunk that
    // completes it, or only the reply to the empty request the client sends once the
    // offset query says the whole file is there. The empty request always hears it.
    enum class LinkReply { CompletingChunk, FinalRequest };

    // What one location holds.
    struct Progress {
        std::uint64_t received = 0; // bytes kept, from the start of the file on
        bool complete = false;
        std::string linkcode; // of the finished file
        std::string link;     // the share link handed to the client
    };

    UploadStore() = default;
    ~UploadStore();
    UploadStore(const UploadStore&) = delete;
    UploadStore& operator=(const UploadStore&) = delete;

    // Where the bytes go: `folder` (made when missing, kept afterwards), or, when empty,
    // a private folder in the temporary folder that is removed with the store. A kept
    // folder tells what each location held before: the bytes of its partial file, and
    // the finished ones it lists.
    bool open(const std::string& folder, std::string* error = nullptr);
    std::string folder() const;

    void setLinkReply(LinkReply reply);
    LinkReply linkReply() const;

    // Bytes per second one connection may send into a location; 0: no cap.
    void setBandwidthCap(std::uint64_t bytesPerSecond);
    std::uint64_t bandwidthCap() const;
    // Bytes per second all connections into upload locations may send together, as over
    // one uplink; 0: no such line. Each piece read books the line's next free time.
    void setSharedBandwidth(std::uint64_t bytesPerSecond);
    bool sharesLine() const;
    // Books `bytes` on the shared line: when reading them may end. Now without a line.
    std::chrono::steady_clock::time_point bookSharedLine(std::uint64_t bytes);

    // The next chunk posted to any location keeps its first `bytes` body bytes; then the
    // connection is dropped without a reply. Calls queue up, one per chunk.
    void cutNextChunkAfter(std::uint64_t bytes);
    std::optional<std::uint64_t> takeCut();

    // From now on the location answers INVALID_UPLOAD_SESSION.
    void invalidate(const std::string& token);
    bool isInvalid(const std::string& token) const;
    // From now on every location stops being valid once it has taken `chunks` chunks
    // that leave its file unfinished (0: never).
    void setChunksPerLocation(int chunks);
    // Counts such a chunk of the location.
    void countChunk(const std::string& token);

    Progress progress(const std::string& token) const;
    // The partial file of a location.
    std::string partPath(const std::string& token) const;
    // Where a finished file's bytes move to; its entry refers to them there.
    std::string finishedPath(const std::string& linkcode) const;

    // One chunk at a time per location: the lock is held while its bytes are written.
    std::shared_ptr<std::mutex> lockOf(const std::string& token);
    void setReceived(const std::string& token, std::uint64_t received);
    void setComplete(const std::string& token, const std::string& linkcode,
                     const std::string& link);

private:
    bool readKept(std::string* error);
    void saveFinished() const;

    mutable std::mutex mutex_;
    std::string folder_;
    bool ownsFolder_ = false;
    LinkReply linkReply_ = LinkReply::CompletingChunk;
    std::uint64_t cap_ = 0;
    std::uint64_t sharedLine_ = 0;
    std::chrono::steady_clock::time_point lineFree_;
    std::deque<std::uint64_t> cuts_;
    std::set<std::string> invalid_;
    int chunksPerLocation_ = 0;
    std::map<std::string, int> chunkCounts_;
    std::map<std::string, Progress> progress_;
    std::map<std::string, std::shared_ptr<std::mutex>> locks_;
};

} // namespace devservice
