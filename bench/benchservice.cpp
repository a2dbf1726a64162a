// brisko-bench-service: the local stand-in of the service, set up for the download
// benchmarks: an account of level 5 (no wait before transfers) holding one large file
// whose bytes come from a file on disk (a tmpfs one, so the server is never the slow
// side), over HTTPS on loopback. Runs until SIGINT or SIGTERM.
//
// Usage: brisko-bench-service --ca-out FILE --content FILE [--size BYTES] [--port P]
//                             [--bandwidth BYTES_PER_SECOND]
//                             [--upload-bandwidth BYTES_PER_SECOND]
// Prints key=value lines: port, email, password, link (the share link) and location
// (a direct location of the file, for other clients), then "ready".
#include "api/appkey.h"
#include "tools/devservice/filecontent.h"
#include "tools/devservice/service.h"

#include <signal.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

const char kEmail[] = "bench@brisko.local";
const char kPassword[] = "bench-password";
const char kFileName[] = "bench.bin";
constexpr std::uint64_t kSeed = 4242;

int usage(const std::string& problem) {
    std::cerr << "brisko-bench-service: " << problem << "\n"
              << "usage: brisko-bench-service --ca-out FILE --content FILE [--size BYTES] "
                 "[--port P] [--bandwidth BYTES_PER_SECOND]\n"
                 "       [--upload-bandwidth BYTES_PER_SECOND]\n";
    return 2;
}

// The content file is made once from the seed and reused while its size is right.
bool makeContent(const std::string& path, std::uint64_t size) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && static_cast<std::uint64_t>(st.st_size) == size)
        return true;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::string piece(4 << 20, '\0');
    bool ok = true;
    for (std::uint64_t at = 0; at < size && ok; at += piece.size()) {
        const auto count =
            static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), size - at));
        devservice::generateContent(kSeed, at, piece.data(), count);
        ok = std::fwrite(piece.data(), 1, count, file) == count;
    }
    return std::fclose(file) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    std::string caPath, contentPath;
    std::uint64_t size = 1ull << 30;
    std::uint64_t bandwidth = 0;
    std::uint64_t uploadBandwidth = 0; // per connection into an upload location
    devservice::ServiceOptions options;
    options.appKey = brisko::application_key();
    options.seedDemoAccount = false;
    options.requestLogLimit = 1000;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage("missing value for " + arg);
        const std::string value = argv[++i];
        if (arg == "--ca-out")
            caPath = value;
        else if (arg == "--content")
            contentPath = value;
        else if (arg == "--size")
            size = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--port")
            options.port = static_cast<std::uint16_t>(std::strtoul(value.c_str(), nullptr, 10));
        else if (arg == "--bandwidth")
            bandwidth = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--upload-bandwidth")
            uploadBandwidth = std::strtoull(value.c_str(), nullptr, 10);
        else
            return usage("bad argument " + arg);
    }
    if (caPath.empty() || contentPath.empty() || size == 0)
        return usage("--ca-out and --content are needed");
    if (!makeContent(contentPath, size))
        return usage("cannot write " + contentPath);

    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    devservice::Service service(options);
    std::string error;
    if (!service.start(&error) || !service.writeCaFile(caPath, &error)) {
        std::cerr << "brisko-bench-service: " << error << "\n";
        return 1;
    }
    service.locationFaults().setBandwidth(bandwidth);
    service.uploadStore().setBandwidthCap(uploadBandwidth);
    devservice::Account account;
    account.email = kEmail;
    account.password = kPassword;
    account.profile["level"] = "5";
    // Room for the upload benchmarks: 1 TiB of ordinary space.
    account.profile["webspace"] = "1099511627776";
    account.profile["webspace_used"] = "0";
    const std::string accountId = service.accounts().add(account);
    devservice::FileEntry entry;
    entry.name = kFileName;
    entry.size = size;
    entry.seed = kSeed;
    entry.contentFile = contentPath;
    const auto added = service.files().addFile(accountId, "/", entry);
    if (!added)
        return usage("cannot add the file");

    devservice::DownloadSource source;
    source.fileName = kFileName;
    devservice::DownloadItem item;
    item.name = kFileName;
    item.size = size;
    item.seed = kSeed;
    item.contentFile = contentPath;
    source.items.push_back(item);
    const std::string port = std::to_string(service.port());
    std::cout << "port=" << port << "\nemail=" << kEmail << "\npassword=" << kPassword
              << "\nlink=https://www.localhost:" << port << "/file/" << added->linkcode
              << "\nlocation=https://127.0.0.1:" << port << "/dl/"
              << service.downloads().issue(source) << "\nready" << std::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    service.stop();
    return 0;
}
