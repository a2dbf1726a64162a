#include "tools/devservice/locationendpoints.h"

#include "tools/devservice/contentreader.h"
#include "tools/devservice/replies.h"
#include "tools/devservice/service.h"
#include "tools/devservice/urltext.h"
#include "tools/devservice/zipstream.h"

namespace devservice {

namespace {

constexpr char kDownloadPrefix[] = "/dl/";
constexpr std::size_t kPiece = 64 * 1024;

struct ByteRange {
    std::uint64_t first = 0;
    std::uint64_t last = 0; // included
};

enum class RangeKind { Whole, Part, Unsatisfiable };

// One "bytes=first-[last]" or "bytes=-suffix" range; anything else (several ranges,
// other units, nonsense) is ignored and the whole body sent, as HTTP allows.
RangeKind readRange(const std::optional<std::string>& header, std::uint64_t length,
                    ByteRange& range) {
    if (!header || header->rfind("bytes=", 0) != 0 || header->find(',') != std::string::npos)
        return RangeKind::Whole;
    const std::string wanted = header->substr(6);
    const auto dash = wanted.find('-');
    if (dash == std::string::npos)
        return RangeKind::Whole;
    const auto first = plainDecimal(wanted.substr(0, dash));
    const auto last = plainDecimal(wanted.substr(dash + 1));
    if (!first && last) { // the last `last` bytes
        if (*last == 0 || length == 0)
            return RangeKind::Unsatisfiable;
        range = {length - std::min(*last, length), length - 1};
        return RangeKind::Part;
    }
    if (!first || (last && *last < *first) || (!last && dash + 1 != wanted.size()))
        return RangeKind::Whole;
    if (*first >= length)
        return RangeKind::Unsatisfiable;
    range = {*first, last ? std::min(*last, length - 1) : length - 1};
    return RangeKind::Part;
}

std::string contentDisposition(const std::string& name) {
    std::string plain;
    for (unsigned char c : name)
        plain += c < 0x80 && c >= 0x20 && c != '"' && c != '\\' ? static_cast<char>(c) : '_';
    return "attachment; filename=\"" + plain + "\"; filename*=UTF-8''" + percentEncode(name);
}

Response forbidden() {
    Response response;
    response.status = 403;
    response.setHeader("Content-Type", "text/html; charset=utf-8");
    response.body =
        "<html><head><title>403 Forbidden</title></head>"
        "<body><h1>Forbidden</h1><p>This download link has expired.</p></body></html>\n";
    return response;
}

std::function<void(const BodySink&)> fileProducer(const DownloadItem& file, std::uint64_t first,
                                                  std::uint64_t count) {
    return [seed = file.seed, contentFile = file.contentFile, first, count](const BodySink& sink) {
        ContentReader content(seed, contentFile);
        std::string piece(kPiece, '\0');
        for (std::uint64_t at = 0; at < count; at += piece.size()) {
            const auto size =
                static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), count - at));
            if (!content.read(first + at, piece.data(), size) || !sink(piece.data(), size))
                return;
        }
    };
}

Response serveDownload(Service& service, const Request& request) {
    const auto source = service.downloads().use(request.path().substr(sizeof kDownloadPrefix - 1));
    if (!source)
        return forbidden();
    const auto fault = service.locationFaults().take();
    std::optional<ZipStream> zip;
    if (source->zip)
        zip = ZipStream::make(source->items);
    const std::uint64_t length = zip ? zip->length() : source->items.front().size;

    Response response;
    response.setHeader("Content-Type", zip ? "application/zip" : "application/octet-stream");
    response.setHeader("Content-Disposition", contentDisposition(source->fileName));
    response.setHeader("Accept-Ranges", "bytes");
    ByteRange range{0, length - 1};
    const bool rangeIgnored = fault && fault->ignoresRange();
    switch (readRange(rangeIgnored ? std::nullopt : request.header("Range"), length, range)) {
    case RangeKind::Unsatisfiable:
        response.status = 416;
        response.setHeader("Content-Range", "bytes */" + std::to_string(length));
        return fault ? LocationFaults::apply(*fault, std::move(response), {}) : response;
    case RangeKind::Part:
        response.status = 206;
        response.setHeader("Content-Range", "bytes " + std::to_string(range.first) + "-" +
                                                std::to_string(range.last) + "/" +
                                                std::to_string(length));
        break;
    case RangeKind::Whole:
        break;
    }
    const std::uint64_t count = length == 0 ? 0 : range.last - range.first + 1;
    response.streamLength = count;
    if (zip)
        response.producer = [zip = *zip, first = range.first, count](const BodySink& sink) {
            zip.write(first, count, sink);
        };
    else
        response.producer = fileProducer(source->items.front(), range.first, count);
    const LocationFaults::Pause pause = [&service](std::chrono::milliseconds duration) {
        return service.pause(duration);
    };
    response.producer = LocationFaults::throttle(std::move(response.producer),
                                                 service.locationFaults().bandwidth(), pause);
    return fault ? LocationFaults::apply(*fault, std::move(response), pause) : response;
}

} // namespace

void addLocationEndpoints(Service& service) {
    Service* s = &service;
    for (const char* method : {"GET", "HEAD"})
        service.routePrefix(method, kDownloadPrefix,
                            [s](const Request& r) { return serveDownload(*s, r); });
}

} // namespace devservice
