#pragma once
// One account of the stand-in's store.
#include <json/json.h>

#include <string>

namespace devservice {

struct Account {
    std::string id;
    std::string email; // either or both of e-mail and phone number log in
    std::string phone;
    std::string password; // UTF-8, compared byte for byte
    // The members of the account reply ("level", "name", "traffic", ...), each in the
    // JSON type it is sent as: the real service sends some numbers as strings.
    Json::Value profile = Json::Value(Json::objectValue);

    Json::Value toJson() const;
    static Account fromJson(const Json::Value& value);
};

} // namespace devservice
