#include "core/crypto.h"

#include <openssl/evp.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kMaxHexBytes = 510;
constexpr size_t kFileBlock = 32768;

using DigestContext = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

std::string digestHex(EVP_MD_CTX* context) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context, digest, &length) != 1)
        return {};
    return toHex(digest, static_cast<int>(length));
}

std::string aesRun(const EVP_CIPHER* algorithm, const std::string& input, const std::string& key,
                   const std::string& iv, bool encrypt) {
    if (!algorithm || key.size() < 32 || iv.size() < 16)
        return {};
    CipherContext context(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    if (!context ||
        EVP_CipherInit_ex(context.get(), algorithm, nullptr,
                          reinterpret_cast<const unsigned char*>(key.data()),
                          reinterpret_cast<const unsigned char*>(iv.data()), encrypt ? 1 : 0) != 1)
        return {};
    // A stream mode: the output is exactly as long as the input.
    std::string output(input.size(), '\0');
    auto* out = reinterpret_cast<unsigned char*>(&output[0]);
    const auto* in = reinterpret_cast<const unsigned char*>(input.data());
    size_t done = 0;
    while (done < input.size()) {
        const int chunk = static_cast<int>(std::min<size_t>(input.size() - done, INT_MAX / 2));
        int written = 0;
        if (EVP_CipherUpdate(context.get(), out + done, &written, in + done, chunk) != 1)
            return {};
        done += static_cast<size_t>(written);
    }
    int tail = 0;
    if (EVP_CipherFinal_ex(context.get(), out + done, &tail) != 1)
        return {};
    output.resize(done + static_cast<size_t>(tail));
    return output;
}

} // namespace

std::string toHex(const unsigned char* data, int count) {
    static const char digits[] = "0123456789abcdef";
    const int n = std::min(std::max(count, 0), kMaxHexBytes);
    std::string hex;
    hex.reserve(static_cast<size_t>(n) * 2);
    for (int i = 0; i < n; ++i) {
        hex += digits[data[i] >> 4];
        hex += digits[data[i] & 0x0f];
    }
    return hex;
}

std::string sha256File(const std::string& path) {
    std::unique_ptr<FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
    DigestContext context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!file || !context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return {};
    std::vector<unsigned char> block(kFileBlock);
    size_t got = 0;
    while ((got = std::fread(block.data(), 1, block.size(), file.get())) > 0) {
        if (EVP_DigestUpdate(context.get(), block.data(), got) != 1)
            return {};
    }
    // A read error is not the end of the file: its digest would be of a part only.
    if (std::ferror(file.get()))
        return {};
    return digestHex(context.get());
}

std::string sha256String(const std::string& data) {
    DigestContext context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1 ||
        EVP_DigestUpdate(context.get(), data.data(), data.size()) != 1)
        return {};
    return digestHex(context.get());
}

QString fromUtf8StdString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size()));
}

std::string toUtf8StdString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string aesEncrypt(const std::string& plain, const std::string& passphrase) {
    return AesCipher(passphrase).encrypt(plain);
}

std::string aesDecrypt(const std::string& cipher, const std::string& passphrase) {
    return AesCipher(passphrase).decrypt(cipher);
}

AesCipher::AesCipher(const std::string& passphrase)
    : key(sha256String(passphrase)), iv(sha256String("vec_pf_" + passphrase)),
      algorithm(EVP_CIPHER_fetch(nullptr, "AES-256-CFB", nullptr)) {}

AesCipher::~AesCipher() {
    EVP_CIPHER_free(algorithm);
}

std::string AesCipher::run(const std::string& input, bool encrypt) const {
    return aesRun(algorithm, input, key, iv, encrypt);
}
