#include "tools/devservice/contentreader.h"

#include "tools/devservice/filecontent.h"

namespace devservice {

ContentReader::ContentReader(std::uint64_t seed, std::string contentFile)
    : seed_(seed), contentFile_(std::move(contentFile)) {}

ContentReader::~ContentReader() {
    if (file_)
        std::fclose(file_);
}

bool ContentReader::read(std::uint64_t offset, char* out, std::size_t size) {
    if (contentFile_.empty()) {
        generateContent(seed_, offset, out, size);
        return true;
    }
    if (!file_)
        file_ = std::fopen(contentFile_.c_str(), "rbe");
    return file_ && fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0 &&
           std::fread(out, 1, size, file_) == size;
}

} // namespace devservice
