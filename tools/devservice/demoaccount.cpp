#include "tools/devservice/demoaccount.h"

namespace devservice::demo {

Account account() {
    Account demo;
    demo.email = kEmail;
    demo.phone = kPhone;
    demo.password = kPassword;
    Json::Value& p = demo.profile;
    // Strings for most members, numbers for a few: the client must read both.
    p["level"] = "5";
    p["name"] = "Người dùng thử";
    p["joindate"] = "1420070400";   // 2015-01-01
    p["expire_vip"] = "1924905600"; // 2031-01-01
    p["totalpoints"] = "1250";
    p["traffic"] = "107374182400";     // 100 GiB
    p["traffic_used"] = "16106127360"; // 15 GiB
    p["webspace"] = "536870912000";    // 500 GiB
    p["webspace_used"] = "85899345920";
    p["webspace_secure"] = "107374182400";
    p["webspace_secure_used"] = "10737418240";
    p["amount"] = 150000;
    p["dl_time_avail"] = 3600;
    p["account_type"] = "VIP";
    return demo;
}

} // namespace devservice::demo
