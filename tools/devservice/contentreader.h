#pragma once
// The bytes of a stored file, wherever they come from: made up from its seed, or read
// from the file an upload left behind.
#include <cstdint>
#include <cstdio>
#include <string>

namespace devservice {

class ContentReader {
public:
    ContentReader(std::uint64_t seed, std::string contentFile);
    ~ContentReader();
    ContentReader(const ContentReader&) = delete;
    ContentReader& operator=(const ContentReader&) = delete;

    // Fills `out` with `size` bytes of the file from `offset`; false when an uploaded
    // file can't be read any more.
    bool read(std::uint64_t offset, char* out, std::size_t size);

private:
    std::uint64_t seed_;
    std::string contentFile_;
    std::FILE* file_ = nullptr;
};

} // namespace devservice
