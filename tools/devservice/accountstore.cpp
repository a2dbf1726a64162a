#include "tools/devservice/accountstore.h"

#include "tools/devservice/jsonfiles.h"

#include <strings.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace devservice {

namespace {

constexpr char kFileName[] = "/accounts.json";

bool sameLogin(const Account& account, const std::string& login) {
    if (login.empty())
        return false;
    return login == account.phone ||
           (!account.email.empty() && strcasecmp(login.c_str(), account.email.c_str()) == 0);
}

} // namespace

bool AccountStore::open(const std::string& folder, std::string* error) {
    std::lock_guard<std::mutex> lock(mutex_);
    folder_ = folder;
    accounts_.clear();
    if (folder.empty())
        return true;
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        if (error)
            *error = folder + ": " + std::strerror(errno);
        return false;
    }
    const std::string path = folder + kFileName;
    Json::Value root;
    if (!readJsonFileIfThere(path, root, error))
        return false;
    try {
        for (const Json::Value& entry : root["accounts"]) {
            if (entry.isObject())
                accounts_.push_back(Account::fromJson(entry));
        }
        nextId_ = root.get("next_id", 1001).asInt64();
    } catch (const Json::Exception& e) {
        if (error)
            *error = path + ": " + e.what();
        return false;
    }
    return true;
}

std::string AccountStore::add(Account account) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (account.id.empty())
        account.id = std::to_string(nextId_++);
    else if (const long long given = std::atoll(account.id.c_str()); given >= nextId_)
        nextId_ = given + 1;
    normalise(account);
    const std::string id = account.id;
    accounts_.push_back(std::move(account));
    save();
    return id;
}

bool AccountStore::update(const std::string& id, const std::function<void(Account&)>& change) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (Account& account : accounts_) {
        if (account.id == id) {
            change(account);
            account.id = id;
            normalise(account);
            save();
            return true;
        }
    }
    return false;
}

std::optional<Account> AccountStore::get(const std::string& id) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const Account& account : accounts_) {
        if (account.id == id)
            return account;
    }
    return std::nullopt;
}

std::optional<Account> AccountStore::findByLogin(const std::string& login) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const Account& account : accounts_) {
        if (sameLogin(account, login))
            return account;
    }
    return std::nullopt;
}

std::vector<Account> AccountStore::all() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return accounts_;
}

bool AccountStore::empty() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return accounts_.empty();
}

std::string AccountStore::saveError() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return saveError_;
}

void AccountStore::normalise(Account& account) const {
    if (!account.profile.isObject())
        account.profile = Json::Value(Json::objectValue);
    account.profile["id"] = account.id;
    account.profile["email"] = account.email;
}

void AccountStore::save() {
    saveError_.clear();
    if (folder_.empty())
        return;
    Json::Value root;
    root["next_id"] = static_cast<Json::Int64>(nextId_);
    root["accounts"] = Json::Value(Json::arrayValue);
    for (const Account& account : accounts_)
        root["accounts"].append(account.toJson());
    Json::StreamWriterBuilder builder;
    builder["emitUTF8"] = true;
    if (!writeFileAtomically(folder_ + kFileName, Json::writeString(builder, root) + "\n",
                             &saveError_))
        std::cerr << "devservice: cannot save accounts: " << saveError_ << '\n';
}

} // namespace devservice
