#include "tests/support/locationfetch.h"

#include "api/curlhandle.h"

#include <strings.h>

namespace {

size_t collect(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

size_t collectLine(char* data, size_t size, size_t count, void* target) {
    std::string line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    static_cast<std::vector<std::string>*>(target)->push_back(line);
    return size * count;
}

// A little-endian number of `width` bytes at `at`.
std::uint32_t le(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

} // namespace

std::string Fetched::header(const std::string& name) const {
    for (const std::string& line : headerLines) {
        if (line.size() > name.size() + 1 && line[name.size()] == ':' &&
            strncasecmp(line.c_str(), name.c_str(), name.size()) == 0)
            return line.substr(line.find_first_not_of(' ', name.size() + 1));
    }
    return {};
}

Fetched fetch(const std::string& url, const std::string& range, bool post) {
    Fetched out;
    CURL* handle = utils::create_curl_handle();
    curl_slist* headers = nullptr;
    if (!range.empty())
        headers = curl_slist_append(headers, ("Range: " + range).c_str());
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &out.body);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, collectLine);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &out.headerLines);
    if (post)
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, "chunk");
    out.result = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &out.status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(handle);
    return out;
}

std::vector<ZipEntry> readStoredZip(const std::string& zip) {
    std::vector<ZipEntry> entries;
    if (zip.size() < 22 || le(zip, zip.size() - 22, 4) != 0x06054b50)
        return entries;
    const std::size_t end = zip.size() - 22;
    std::size_t at = le(zip, end + 16, 4);
    for (std::uint32_t i = 0; i < le(zip, end + 10, 2); ++i) {
        ZipEntry entry;
        const std::uint32_t size = le(zip, at + 24, 4);
        const std::uint32_t nameLength = le(zip, at + 28, 2);
        entry.name = zip.substr(at + 46, nameLength);
        const std::size_t local = le(zip, at + 42, 4);
        entry.data = zip.substr(local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2), size);
        entries.push_back(entry);
        at += 46 + nameLength + le(zip, at + 30, 2) + le(zip, at + 32, 2);
    }
    return entries;
}
