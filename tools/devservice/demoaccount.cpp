#include "tools/devservice/demoaccount.h"

#include <utility>

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
    const char* code;
    const char* password = "";
    bool secure = false;
};

} // namespace

void seedFiles(FileStore& files, const std::string& accountId) {
    // Fixed times, seeds and link codes, so every fresh demo account holds the same bytes
    // under the same share links.
    std::int64_t created = 1704067200; // 2024-01-01
    const std::pair<const char*, const char*> folders[] = {
        {"Music", "DEMOFMUSIC00"},    {"Photos", "DEMOFPHOTOS0"},
        {"Phim hay", "DEMOFPHIMHAY"}, {"Phim hay/Phụ đề", "DEMOFPHUDE00"},
        {"Tài liệu", "DEMOFTAILIEU"},
    };
    const SeedFile seeds[] = {
        {"/Music", "Trịnh Công Sơn - Diễm xưa.mp3", 3481234, kMusicCode},
        {"/Photos", "Vịnh Hạ Long.jpg", 358912, kPhotoCode},
        {"/Photos", "Sa Pa mùa đông.png", 204800, "DEMOPNGSAPA0"},
        {"/Phim hay", "Mắt biếc (2019) - trailer.mp4", 5 * 1024 * 1024, kBigFileCode},
        {"/Phim hay/Phụ đề", "Mắt biếc.vi.srt", 12345, "DEMOSRTMATBI"},
        {"/Tài liệu", "Hợp đồng thuê nhà.pdf", 183200, "DEMOPDFHOPDO", kFilePassword},
        {"/Tài liệu", "Bảng lương 2024.xlsx", 48128, "DEMOXLSXBANG", "", true},
        {"/", "ghi chú.txt", 1000, "DEMOTXTGHICH"},
        {"/", "trống.bin", 0, "DEMOBINTRONG"},
    };
    files.fill(accountId, [&](FileTree& tree) {
        for (const auto& [path, code] : folders) {
            const std::string text = path;
            const auto slash = text.rfind('/');
            FileEntry entry;
            entry.folder = true;
            entry.linkcode = code;
            entry.name = slash == std::string::npos ? text : text.substr(slash + 1);
            entry.parent = *tree.folderAt(slash == std::string::npos ? "/" : text.substr(0, slash));
            entry.created = entry.modified = created += 3600;
            tree.add(entry);
        }
        std::uint64_t seed = 1;
        for (const SeedFile& file : seeds) {
            FileEntry entry;
            entry.name = file.name;
            entry.linkcode = file.code;
            entry.parent = *tree.folderAt(file.folder);
            entry.size = file.size;
            entry.seed = seed++;
            entry.password = file.password;
            entry.secure = file.secure;
            entry.created = entry.modified = created += 3600;
            tree.add(entry);
        }
    });
}

} // namespace devservice::demo
