#pragma once
// The files and folders of one account. Folders are named by link code; the account's
// top level is the folder with the empty code. Not thread-safe: FileStore guards it.
#include "tools/devservice/fileentry.h"

#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

namespace devservice {

class FileTree {
public:
    // Where new entries get their ids and link codes. One is shared by all the trees of
    // a store, so that both stay unique across accounts, as share links need.
    struct Numbering {
        // Ids below 100 are the service's own entries, which have no share page of
        // their own: the accounts' entries are numbered well above them.
        std::int64_t nextId = 1001;
        std::function<bool(const std::string&)> codeTaken;
        std::int64_t takeId() { return nextId++; }
        std::string takeCode();
    };

    FileTree(std::string ownerId, Numbering& numbering);

    const std::string& ownerId() const { return ownerId_; }
    std::size_t size() const { return entries_.size(); }

    const FileEntry* find(const std::string& code) const;
    FileEntry* find(const std::string& code);
    // The code of the folder at a full path ("/A/B"; "" and "/" are the top level).
    std::optional<std::string> folderAt(const std::string& path) const;
    const FileEntry* entryAt(const std::string& path) const;
    const FileEntry* childNamed(const std::string& folder, const std::string& name) const;
    // A folder's entries in the order they came in.
    std::vector<const FileEntry*> children(const std::string& folder) const;
    // Everything below a folder, depth first, each folder before its contents.
    std::vector<const FileEntry*> descendants(const std::string& folder) const;

    std::string fullPath(const std::string& code) const; // "/A/B"; "/" for the top level
    // The folder that holds the entry, as listings give it: "/" at the top level.
    std::string holderPath(const FileEntry& entry) const;
    // True when `code` is `folder` itself or lies anywhere below it.
    bool isWithin(const std::string& code, const std::string& folder) const;

    // Adds the entry to the folder `entry.parent`, which must exist. An empty id or link
    // code gets a fresh one.
    const FileEntry& add(FileEntry entry);
    void remove(const std::string& code); // with everything below it
    void move(const std::string& code, const std::string& folder);
    // A copy of the entry and everything below it, with fresh ids and codes.
    const FileEntry& copy(const std::string& code, const std::string& folder, std::int64_t now);

    // Every entry, each folder before its contents, so that load() can add them in order.
    Json::Value toJson() const;
    bool load(const Json::Value& entries);

private:
    void detach(const std::string& code);

    std::string ownerId_;
    Numbering* numbering_;
    std::unordered_map<std::string, FileEntry> entries_;
    std::unordered_map<std::string, std::vector<std::string>> children_; // by folder code
};

// The names of a path, empty segments dropped: "/A//B/" gives A, B.
std::vector<std::string> pathNames(const std::string& path);

} // namespace devservice
