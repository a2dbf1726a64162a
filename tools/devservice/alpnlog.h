#pragma once
// The application protocols (ALPN) each TLS client offered in its greeting, so tests can
// see which HTTP versions the client was ready to speak. The stand-in itself speaks
// HTTP/1.1 only and never picks one. Thread-safe.
#include <openssl/ssl.h>

#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace devservice {

class AlpnLog {
public:
    // Records the offers of every handshake on `context` from now on; the log must
    // outlive the context's connections.
    void attach(SSL_CTX* context);

    // One entry per handshake that offered protocols, oldest first, e.g. {"h2", "http/1.1"};
    // only the latest few thousand are kept, so a long-running stand-in doesn't grow.
    std::vector<std::vector<std::string>> offers() const;
    void clear();

private:
    static int select(SSL* ssl, const unsigned char** out, unsigned char* outLength,
                      const unsigned char* in, unsigned int inLength, void* arg);

    mutable std::mutex mutex_;
    std::deque<std::vector<std::string>> offers_;
};

} // namespace devservice
