#pragma once
// A stand-in for the two outside web sites the media tools read: the partner film feed
// and the subtitle site. Plain HTTP, like the real ones. It answers pages set for an
// exact request target or for a path, records every request as received, and can carry
// a small demo of both sites for the running program.
#include "tools/devservice/httpserver.h"
#include "tools/devservice/requestlog.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace devservice {

// One member of a zip written by storedZip().
struct ZipMember {
    std::string name;    // as stored: "../x.srt", "/abs.srt" and "a\\b.srt" are kept
    std::string content; // a link member's content is its target
    bool symlink = false;
};

// A zip of stored (uncompressed) members with Unix modes, for subtitle archives.
std::string storedZip(const std::vector<ZipMember>& members);

// A PNG of one colour, for posters.
std::string solidPng(std::uint32_t width, std::uint32_t height, std::uint32_t rgb);

class MediaSite {
public:
    MediaSite();
    ~MediaSite();
    MediaSite(const MediaSite&) = delete;
    MediaSite& operator=(const MediaSite&) = delete;

    // Listens on host:port over plain HTTP (port 0: a free one). Once only.
    bool start(const std::string& host = "127.0.0.1", std::uint16_t port = 0,
               std::string* error = nullptr);
    void stop();
    std::uint16_t port() const;
    // "127.0.0.1:PORT": what BRISKO_FEED_HOST and BRISKO_SUBTITLE_HOST take.
    std::string hostPort() const;

    // The answer for an exact raw target ("/subtitles/title?q=a%20b&l=vn") or, when no
    // target matches, for its path. Anything else answers 404 with a small page.
    void setPage(const std::string& targetOrPath, Response response);
    void setPage(const std::string& targetOrPath, const std::string& body,
                 const std::string& contentType = "text/html; charset=utf-8");
    void clearPages();

    // The demo: a subtitle site that finds "Demo Film" for any keyword and serves its
    // Vietnamese, English and Arabic subtitles as zip archives.
    void addDemoSubtitles();
    // The demo film feed, for any keyword: a few films with posters served here, whose
    // download links are share links under `shareBase` ("https://www.localhost:PORT").
    // Call once the site listens, as the posters' addresses name its port.
    void addDemoFeed(const std::string& shareBase);

    RequestLog& requests() { return requests_; }

private:
    Response handle(const Request& request);

    mutable std::mutex mutex_; // guards pages_
    std::map<std::string, Response> pages_;
    RequestLog requests_;
    std::unique_ptr<HttpServer> server_;
};

} // namespace devservice
