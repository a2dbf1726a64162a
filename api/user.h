#pragma once
// The account as the service describes it. Quantities stay the text the service sent,
// numbers included; only the available download time is a number.
#include <string>

namespace brisko {

class user {
public:
    user() = default;
    virtual ~user() = default;
    user(const user&) = default;
    user& operator=(const user&) = default;

#define BRISKO_USER_TEXT(field)                                                                \
    std::string get_##field() const { return field##_; }                                      \
    void set_##field(const std::string& value) { field##_ = value; }
    BRISKO_USER_TEXT(id)
    BRISKO_USER_TEXT(email)
    BRISKO_USER_TEXT(name)
    BRISKO_USER_TEXT(level)
    BRISKO_USER_TEXT(expire_vip)
    BRISKO_USER_TEXT(joindate)
    BRISKO_USER_TEXT(totalpoints)
    BRISKO_USER_TEXT(traffic)
    BRISKO_USER_TEXT(traffic_used)
    BRISKO_USER_TEXT(webspace)
    BRISKO_USER_TEXT(webspace_used)
    BRISKO_USER_TEXT(webspace_secure)
    BRISKO_USER_TEXT(webspace_secure_used)
    BRISKO_USER_TEXT(amount)
#undef BRISKO_USER_TEXT

    // Written directly by the account reply's reader; they have no accessors.
    // Seconds of download time left; -1 until an account reply has said otherwise.
    int dl_time_avail = -1;
    std::string account_type;

private:
    std::string id_;
    std::string email_;
    std::string name_;
    std::string level_;
    std::string expire_vip_;
    std::string joindate_;
    std::string totalpoints_;
    std::string traffic_;
    std::string traffic_used_;
    std::string webspace_;
    std::string webspace_used_;
    std::string webspace_secure_;
    std::string webspace_secure_used_;
    std::string amount_;
};

} // namespace brisko
