#pragma once
// Unguessable texts for session ids, tokens, link codes and transfer locations.
#include <cstddef>
#include <string>

namespace devservice {

std::string randomHex(std::size_t bytes);
// `length` characters from `alphabet`.
std::string randomText(std::size_t length, const std::string& alphabet);

} // namespace devservice
