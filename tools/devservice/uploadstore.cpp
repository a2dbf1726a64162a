#include "tools/devservice/uploadstore.h"

#include "tools/devservice/jsonfiles.h"

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

namespace devservice {

namespace {

void removeFolder(const std::string& folder) {
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                ::unlink((folder + "/" + name).c_str());
        }
        ::closedir(dir);
    }
    ::rmdir(folder.c_str());
}

constexpr char kPartSuffix[] = ".part";
constexpr char kFinishedFile[] = "/finished.json";

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() > tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

UploadStore::~UploadStore() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (ownsFolder_)
        removeFolder(folder_);
}

bool UploadStore::open(const std::string& folder, std::string* error) {
    auto fail = [error](const std::string& message) {
        if (error)
            *error = message + ": " + std::strerror(errno);
        return false;
    };
    std::lock_guard<std::mutex> lock(mutex_);
    if (!folder.empty()) {
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return fail("cannot make " + folder);
        folder_ = folder;
        return readKept(error);
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/brisko-uploads.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data())) // mode 0700
        return fail("cannot make a folder for uploads in " + pattern);
    folder_ = name.data();
    ownsFolder_ = true;
    return true;
}

std::string UploadStore::folder() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return folder_;
}

void UploadStore::setLinkReply(LinkReply reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    linkReply_ = reply;
}

UploadStore::LinkReply UploadStore::linkReply() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return linkReply_;
}

void UploadStore::setBandwidthCap(std::uint64_t bytesPerSecond) {
    std::lock_guard<std::mutex> lock(mutex_);
    cap_ = bytesPerSecond;
}

std::uint64_t UploadStore::bandwidthCap() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return cap_;
}

void UploadStore::setSharedBandwidth(std::uint64_t bytesPerSecond) {
    std::lock_guard<std::mutex> lock(mutex_);
    sharedLine_ = bytesPerSecond;
}

bool UploadStore::sharesLine() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return sharedLine_ > 0;
}

std::chrono::steady_clock::time_point UploadStore::bookSharedLine(std::uint64_t bytes) {
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard<std::mutex> lock(mutex_);
    if (sharedLine_ == 0)
        return now;
    // An idle line saves nothing up.
    lineFree_ = std::max(lineFree_, now) + std::chrono::microseconds(bytes * 1000000 / sharedLine_);
    return lineFree_;
}

void UploadStore::cutNextChunkAfter(std::uint64_t bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    cuts_.push_back(bytes);
}

std::optional<std::uint64_t> UploadStore::takeCut() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (cuts_.empty())
        return std::nullopt;
    const std::uint64_t bytes = cuts_.front();
    cuts_.pop_front();
    return bytes;
}

void UploadStore::invalidate(const std::string& token) {
    std::lock_guard<std::mutex> lock(mutex_);
    invalid_.insert(token);
}

bool UploadStore::isInvalid(const std::string& token) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return invalid_.count(token) > 0;
}

void UploadStore::setChunksPerLocation(int chunks) {
    std::lock_guard<std::mutex> lock(mutex_);
    chunksPerLocation_ = chunks;
}

void UploadStore::countChunk(const std::string& token) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (chunksPerLocation_ > 0 && ++chunkCounts_[token] >= chunksPerLocation_)
        invalid_.insert(token);
}

UploadStore::Progress UploadStore::progress(const std::string& token) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = progress_.find(token);
    return it == progress_.end() ? Progress() : it->second;
}

std::string UploadStore::partPath(const std::string& token) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return folder_ + "/" + token + kPartSuffix;
}

std::string UploadStore::finishedPath(const std::string& linkcode) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return folder_ + "/" + linkcode + ".bin";
}

std::shared_ptr<std::mutex> UploadStore::lockOf(const std::string& token) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto& slot = locks_[token];
    if (!slot)
        slot = std::make_shared<std::mutex>();
    return slot;
}

void UploadStore::setReceived(const std::string& token, std::uint64_t received) {
    std::lock_guard<std::mutex> lock(mutex_);
    progress_[token].received = received;
}

void UploadStore::setComplete(const std::string& token, const std::string& linkcode,
                              const std::string& link) {
    std::lock_guard<std::mutex> lock(mutex_);
    Progress& progress = progress_[token];
    progress.complete = true;
    progress.linkcode = linkcode;
    progress.link = link;
    saveFinished();
}

// Under the lock, from open().
bool UploadStore::readKept(std::string* error) {
    if (DIR* dir = ::opendir(folder_.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            struct stat info {};
            if (endsWith(name, kPartSuffix) && ::stat((folder_ + "/" + name).c_str(), &info) == 0)
                progress_[name.substr(0, name.size() - std::strlen(kPartSuffix))].received =
                    static_cast<std::uint64_t>(info.st_size);
        }
        ::closedir(dir);
    }
    const std::string path = folder_ + kFinishedFile;
    Json::Value root;
    if (!readJsonFileIfThere(path, root, error))
        return false;
    try {
        const Json::Value& finished = root["finished"];
        for (const std::string& token : finished.getMemberNames()) {
            Progress& progress = progress_[token];
            progress.complete = true;
            progress.received = finished[token]["size"].asUInt64();
            progress.linkcode = finished[token]["linkcode"].asString();
            progress.link = finished[token]["link"].asString();
        }
    } catch (const Json::Exception& e) {
        if (error)
            *error = path + ": " + e.what();
        return false;
    }
    return true;
}

// Under the lock. Only a kept folder outlives the store.
void UploadStore::saveFinished() const {
    if (ownsFolder_ || folder_.empty())
        return;
    Json::Value root;
    Json::Value& finished = root["finished"] = Json::Value(Json::objectValue);
    for (const auto& [token, progress] : progress_) {
        if (!progress.complete)
            continue;
        Json::Value& entry = finished[token];
        entry["size"] = static_cast<Json::UInt64>(progress.received);
        entry["linkcode"] = progress.linkcode;
        entry["link"] = progress.link;
    }
    std::string error;
    if (!writeFileAtomically(folder_ + kFinishedFile,
                             Json::writeString(Json::StreamWriterBuilder(), root) + "\n", &error))
        std::cerr << "devservice: cannot save finished uploads: " << error << '\n';
}

} // namespace devservice
