#pragma once
// One file or folder of an account's tree in the stand-in's store.
#include <json/json.h>

#include <cstdint>
#include <string>

namespace devservice {

struct FileEntry {
    std::int64_t id = 0;
    std::string linkcode; // names the entry in share links and "items" lists; unique store-wide
    std::string name;
    bool folder = false;
    std::string parent;  // link code of the holding folder; empty at the account's top level
    std::string ownerId; // the account's id
    std::uint64_t size = 0;
    std::uint64_t seed = 0; // the file's bytes are made from it (filecontent.h)
    std::string contentFile; // an uploaded file's bytes are this file's instead
    bool secure = false;    // kept in the owner's secure space: nobody else reaches it
    bool directLink = false;
    bool shared = false;  // its link has been sent by mail
    bool copied = false;  // made by a copy
    std::string password; // empty: none
    std::string description;
    std::int64_t downloads = 0;
    std::int64_t created = 0; // seconds since 1970
    std::int64_t modified = 0;
    std::int64_t lastDownload = 0; // 0: never

    // The form kept in the store's file.
    Json::Value toJson() const;
    static FileEntry fromJson(const Json::Value& value);
};

} // namespace devservice
