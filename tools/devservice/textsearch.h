#pragma once
// Matching names as a user expects: "phim" finds "Phim" and "mắt" finds "MẮT".
#include <string>

namespace devservice {

// True when `text` holds `part`, both UTF-8, letter case ignored. An empty part
// matches everything.
bool containsIgnoringCase(const std::string& text, const std::string& part);

} // namespace devservice
