// brisko-devservice: the local stand-in of the service, in the foreground until
// SIGINT or SIGTERM.
#include "api/appkey.h"
#include "tools/devservice/analyticscollector.h"
#include "tools/devservice/demoaccount.h"
#include "tools/devservice/mediasite.h"
#include "tools/devservice/service.h"
#include "tools/devservice/urltext.h"

#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <iostream>
#include <utility>

namespace {

constexpr std::size_t kKeptRequests = 1000;
// Beyond ten minutes every client call would have given up long before.
constexpr std::uint64_t kMaxLatencyMs = 600000;

void usage(std::ostream& out) {
    out << "Usage: brisko-devservice [--listen 127.0.0.1:PORT] [--data DIR] [--ca-out FILE]\n"
           "  --listen  address to listen on (default 127.0.0.1:8443; port 0 picks a free one)\n"
           "  --data    folder that keeps the accounts and the CA across runs\n"
           "            (default: memory only, a new CA at every start)\n"
           "  --ca-out  where to write the CA certificate clients must trust\n"
           "            (default: ca.crt in this program's folder)\n"
           "  --upload-cap BYTES   bytes per second one connection may send into an upload\n"
           "                       location (default: no cap)\n"
           "  --upload-link-on-final  the file's link only answers the empty final request,\n"
           "                       not the chunk that completes the file\n"
           "  --latency MS         hold back every API reply MS milliseconds, as a distant\n"
           "                       service would (default 0, at most 600000)\n";
}

std::string programFolder() {
    char path[PATH_MAX] = {};
    const ssize_t size = ::readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string exe = size > 0 ? std::string(path, static_cast<std::size_t>(size)) : ".";
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

bool parseListen(const std::string& text, devservice::ServiceOptions& options) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon + 1 == text.size())
        return false;
    char* end = nullptr;
    const unsigned long port = std::strtoul(text.c_str() + colon + 1, &end, 10);
    if (*end != '\0' || port > 65535)
        return false;
    options.host = text.substr(0, colon);
    options.port = static_cast<std::uint16_t>(port);
    return true;
}

void printHowToReach(std::uint16_t port, std::uint16_t analyticsPort, std::uint16_t mediaPort,
                     const std::string& caPath) {
    const std::string p = std::to_string(port);
    std::cout << "brisko-devservice listening on https://127.0.0.1:" << p << "\n"
              << "CA certificate: " << caPath << "\n"
              << "Point Brisko Tool at it with:\n"
              << "  export BRISKO_API_HOST=127.0.0.1:" << p << "\n"
              << "  export BRISKO_WEB_HOST=localhost:" << p << "\n"
              << "  export BRISKO_LOG_HOST=127.0.0.1:" << p << "\n"
              << "  export BRISKO_ANALYTICS_HOST=127.0.0.1:" << analyticsPort << "\n"
              << "  export BRISKO_FEED_HOST=127.0.0.1:" << mediaPort << "\n"
              << "  export BRISKO_SUBTITLE_HOST=127.0.0.1:" << mediaPort << "\n"
              << "Demo account: " << devservice::demo::kEmail << " (or phone "
              << devservice::demo::kPhone << "), password " << devservice::demo::kPassword << "\n"
              << "Share links of the demo account's files, to paste into Brisko Tool:\n";
    const std::string web = "localhost:" + p;
    for (const auto& [code, name] :
         {std::pair{devservice::demo::kBigFileCode, "Mắt biếc (2019) - trailer.mp4, 5 MiB"},
          std::pair{devservice::demo::kMusicCode, "Trịnh Công Sơn - Diễm xưa.mp3, 3.3 MiB"},
          std::pair{devservice::demo::kPhotoCode, "Vịnh Hạ Long.jpg, 351 KiB"}})
        std::cout << "  " << devservice::shareLink(web, false, code) << "   (" << name << ")\n";
    std::cout << "Stop with Ctrl+C." << std::endl;
}

bool parseCount(const std::string& text, std::uint64_t& count) {
    char* end = nullptr;
    count = std::strtoull(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && text[0] != '-';
}

} // namespace

int main(int argc, char** argv) {
    devservice::ServiceOptions options;
    options.port = 8443;
    options.appKey = brisko::application_key();
    options.requestLogLimit = kKeptRequests;
    std::string caPath = programFolder() + "/ca.crt";
    std::uint64_t uploadCap = 0;
    std::uint64_t latency = 0;
    bool linkOnFinal = false;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            usage(std::cout);
            return 0;
        } else if (arg == "--listen" && hasValue && parseListen(argv[i + 1], options)) {
            ++i;
        } else if (arg == "--data" && hasValue) {
            options.dataFolder = argv[++i];
        } else if (arg == "--ca-out" && hasValue) {
            caPath = argv[++i];
        } else if (arg == "--upload-cap" && hasValue && parseCount(argv[i + 1], uploadCap)) {
            ++i;
        } else if (arg == "--latency" && hasValue && parseCount(argv[i + 1], latency) &&
                   latency <= kMaxLatencyMs) {
            options.latency = std::chrono::milliseconds(latency);
            ++i;
        } else if (arg == "--upload-link-on-final") {
            linkOnFinal = true;
        } else {
            std::cerr << "brisko-devservice: bad argument: " << arg << "\n";
            usage(std::cerr);
            return 2;
        }
    }

    // Blocked before any thread starts, so that only sigwait below sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    devservice::Service service(options);
    service.uploadStore().setBandwidthCap(uploadCap);
    if (linkOnFinal)
        service.uploadStore().setLinkReply(devservice::UploadStore::LinkReply::FinalRequest);
    std::string error;
    if (!service.start(&error) || !service.writeCaFile(caPath, &error)) {
        std::cerr << "brisko-devservice: " << error << "\n";
        return 1;
    }
    // Analytics hits go over plain HTTP, so their collector listens on a port of its own.
    devservice::AnalyticsCollector analytics;
    analytics.setLimit(kKeptRequests);
    if (!analytics.start(options.host, 0, &error)) {
        std::cerr << "brisko-devservice: analytics collector: " << error << "\n";
        return 1;
    }
    // The film feed and the subtitle site are plain HTTP sites of their own too.
    devservice::MediaSite media;
    media.requests().setLimit(kKeptRequests);
    media.addDemoSubtitles();
    if (!media.start(options.host, 0, &error)) {
        std::cerr << "brisko-devservice: media site: " << error << "\n";
        return 1;
    }
    media.addDemoFeed("https://www.localhost:" + std::to_string(service.port()));
    printHowToReach(service.port(), analytics.port(), media.port(), caPath);

    int received = 0;
    sigwait(&stopSignals, &received);
    std::cout << "brisko-devservice: stopping" << std::endl;
    media.stop();
    analytics.stop();
    service.stop();
    return 0;
}
