#include "tools/devservice/fileentry.h"

namespace devservice {

Json::Value FileEntry::toJson() const {
    Json::Value value;
    value["id"] = static_cast<Json::Int64>(id);
    value["linkcode"] = linkcode;
    value["name"] = name;
    value["folder"] = folder;
    value["parent"] = parent;
    value["size"] = static_cast<Json::UInt64>(size);
    value["seed"] = static_cast<Json::UInt64>(seed);
    if (!contentFile.empty())
        value["content_file"] = contentFile;
    value["secure"] = secure;
    value["direct_link"] = directLink;
    value["shared"] = shared;
    value["copied"] = copied;
    value["password"] = password;
    value["description"] = description;
    value["downloads"] = static_cast<Json::Int64>(downloads);
    value["created"] = static_cast<Json::Int64>(created);
    value["modified"] = static_cast<Json::Int64>(modified);
    value["last_download"] = static_cast<Json::Int64>(lastDownload);
    return value;
}

FileEntry FileEntry::fromJson(const Json::Value& value) {
    FileEntry entry;
    entry.id = value.get("id", 0).asInt64();
    entry.linkcode = value.get("linkcode", "").asString();
    entry.name = value.get("name", "").asString();
    entry.folder = value.get("folder", false).asBool();
    entry.parent = value.get("parent", "").asString();
    entry.size = value.get("size", 0).asUInt64();
    entry.seed = value.get("seed", 0).asUInt64();
    entry.contentFile = value.get("content_file", "").asString();
    entry.secure = value.get("secure", false).asBool();
    entry.directLink = value.get("direct_link", false).asBool();
    entry.shared = value.get("shared", false).asBool();
    entry.copied = value.get("copied", false).asBool();
    entry.password = value.get("password", "").asString();
    entry.description = value.get("description", "").asString();
    entry.downloads = value.get("downloads", 0).asInt64();
    entry.created = value.get("created", 0).asInt64();
    entry.modified = value.get("modified", 0).asInt64();
    entry.lastDownload = value.get("last_download", 0).asInt64();
    return entry;
}

} // namespace devservice
