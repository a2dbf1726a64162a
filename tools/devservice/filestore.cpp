#include "tools/devservice/filestore.h"

#include "tools/devservice/jsonfiles.h"

#include <ctime>
#include <iostream>

namespace devservice {

namespace {

constexpr char kFileName[] = "/files.json";

} // namespace

FileStore::FileStore() {
    // Called with mutex_ held, from inside a tree's add().
    numbering_.codeTaken = [this](const std::string& code) { return ownerOf(code) != nullptr; };
}

bool FileStore::open(const std::string& folder, std::string* error) {
    std::lock_guard<std::mutex> lock(mutex_);
    folder_ = folder;
    trees_.clear();
    if (folder.empty())
        return true;
    const std::string path = folder + kFileName;
    Json::Value root;
    if (!readJsonFileIfThere(path, root, error))
        return false;
    try {
        const Json::Value& accounts = root["trees"];
        for (const std::string& accountId : accounts.getMemberNames()) {
            if (!tree(accountId).load(accounts[accountId])) {
                if (error)
                    *error = path + ": broken tree of account " + accountId;
                return false;
            }
        }
        numbering_.nextId = std::max(numbering_.nextId, root.get("next_id", 1).asInt64());
    } catch (const Json::Exception& e) {
        if (error)
            *error = path + ": " + e.what();
        return false;
    }
    return true;
}

std::optional<FileEntry> FileStore::addFolder(const std::string& accountId,
                                              const std::string& parentPath,
                                              const std::string& name) {
    FileEntry folder;
    folder.name = name;
    folder.folder = true;
    return addFile(accountId, parentPath, folder);
}

std::optional<FileEntry> FileStore::addFile(const std::string& accountId,
                                            const std::string& parentPath, FileEntry file) {
    std::lock_guard<std::mutex> lock(mutex_);
    FileTree& files = tree(accountId);
    const auto parent = files.folderAt(parentPath);
    if (!parent || file.name.empty() || files.childNamed(*parent, file.name))
        return std::nullopt;
    file.id = 0;
    file.linkcode.clear();
    file.parent = *parent;
    if (file.created == 0)
        file.created = std::time(nullptr);
    if (file.modified == 0)
        file.modified = file.created;
    const FileEntry added = files.add(std::move(file));
    save();
    return added;
}

void FileStore::fill(const std::string& accountId, const std::function<void(FileTree&)>& fill) {
    std::lock_guard<std::mutex> lock(mutex_);
    fill(tree(accountId));
    save();
}

std::optional<FileEntry> FileStore::find(const std::string& linkcode) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const FileTree* files = ownerOf(linkcode);
    return files ? std::optional<FileEntry>(*files->find(linkcode)) : std::nullopt;
}

std::optional<FileEntry> FileStore::findByPath(const std::string& accountId,
                                               const std::string& path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const FileEntry* entry = tree(accountId).entryAt(path);
    return entry ? std::optional<FileEntry>(*entry) : std::nullopt;
}

std::vector<FileEntry> FileStore::list(const std::string& accountId,
                                       const std::string& folderPath) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<FileEntry> entries;
    const FileTree& files = tree(accountId);
    if (const auto folder = files.folderAt(folderPath)) {
        for (const FileEntry* entry : files.children(*folder))
            entries.push_back(*entry);
    }
    return entries;
}

std::string FileStore::pathOf(const std::string& linkcode) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const FileTree* files = ownerOf(linkcode);
    return files ? files->fullPath(linkcode) : std::string();
}

void FileStore::read(const std::string& accountId,
                     const std::function<void(const FileTree&)>& look) const {
    std::lock_guard<std::mutex> lock(mutex_);
    look(tree(accountId));
}

void FileStore::edit(const std::string& accountId, const std::function<bool(FileTree&)>& change) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (change(tree(accountId)))
        save();
}

bool FileStore::readOwnerOf(const std::string& linkcode,
                            const std::function<void(const FileTree&)>& look) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const FileTree* files = ownerOf(linkcode);
    if (files)
        look(*files);
    return files != nullptr;
}

bool FileStore::editOwnerOf(const std::string& linkcode,
                            const std::function<bool(FileTree&)>& change) {
    std::lock_guard<std::mutex> lock(mutex_);
    FileTree* files = ownerOf(linkcode);
    if (files && change(*files))
        save();
    return files != nullptr;
}

std::string FileStore::saveError() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return saveError_;
}

FileTree& FileStore::tree(const std::string& accountId) const {
    auto& slot = trees_[accountId];
    if (!slot)
        slot = std::make_unique<FileTree>(accountId, numbering_);
    return *slot;
}

FileTree* FileStore::ownerOf(const std::string& linkcode) const {
    for (const auto& [accountId, files] : trees_) {
        if (files->find(linkcode))
            return files.get();
    }
    return nullptr;
}

void FileStore::save() {
    saveError_.clear();
    if (folder_.empty())
        return;
    Json::Value root;
    root["next_id"] = static_cast<Json::Int64>(numbering_.nextId);
    root["trees"] = Json::Value(Json::objectValue);
    for (const auto& [accountId, files] : trees_)
        root["trees"][accountId] = files->toJson();
    Json::StreamWriterBuilder builder;
    builder["emitUTF8"] = true;
    builder["indentation"] = "";
    if (!writeFileAtomically(folder_ + kFileName, Json::writeString(builder, root) + "\n",
                             &saveError_))
        std::cerr << "devservice: cannot save files: " << saveError_ << '\n';
}

} // namespace devservice
