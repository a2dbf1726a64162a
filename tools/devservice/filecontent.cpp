#include "tools/devservice/filecontent.h"

namespace devservice {

namespace {

// splitmix64: one 64-bit word per 8-byte block, so any block can be made on its own.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

std::uint64_t block(std::uint64_t seed, std::uint64_t index) {
    return mix(seed * 0x100000001b3ull ^ index);
}

} // namespace

void generateContent(std::uint64_t seed, std::uint64_t offset, char* out, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const std::uint64_t position = offset + done;
        const std::uint64_t word = block(seed, position / 8);
        for (unsigned byte = position % 8; byte < 8 && done < size; ++byte)
            out[done++] = static_cast<char>((word >> (8 * byte)) & 0xff);
    }
}

std::string generateContent(std::uint64_t seed, std::uint64_t offset, std::size_t size) {
    std::string bytes(size, '\0');
    generateContent(seed, offset, bytes.data(), size);
    return bytes;
}

std::string contentHash(std::uint64_t seed, std::uint64_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (std::uint64_t word : {mix(seed ^ size), mix(size * 31 + seed)}) {
        for (int shift = 60; shift >= 0; shift -= 4)
            hex += digits[(word >> shift) & 0xf];
    }
    return hex;
}

} // namespace devservice
