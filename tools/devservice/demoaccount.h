#pragma once
// The account every fresh stand-in knows, so the demo, README and tests log in alike.
#include "tools/devservice/account.h"
#include "tools/devservice/filestore.h"

namespace devservice::demo {

inline constexpr char kEmail[] = "demo@brisko.local";
inline constexpr char kPhone[] = "0900000000";
inline constexpr char kPassword[] = "demo1234";

Account account();

// The demo account's files: the default folders "Music" and "Photos", Vietnamese names,
// sizes from 0 bytes to a few MB, a file with a password (kFilePassword) and a secure
// one. Paths of a few of them, for the README and tests:
inline constexpr char kBigFile[] = "/Phim hay/Mắt biếc (2019) - trailer.mp4"; // 5 MiB
inline constexpr char kPasswordFile[] = "/Tài liệu/Hợp đồng thuê nhà.pdf";
inline constexpr char kSecureFile[] = "/Tài liệu/Bảng lương 2024.xlsx";
inline constexpr char kFilePassword[] = "1234";
// Link codes of a few of them; every seeded entry has a fixed code starting with "DEMO".
inline constexpr char kBigFileCode[] = "DEMOMP4MATBI";
inline constexpr char kMusicCode[] = "DEMOMP3DIEMX";
inline constexpr char kPhotoCode[] = "DEMOJPGHALON";
void seedFiles(FileStore& files, const std::string& accountId);

} // namespace devservice::demo
