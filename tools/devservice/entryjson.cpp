#include "tools/devservice/entryjson.h"

#include "tools/devservice/filecontent.h"

#include <strings.h>

namespace devservice {

namespace {

Json::Value flag(bool on) {
    return on ? 1 : 0;
}

std::string text(std::int64_t number) {
    return std::to_string(number);
}

} // namespace

Json::Value listingJson(const FileTree& tree, const FileEntry& entry, const std::string& viewerId) {
    const FileEntry* parent = tree.find(entry.parent);
    Json::Value item;
    item["id"] = static_cast<Json::Int64>(entry.id);
    item["linkcode"] = entry.linkcode;
    item["name"] = entry.name;
    item["secure"] = entry.secure ? "1" : "0";
    item["public"] = entry.secure ? "0" : "1";
    item["copied"] = flag(entry.copied);
    item["shared"] = flag(entry.shared);
    item["directlink"] = flag(entry.directLink);
    item["type"] = entry.folder ? kFolderType : kFileType;
    item["path"] = tree.holderPath(entry);
    item["hash_index"] = entry.folder ? "" : contentHash(entry.seed, entry.size);
    item["owner_id"] = entry.ownerId;
    item["pid"] = static_cast<Json::Int64>(parent ? parent->id : 0);
    item["size"] = text(static_cast<std::int64_t>(entry.size));
    item["downloadcount"] = static_cast<Json::Int64>(entry.downloads);
    item["deleted"] = "0";
    item["description"] = entry.description;
    item["created"] = text(entry.created);
    item["lastdownload"] =
        entry.lastDownload ? Json::Value(text(entry.lastDownload)) : Json::Value();
    item["modified"] = text(entry.modified);
    item["t_index"] = "0";
    item["pwd"] = viewerId == entry.ownerId ? entry.password : "";
    return item;
}

Json::Value lookupJson(const FileTree& tree, const FileEntry& entry, const std::string& viewerId) {
    Json::Value item = listingJson(tree, entry, viewerId);
    item["file_type"] = item["type"];
    item.removeMember("type");
    item["code"] = 200;
    return item;
}

Json::Value photoJson(const FileTree& tree, const FileEntry& entry, const std::string& base) {
    Json::Value item;
    item["id"] = text(entry.id);
    item["name"] = entry.name;
    item["path"] = tree.holderPath(entry);
    item["created"] = text(entry.created);
    item["s"] = base + "/thumb/s/" + entry.linkcode;
    item["l"] = base + "/thumb/l/" + entry.linkcode;
    return item;
}

bool isImageName(const std::string& name) {
    for (const char* extension : {".jpg", ".jpeg", ".png", ".gif", ".bmp", ".webp"}) {
        const std::size_t length = std::string(extension).size();
        if (name.size() > length && strcasecmp(name.c_str() + name.size() - length, extension) == 0)
            return true;
    }
    return false;
}

} // namespace devservice
