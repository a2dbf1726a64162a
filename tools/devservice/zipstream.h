#pragma once
// A zip of stored (uncompressed) entries written on the fly from generated contents:
// its length is known before the first byte, the CRCs are computed while the entries
// stream and follow each one in a data descriptor, so nothing is held in memory and any
// byte range can be served.
#include "tools/devservice/downloadlocations.h"
#include "tools/devservice/httpmessage.h"

namespace devservice {

// The CRC-32 of zip entries, continued from `crc` (0 to start).
std::uint32_t zipCrc32(std::uint32_t crc, const char* data, std::size_t size);

// Little-endian fields and raw text appended to `out`, as zip headers are laid out.
class Bytes {
public:
    Bytes& u16(std::uint32_t value) { return le(value, 2); }
    Bytes& u32(std::uint64_t value) { return le(value, 4); }
    Bytes& text(const std::string& value) {
        out += value;
        return *this;
    }
    std::string out;

private:
    Bytes& le(std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((value >> (8 * i)) & 0xff);
        return *this;
    }
};

class ZipStream {
public:
    // Nothing when the entries don't fit a plain (non-zip64) zip: more than 65535
    // entries, or an offset or size past 4 GiB.
    static std::optional<ZipStream> make(std::vector<DownloadItem> items);

    std::uint64_t length() const { return length_; }
    // Sends bytes [offset, offset + count) of the zip; false when the sink gave up.
    bool write(std::uint64_t offset, std::uint64_t count, const BodySink& sink) const;

private:
    explicit ZipStream(std::vector<DownloadItem> items, std::uint64_t length)
        : items_(std::move(items)), length_(length) {}

    std::vector<DownloadItem> items_;
    std::uint64_t length_ = 0;
};

} // namespace devservice
