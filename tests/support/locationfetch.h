#pragma once
// Plain requests to the locations the stand-in hands out (download and upload), on
// curl handles made the program's way, and a reader for the zips it serves.
#include <curl/curl.h>

#include <cstdint>
#include <string>
#include <vector>

struct Fetched {
    CURLcode result = CURLE_OK;
    long status = 0;
    std::string body;
    std::vector<std::string> headerLines;

    // The value of the first header of that name (any case); empty when absent.
    std::string header(const std::string& name) const;
};

// GET, with a "Range: <range>" line when `range` is not empty; POST a small body when
// `post` is set.
Fetched fetch(const std::string& url, const std::string& range = {}, bool post = false);

// The entries of a zip of stored (uncompressed) entries, read by its central directory;
// empty when the text doesn't end with a zip's end record.
struct ZipEntry {
    std::string name;
    std::string data;
};
std::vector<ZipEntry> readStoredZip(const std::string& zip);
