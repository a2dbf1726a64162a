#pragma once
// A throw-away certificate authority made in memory when the stand-in starts, and the
// server certificate it signs (for 127.0.0.1, localhost and www.localhost). Nothing of it
// is ever written but the CA certificate, which clients load as their CA bundle.
#include <openssl/ssl.h>

#include <memory>
#include <string>

namespace devservice {

class TestCa {
public:
    // Empty (see valid()) when OpenSSL fails; error() then says why.
    TestCa();

    bool valid() const { return context_ != nullptr; }
    const std::string& error() const { return error_; }

    std::string caPem() const { return caPem_; }
    // TLS 1.2+ server context presenting the server certificate.
    std::shared_ptr<SSL_CTX> serverContext() const { return context_; }

private:
    std::string caPem_;
    std::shared_ptr<SSL_CTX> context_;
    std::string error_;
};

} // namespace devservice
