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

namespace {

struct SeedFile {
    const char* folder;
    const char* name;
    std::uint64_t size;
    const char* password = "";
    bool secure = false;
};

} // namespace

void seedFiles(FileStore& files, const std::string& accountId) {
    // Fixed times and seeds, so every fresh demo account holds the same bytes.
    std::int64_t created = 1704067200; // 2024-01-01
    for (const char* folder : {"Music", "Photos", "Phim hay", "Phim hay/Phụ đề", "Tài liệu"}) {
        const std::string path = folder;
        const auto slash = path.rfind('/');
        FileEntry entry;
        entry.folder = true;
        entry.name = slash == std::string::npos ? path : path.substr(slash + 1);
        entry.created = entry.modified = created += 3600;
        files.addFile(accountId, slash == std::string::npos ? "/" : "/" + path.substr(0, slash),
                      entry);
    }
    const SeedFile seeds[] = {
        {"/Music", "Trịnh Công Sơn - Diễm xưa.mp3", 3481234},
        {"/Photos", "Vịnh Hạ Long.jpg", 358912},
        {"/Photos", "Sa Pa mùa đông.png", 204800},
        {"/Phim hay", "Mắt biếc (2019) - trailer.mp4", 5 * 1024 * 1024},
        {"/Phim hay/Phụ đề", "Mắt biếc.vi.srt", 12345},
        {"/Tài liệu", "Hợp đồng thuê nhà.pdf", 183200, kFilePassword},
        {"/Tài liệu", "Bảng lương 2024.xlsx", 48128, "", true},
        {"/", "ghi chú.txt", 1000},
        {"/", "trống.bin", 0},
    };
    std::uint64_t seed = 1;
    for (const SeedFile& file : seeds) {
        FileEntry entry;
        entry.name = file.name;
        entry.size = file.size;
        entry.seed = seed++;
        entry.password = file.password;
        entry.secure = file.secure;
        entry.created = entry.modified = created += 3600;
        files.addFile(accountId, file.folder, entry);
    }
}

} // namespace devservice::demo
