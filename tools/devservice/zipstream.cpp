#include "tools/devservice/zipstream.h"

#include "tools/devservice/contentreader.h"

#include <array>
#include <ctime>

namespace devservice {

namespace {

constexpr std::uint64_t kLocalHeader = 30;
constexpr std::uint64_t kDescriptor = 16;
constexpr std::uint64_t kCentralHeader = 46;
constexpr std::uint64_t kEndRecord = 22;
constexpr std::uint16_t kFlags = 0x0808; // sizes and CRC follow the data; UTF-8 names
constexpr std::uint16_t kVersion = 20;
constexpr std::size_t kPiece = 64 * 1024;

} // namespace

std::uint32_t zipCrc32(std::uint32_t crc, const char* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ static_cast<unsigned char>(data[i])) & 0xff] ^ (crc >> 8);
    return ~crc;
}

namespace {

// MS-DOS date and time of a UTC instant; 1980-01-01 for anything earlier.
std::pair<std::uint16_t, std::uint16_t> dosTime(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&t, &parts);
    if (parts.tm_year < 80)
        return {0, (1 << 5) | 1};
    const auto time = (parts.tm_hour << 11) | (parts.tm_min << 5) | (parts.tm_sec / 2);
    const auto date = ((parts.tm_year - 80) << 9) | ((parts.tm_mon + 1) << 5) | parts.tm_mday;
    return {static_cast<std::uint16_t>(time), static_cast<std::uint16_t>(date)};
}

// Writes the whole zip in order and passes on only the bytes inside the window.
class WindowWriter {
public:
    WindowWriter(std::uint64_t offset, std::uint64_t count, const BodySink& sink)
        : begin_(offset), end_(offset + count), sink_(sink) {}

    bool done() const { return position_ >= end_; }
    std::uint64_t position() const { return position_; }

    bool put(const char* data, std::size_t size) {
        const std::uint64_t from = std::max(position_, begin_);
        const std::uint64_t to = std::min(position_ + size, end_);
        const bool ok = from >= to || sink_(data + (from - position_), to - from);
        position_ += size;
        return ok;
    }
    bool put(const std::string& bytes) { return put(bytes.data(), bytes.size()); }

private:
    std::uint64_t position_ = 0;
    std::uint64_t begin_;
    std::uint64_t end_;
    const BodySink& sink_;
};

// The header fields shared by the local and the central header, from "version needed"
// to the name length.
Bytes& common(Bytes& bytes, const DownloadItem& item, std::uint32_t crc) {
    const auto [time, date] = dosTime(item.modified);
    return bytes.u16(kVersion)
        .u16(kFlags)
        .u16(0)
        .u16(time)
        .u16(date)
        .u32(crc)
        .u32(item.size)
        .u32(item.size)
        .u16(item.name.size());
}

} // namespace

std::optional<ZipStream> ZipStream::make(std::vector<DownloadItem> items) {
    std::uint64_t entries = 0;
    std::uint64_t central = 0;
    for (DownloadItem& item : items) {
        if (item.folder)
            item.size = 0;
        entries += kLocalHeader + item.name.size() + item.size + kDescriptor;
        central += kCentralHeader + item.name.size();
    }
    if (items.size() > 0xffff || entries + central > 0xffffffffull)
        return std::nullopt;
    return ZipStream(std::move(items), entries + central + kEndRecord);
}

bool ZipStream::write(std::uint64_t offset, std::uint64_t count, const BodySink& sink) const {
    WindowWriter out(offset, count, sink);
    std::vector<std::uint32_t> crcs;
    std::vector<std::uint64_t> starts;
    std::string piece(kPiece, '\0');
    for (const DownloadItem& item : items_) {
        starts.push_back(out.position());
        Bytes header;
        common(header.u32(0x04034b50), item, 0).u16(0).text(item.name);
        if (!out.put(header.out))
            return false;
        std::uint32_t crc = 0;
        ContentReader content(item.seed, item.contentFile);
        for (std::uint64_t at = 0; at < item.size && !out.done(); at += piece.size()) {
            const std::size_t size =
                static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), item.size - at));
            if (!content.read(at, piece.data(), size))
                return false;
            crc = zipCrc32(crc, piece.data(), size);
            if (!out.put(piece.data(), size))
                return false;
        }
        if (out.done())
            return true; // the rest lies past the window
        crcs.push_back(crc);
        if (!out.put(Bytes().u32(0x08074b50).u32(crc).u32(item.size).u32(item.size).out))
            return false;
    }
    const std::uint64_t centralStart = out.position();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        Bytes header;
        common(header.u32(0x02014b50).u16(kVersion), items_[i], crcs[i])
            .u16(0)
            .u16(0)
            .u16(0)
            .u16(0)
            .u32(items_[i].folder ? 0x10 : 0)
            .u32(starts[i])
            .text(items_[i].name);
        if (!out.put(header.out))
            return false;
    }
    const std::uint64_t centralSize = out.position() - centralStart;
    return out.put(Bytes()
                       .u32(0x06054b50)
                       .u16(0)
                       .u16(0)
                       .u16(items_.size())
                       .u16(items_.size())
                       .u32(centralSize)
                       .u32(centralStart)
                       .u16(0)
                       .out);
}

} // namespace devservice
