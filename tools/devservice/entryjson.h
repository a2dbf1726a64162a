#pragma once
// Entries as the service's file API writes them. Like the real service, members mix
// JSON types: some numbers come as numbers, others as text.
#include "tools/devservice/filetree.h"

namespace devservice {

// The "type" (listings) or "file_type" (lookup) of folders and files: the client
// tells folders by "0".
inline constexpr char kFolderType[] = "0";
inline constexpr char kFileType[] = "1";

// One element of a listing, a shared folder's page or a search. The password is shown
// to the owner only.
Json::Value listingJson(const FileTree& tree, const FileEntry& entry, const std::string& viewerId);
// The lookup's object: the listing's members with "file_type" for "type".
Json::Value lookupJson(const FileTree& tree, const FileEntry& entry, const std::string& viewerId);
// One element of the photo listing; `base` is "https://host" of the stand-in.
Json::Value photoJson(const FileTree& tree, const FileEntry& entry, const std::string& base);

bool isImageName(const std::string& name);

} // namespace devservice
