#include "tools/devservice/randomtext.h"

#include <openssl/rand.h>

namespace devservice {

std::string randomHex(std::size_t bytes) {
    return randomText(2 * bytes, "0123456789abcdef");
}

std::string randomText(std::size_t length, const std::string& alphabet) {
    std::string raw(length, '\0');
    RAND_bytes(reinterpret_cast<unsigned char*>(raw.data()), static_cast<int>(length));
    std::string text;
    for (unsigned char c : raw)
        text += alphabet[c % alphabet.size()];
    return text;
}

} // namespace devservice
