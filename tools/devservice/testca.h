#pragma once
// The stand-in's certificate authority and the server certificate it signs (for
// 127.0.0.1, localhost and www.localhost). Without a folder the authority is a throw-away
// one made in memory, of which nothing is written but the CA certificate that clients
// load as their CA bundle. With a folder (a kept store) the authority lives there, made
// on the first start, so clients that trust it reach every later start on that folder.
#include <openssl/ssl.h>

#include <memory>
#include <string>

namespace devservice {

class TestCa {
public:
    // Empty (see valid()) when OpenSSL fails or the folder's authority cannot be read or
    // kept; error() then says why. A folder's files that cannot be read are left alone.
    explicit TestCa(const std::string& folder = std::string());

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
