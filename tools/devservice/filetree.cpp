#include "tools/devservice/filetree.h"

#include "tools/devservice/randomtext.h"

#include <algorithm>

namespace devservice {

namespace {

constexpr std::size_t kCodeLength = 12;

// A copy as a new entry: fresh id and code, counts and sharing start again.
FileEntry freshCopy(FileEntry entry, const std::string& parent, std::int64_t now) {
    entry.id = 0;
    entry.linkcode.clear();
    entry.parent = parent;
    entry.copied = true;
    entry.shared = false;
    entry.downloads = 0;
    entry.lastDownload = 0;
    entry.created = entry.modified = now;
    return entry;
}

} // namespace

std::vector<std::string> pathNames(const std::string& path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        if (slash > start)
            names.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return names;
}

std::string FileTree::Numbering::takeCode() {
    std::string code;
    do
        code = randomText(kCodeLength, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    while (codeTaken && codeTaken(code));
    return code;
}

FileTree::FileTree(std::string ownerId, Numbering& numbering)
    : ownerId_(std::move(ownerId)), numbering_(&numbering) {}

const FileEntry* FileTree::find(const std::string& code) const {
    const auto it = entries_.find(code);
    return it == entries_.end() ? nullptr : &it->second;
}

FileEntry* FileTree::find(const std::string& code) {
    const auto it = entries_.find(code);
    return it == entries_.end() ? nullptr : &it->second;
}

std::optional<std::string> FileTree::folderAt(const std::string& path) const {
    std::string folder;
    for (const std::string& name : pathNames(path)) {
        const FileEntry* child = childNamed(folder, name);
        if (!child || !child->folder)
            return std::nullopt;
        folder = child->linkcode;
    }
    return folder;
}

const FileEntry* FileTree::entryAt(const std::string& path) const {
    std::vector<std::string> names = pathNames(path);
    if (names.empty())
        return nullptr;
    const std::string last = names.back();
    names.pop_back();
    std::string holder;
    for (const std::string& name : names)
        holder += "/" + name;
    const auto folder = folderAt(holder);
    return folder ? childNamed(*folder, last) : nullptr;
}

const FileEntry* FileTree::childNamed(const std::string& folder, const std::string& name) const {
    const auto it = children_.find(folder);
    if (it == children_.end())
        return nullptr;
    for (const std::string& code : it->second) {
        const FileEntry& entry = entries_.at(code);
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

std::vector<const FileEntry*> FileTree::children(const std::string& folder) const {
    std::vector<const FileEntry*> list;
    const auto it = children_.find(folder);
    if (it != children_.end()) {
        for (const std::string& code : it->second)
            list.push_back(&entries_.at(code));
    }
    return list;
}

std::vector<const FileEntry*> FileTree::descendants(const std::string& folder) const {
    std::vector<const FileEntry*> list;
    for (const FileEntry* child : children(folder)) {
        list.push_back(child);
        if (child->folder) {
            const auto below = descendants(child->linkcode);
            list.insert(list.end(), below.begin(), below.end());
        }
    }
    return list;
}

std::string FileTree::fullPath(const std::string& code) const {
    std::string path;
    for (const FileEntry* entry = find(code); entry; entry = find(entry->parent))
        path = "/" + entry->name + path;
    return path.empty() ? "/" : path;
}

std::string FileTree::holderPath(const FileEntry& entry) const {
    return fullPath(entry.parent);
}

bool FileTree::isWithin(const std::string& code, const std::string& folder) const {
    if (code == folder)
        return true;
    for (const FileEntry* entry = find(code); entry; entry = find(entry->parent)) {
        if (entry->parent == folder)
            return true;
    }
    return false;
}

const FileEntry& FileTree::add(FileEntry entry) {
    if (entry.id == 0)
        entry.id = numbering_->takeId();
    if (entry.linkcode.empty())
        entry.linkcode = numbering_->takeCode();
    entry.ownerId = ownerId_;
    children_[entry.parent].push_back(entry.linkcode);
    const std::string code = entry.linkcode;
    return entries_[code] = std::move(entry);
}

void FileTree::remove(const std::string& code) {
    std::vector<std::string> below;
    for (const FileEntry* entry : descendants(code))
        below.push_back(entry->linkcode);
    for (const std::string& gone : below) {
        children_.erase(gone);
        entries_.erase(gone);
    }
    detach(code);
    children_.erase(code);
    entries_.erase(code);
}

void FileTree::move(const std::string& code, const std::string& folder) {
    detach(code);
    FileEntry& entry = entries_.at(code);
    entry.parent = folder;
    children_[folder].push_back(code);
}

const FileEntry& FileTree::copy(const std::string& code, const std::string& folder,
                                std::int64_t now) {
    const std::vector<const FileEntry*> contents = descendants(code);
    const std::string copyCode = add(freshCopy(entries_.at(code), folder, now)).linkcode;
    // Contents come parents first, so each folder's copy exists before its children's;
    // the map takes original folder codes to their copies.
    std::unordered_map<std::string, std::string> copies{{code, copyCode}};
    for (const FileEntry* original : contents)
        copies[original->linkcode] =
            add(freshCopy(*original, copies.at(original->parent), now)).linkcode;
    return entries_.at(copyCode);
}

Json::Value FileTree::toJson() const {
    Json::Value list(Json::arrayValue);
    for (const FileEntry* entry : descendants(""))
        list.append(entry->toJson());
    return list;
}

bool FileTree::load(const Json::Value& entries) {
    if (!entries.isArray())
        return false;
    for (const Json::Value& value : entries) {
        if (!value.isObject())
            return false;
        FileEntry entry = FileEntry::fromJson(value);
        const FileEntry* parent = find(entry.parent);
        const bool parentKnown = entry.parent.empty() || (parent && parent->folder);
        if (entry.linkcode.empty() || find(entry.linkcode) || !parentKnown)
            return false;
        numbering_->nextId = std::max(numbering_->nextId, entry.id + 1);
        add(std::move(entry));
    }
    return true;
}

void FileTree::detach(const std::string& code) {
    const FileEntry* entry = find(code);
    if (!entry)
        return;
    auto& siblings = children_[entry->parent];
    siblings.erase(std::remove(siblings.begin(), siblings.end(), code), siblings.end());
}

} // namespace devservice
