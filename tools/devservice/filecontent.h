#pragma once
// The bytes of a stored file, made up from the file's seed: any stretch of a file of any
// size can be produced without holding the file, and the same (seed, offset) always
// gives the same bytes, so tests can check what a download delivered.
#include <cstddef>
#include <cstdint>
#include <string>

namespace devservice {

// Fills `out` with the `size` bytes of the file at `offset`.
void generateContent(std::uint64_t seed, std::uint64_t offset, char* out, std::size_t size);
std::string generateContent(std::uint64_t seed, std::uint64_t offset, std::size_t size);

// A 32-digit hex text that stands for the file's "hash_index": fixed per (seed, size).
std::string contentHash(std::uint64_t seed, std::uint64_t size);

} // namespace devservice
