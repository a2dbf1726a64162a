#pragma once
// Every account's tree of files and folders, in memory and, when given a folder, in
// <folder>/files.json (rewritten atomically after every change). Thread-safe: each
// call, and each read() or edit() with its function, runs under the store's lock.
#include "tools/devservice/filetree.h"

#include <map>
#include <memory>
#include <mutex>

namespace devservice {

class FileStore {
public:
    FileStore();

    // Loads the folder's trees, if any; from then on changes are saved there. An empty
    // folder name keeps the store in memory only.
    bool open(const std::string& folder, std::string* error = nullptr);

    // For tests and seeding. Paths are full paths in the account ("/Phim/Hay"; "" or "/"
    // is the top level). Nothing is added, and nullopt returned, when the parent folder
    // is missing or already holds that name.
    std::optional<FileEntry> addFolder(const std::string& accountId, const std::string& parentPath,
                                       const std::string& name);
    // `file` gives name, size, seed, flags, password, description and times (a zero
    // creation time becomes now); id, link code, owner and parent are assigned.
    std::optional<FileEntry> addFile(const std::string& accountId, const std::string& parentPath,
                                     FileEntry file);
    // Many entries under one lock and one save: `fill` adds them to the account's tree.
    void fill(const std::string& accountId, const std::function<void(FileTree&)>& fill);

    std::optional<FileEntry> find(const std::string& linkcode) const; // in any account
    std::optional<FileEntry> findByPath(const std::string& accountId,
                                        const std::string& path) const;
    std::vector<FileEntry> list(const std::string& accountId, const std::string& folderPath) const;
    std::string pathOf(const std::string& linkcode) const; // empty when unknown

    // For endpoints: `look` sees the account's tree (empty for an account without files).
    void read(const std::string& accountId, const std::function<void(const FileTree&)>& look) const;
    // `change` edits the account's tree; a true return means it changed and is saved.
    void edit(const std::string& accountId, const std::function<bool(FileTree&)>& change);
    // The same on the tree that holds `linkcode`, whoever owns it; false when none does.
    bool readOwnerOf(const std::string& linkcode,
                     const std::function<void(const FileTree&)>& look) const;
    bool editOwnerOf(const std::string& linkcode, const std::function<bool(FileTree&)>& change);

    // Why the last save failed; empty after a good one. Failures also go to stderr.
    std::string saveError() const;

private:
    FileTree& tree(const std::string& accountId) const; // made on first use
    FileTree* ownerOf(const std::string& linkcode) const;
    void save(); // with mutex_ held

    mutable std::mutex mutex_;
    std::string folder_;
    mutable FileTree::Numbering numbering_;
    mutable std::map<std::string, std::unique_ptr<FileTree>> trees_;
    std::string saveError_;
};

} // namespace devservice
