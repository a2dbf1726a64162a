#pragma once
// The accounts the stand-in knows, in memory and, when given a folder, in
// <folder>/accounts.json (rewritten atomically after every change). Thread-safe.
#include "tools/devservice/account.h"

#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace devservice {

class AccountStore {
public:
    // Loads the folder's accounts, if any; from then on changes are saved there.
    // An empty folder name keeps the store in memory only.
    bool open(const std::string& folder, std::string* error = nullptr);
    const std::string& folder() const { return folder_; }

    // Stores a new account and returns its id (a fresh number when account.id is empty).
    // The profile's "id" and "email" follow the account's.
    std::string add(Account account);
    bool update(const std::string& id, const std::function<void(Account&)>& change);

    std::optional<Account> get(const std::string& id) const;
    // By e-mail address (any case) or phone number.
    std::optional<Account> findByLogin(const std::string& login) const;
    std::vector<Account> all() const;
    bool empty() const;

    // Why the last save failed; empty after a good one. Failures also go to stderr.
    std::string saveError() const;

private:
    void normalise(Account& account) const;
    void save(); // with mutex_ held

    mutable std::mutex mutex_;
    std::string folder_;
    std::vector<Account> accounts_;
    long long nextId_ = 1001;
    std::string saveError_;
};

} // namespace devservice
