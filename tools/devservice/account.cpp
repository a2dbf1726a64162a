#include "tools/devservice/account.h"

namespace devservice {

Json::Value Account::toJson() const {
    Json::Value value;
    value["id"] = id;
    value["email"] = email;
    value["phone"] = phone;
    value["password"] = password;
    value["profile"] = profile;
    return value;
}

Account Account::fromJson(const Json::Value& value) {
    Account account;
    account.id = value.get("id", "").asString();
    account.email = value.get("email", "").asString();
    account.phone = value.get("phone", "").asString();
    account.password = value.get("password", "").asString();
    if (value["profile"].isObject())
        account.profile = value["profile"];
    return account;
}

} // namespace devservice
