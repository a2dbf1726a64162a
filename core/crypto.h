#pragma once
// Digests, hex text and the cipher that hides stored passwords.
#include <QString>

#include <string>

struct evp_cipher_st;

// Lower-case hex of the bytes; at most the first 510 bytes are converted.
std::string toHex(const unsigned char* data, int count);

// SHA-256 of a whole file as 64 hex characters; "" when the file can't be read.
// The path is handed to the C library as it stands (UTF-8 here).
std::string sha256File(const std::string& path);
std::string sha256String(const std::string& data);

QString fromUtf8StdString(const std::string& utf8);
std::string toUtf8StdString(const QString& text);

// AES-256-CFB128; key and IV are derived from the passphrase. The result has the
// input's length. A wrong passphrase gives wrong bytes, not an error.
std::string aesEncrypt(const std::string& plain, const std::string& passphrase);
std::string aesDecrypt(const std::string& cipher, const std::string& passphrase);

// The same cipher with the key and IV derived once, for callers that run it on many
// texts (a long history file). Safe to use from several threads.
class AesCipher {
public:
    explicit AesCipher(const std::string& passphrase);
    std::string encrypt(const std::string& plain) const { return run(plain, true); }
    std::string decrypt(const std::string& cipher) const { return run(cipher, false); }

    ~AesCipher();
    AesCipher(const AesCipher&) = delete;
    AesCipher& operator=(const AesCipher&) = delete;

private:
    std::string run(const std::string& input, bool encrypt) const;

    std::string key; // hex digits, of which the first 32 are the key bytes
    std::string iv;  // hex digits, of which the first 16 are the IV bytes
    // Fetched once: looking the algorithm up on every use costs more than the cipher.
    evp_cipher_st* algorithm = nullptr;
};
