#include "tools/devservice/mediasite.h"

#include "tools/devservice/replies.h"
#include "tools/devservice/zipstream.h"

#include <algorithm>

namespace devservice {

namespace {

constexpr std::uint32_t kRegularMode = 0100644;
constexpr std::uint32_t kLinkMode = 0120777;
constexpr std::uint16_t kMadeByUnix = (3 << 8) | 30;
constexpr std::uint16_t kUtf8Names = 0x0800;

std::string listRow(const std::string& link, const std::string& language,
                    const std::string& release, const std::string& uploader) {
    return "<tr><td class=\"a1\"><a href=\"" + link + "\"><span class=\"l r " +
           (language == "Vietnamese" ? "positive" : "neutral") + "-icon\">" + language +
           "</span><span>" + release + "</span></a></td><td class=\"a3\">1</td>" +
           "<td class=\"a5\"><a href=\"/u/" + uploader + "\">" + uploader + "</a></td></tr>\n";
}

std::string subtitleText(const std::string& line) {
    return "1\r\n00:00:01,000 --> 00:00:04,000\r\n" + line + "\r\n\r\n";
}

} // namespace

std::string storedZip(const std::vector<ZipMember>& members) {
    Bytes local, central;
    for (const ZipMember& member : members) {
        const std::uint32_t crc = zipCrc32(0, member.content.data(), member.content.size());
        const std::uint32_t offset = static_cast<std::uint32_t>(local.out.size());
        const auto size = static_cast<std::uint32_t>(member.content.size());
        const auto nameSize = static_cast<std::uint32_t>(member.name.size());
        local.u32(0x04034b50).u16(10).u16(kUtf8Names).u16(0).u16(0).u16(0x21);
        local.u32(crc).u32(size).u32(size).u16(nameSize).u16(0);
        local.text(member.name).text(member.content);
        central.u32(0x02014b50).u16(kMadeByUnix).u16(10).u16(kUtf8Names).u16(0).u16(0).u16(0x21);
        central.u32(crc).u32(size).u32(size).u16(nameSize).u16(0).u16(0).u16(0).u16(0);
        central.u32((member.symlink ? kLinkMode : kRegularMode) << 16).u32(offset);
        central.text(member.name);
    }
    Bytes end;
    const auto count = static_cast<std::uint32_t>(members.size());
    end.u32(0x06054b50).u16(0).u16(0).u16(count).u16(count);
    end.u32(static_cast<std::uint32_t>(central.out.size()))
        .u32(static_cast<std::uint32_t>(local.out.size()))
        .u16(0);
    return local.out + central.out + end.out;
}

std::string solidPng(std::uint32_t width, std::uint32_t height, std::uint32_t rgb) {
    // Rows of a filter byte and RGB pixels, in stored (uncompressed) deflate blocks.
    std::string pixels;
    for (std::uint32_t y = 0; y < height; ++y) {
        pixels += '\0';
        for (std::uint32_t x = 0; x < width; ++x) {
            pixels += static_cast<char>(rgb >> 16);
            pixels += static_cast<char>(rgb >> 8);
            pixels += static_cast<char>(rgb);
        }
    }
    std::string deflated = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : pixels) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t at = 0; at < pixels.size() || at == 0; at += 65535) {
        const std::size_t size = std::min<std::size_t>(65535, pixels.size() - at);
        Bytes block;
        block.text(std::string(1, at + size >= pixels.size() ? '\1' : '\0'));
        block.u16(static_cast<std::uint32_t>(size)).u16(~static_cast<std::uint32_t>(size) & 0xffff);
        deflated += block.out + pixels.substr(at, size);
    }
    const std::uint32_t adler = (b << 16) | a;
    auto bigEndian = [](std::uint32_t value) {
        return std::string{static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                           static_cast<char>(value >> 8), static_cast<char>(value)};
    };
    deflated += bigEndian(adler);
    auto chunk = [&](const std::string& type, const std::string& data) {
        const std::string body = type + data;
        return bigEndian(static_cast<std::uint32_t>(data.size())) + body +
               bigEndian(zipCrc32(0, body.data(), body.size()));
    };
    const std::string header =
        bigEndian(width) + bigEndian(height) + std::string("\x08\x02\0\0\0", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", deflated) +
           chunk("IEND", "");
}

MediaSite::MediaSite() = default;

MediaSite::~MediaSite() {
    stop();
}

bool MediaSite::start(const std::string& host, std::uint16_t port, std::string* error) {
    server_ = std::make_unique<HttpServer>(
        nullptr, [this](const Request& request) { return handle(request); });
    return server_->start(host, port, error);
}

void MediaSite::stop() {
    if (server_)
        server_->stop();
}

std::uint16_t MediaSite::port() const {
    return server_ ? server_->port() : 0;
}

std::string MediaSite::hostPort() const {
    return "127.0.0.1:" + std::to_string(port());
}

void MediaSite::setPage(const std::string& targetOrPath, Response response) {
    std::lock_guard<std::mutex> lock(mutex_);
    pages_[targetOrPath] = std::move(response);
}

void MediaSite::setPage(const std::string& targetOrPath, const std::string& body,
                        const std::string& contentType) {
    Response response;
    response.setHeader("Content-Type", contentType);
    response.body = body;
    setPage(targetOrPath, std::move(response));
}

void MediaSite::clearPages() {
    std::lock_guard<std::mutex> lock(mutex_);
    pages_.clear();
}

Response MediaSite::handle(const Request& request) {
    requests_.add(request);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto page = pages_.find(request.target);
        if (page == pages_.end())
            page = pages_.find(request.path());
        if (page != pages_.end())
            return page->second;
    }
    return notFoundPage();
}

void MediaSite::addDemoFeed(const std::string& shareBase) {
    struct Film {
        const char* title;
        const char* code;
        std::uint32_t colour;
        bool subtitle;
    };
    const Film films[] = {{"Demo Film (2016)", "DEMOFILM0001", 0x3b6fb6, true},
                          {"Phim hay Việt Nam", "DEMOFILM0002", 0xc0392b, false},
                          {"Hoạt hình vui nhộn", "DEMOFILM0003", 0x27ae60, false}};
    const std::string site = "http://" + hostPort();
    std::string items;
    int n = 0;
    for (const Film& film : films) {
        const std::string poster = "/posters/" + std::to_string(++n) + ".png";
        setPage(poster, solidPng(90, 128, film.colour), "image/png");
        const std::string link = shareBase + "/file/" + film.code;
        items += std::string("<item><title>") + film.title + "</title><link>" + site + "/film/" +
                 std::to_string(n) + "</link><guid>" + site + "/film/" + std::to_string(n) +
                 "</guid><pubDate>Mon, 06 Feb 2017 10:0" + std::to_string(n) +
                 ":00 +0000</pubDate><description>A film of the demo feed.</description>"
                 "<enclosure url=\"" +
                 site + poster + "\" type=\"image/png\"/><brisko>" + "<link url=\"" + link +
                 "\" title=\"" + film.code + ".720p.mkv\"/>" + "<link url=\"" + link +
                 "B\" title=\"" + film.code + ".1080p.mkv\"/>" +
                 (film.subtitle ? "<link url=\"" + link + "S\" title=\"Phụ đề Việt\"/>"
                                : std::string()) +
                 "</brisko></item>\n";
    }
    setPage("/",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>"
            "<title>Demo films</title>\n" +
                items + "</channel></rss>\n",
            "application/rss+xml; charset=utf-8");
}

void MediaSite::addDemoSubtitles() {
    const std::string film = "/subtitles/demo-film";
    setPage("/subtitles/title", "<html><body>\n<div class=\"title\"><a href=\"" + film +
                                    "\">Demo Film (2016)</a></div>\n</body></html>\n");
    setPage("/subtitles/release", "<html><body><p>No results</p></body></html>\n");
    setPage(
        film,
        "<html><body><table>\n" +
            listRow(film + "/english/2", "English", "Demo.Film.2016.720p.BluRay", "subber") +
            listRow(film + "/vietnamese/1", "Vietnamese", "Demo.Film.2016.1080p.WEB", "phudeviet") +
            listRow(film + "/arabic/3", "Arabic", "Demo.Film.2016.DVDRip", "arabsub") +
            "</table></body></html>\n");
    const std::pair<const char*, const char*> subtitles[] = {
        {"1", "Xin chào, đây là phụ đề thử."},
        {"2", "Hello, this is a demo subtitle."},
        {"3", "Demo subtitle."}};
    const char* languages[] = {"vietnamese", "english", "arabic"};
    for (int i = 0; i < 3; ++i) {
        const std::string id = subtitles[i].first;
        setPage(film + "/" + languages[i] + "/" + id,
                "<html><body><div class=\"download\"><a href=\"/subtitles/download/" + id +
                    ".zip\" rel=\"nofollow\">Download</a></div></body></html>\n");
        setPage("/subtitles/download/" + id + ".zip",
                storedZip({{"Demo.Film.2016." + id + ".srt", subtitleText(subtitles[i].second)}}),
                "application/zip");
    }
}

} // namespace devservice
