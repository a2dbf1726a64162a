#include "tools/devservice/testca.h"

#include "tools/devservice/jsonfiles.h"

#include <openssl/bn.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace devservice {

namespace {

using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Certificate = std::unique_ptr<X509, decltype(&X509_free)>;
using Extensions = std::vector<std::pair<int, const char*>>;

constexpr long kValidSeconds = 3L * 365 * 24 * 3600;

std::string opensslError(const char* what) {
    char text[256] = {};
    ERR_error_string_n(ERR_get_error(), text, sizeof text);
    ERR_clear_error();
    return std::string(what) + ": " + text;
}

bool setRandomSerial(X509* certificate) {
    std::unique_ptr<BIGNUM, decltype(&BN_free)> serial(BN_new(), BN_free);
    return serial && BN_rand(serial.get(), 63, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) == 1 &&
           BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(certificate)) != nullptr;
}

bool addExtensions(X509* certificate, X509* issuer, const Extensions& extensions) {
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    for (const auto& [nid, value] : extensions) {
        X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
        const bool added = extension && X509_add_ext(certificate, extension, -1) == 1;
        X509_EXTENSION_free(extension);
        if (!added)
            return false;
    }
    return true;
}

// issuer/issuerKey null: self-signed.
Certificate makeCertificate(EVP_PKEY* key, const char* commonName, X509* issuer,
                            EVP_PKEY* issuerKey, const Extensions& extensions) {
    Certificate certificate(X509_new(), X509_free);
    if (!certificate)
        return certificate;
    X509* cert = certificate.get();
    X509_NAME* subject = X509_get_subject_name(cert);
    const auto* cn = reinterpret_cast<const unsigned char*>(commonName);
    const auto* org = reinterpret_cast<const unsigned char*>("Brisko devservice");
    const bool ok =
        X509_set_version(cert, 2) == 1 && setRandomSerial(cert) &&
        X509_gmtime_adj(X509_getm_notBefore(cert), -3600) &&
        X509_gmtime_adj(X509_getm_notAfter(cert), kValidSeconds) &&
        X509_NAME_add_entry_by_txt(subject, "O", MBSTRING_ASC, org, -1, -1, 0) == 1 &&
        X509_NAME_add_entry_by_txt(subject, "CN", MBSTRING_ASC, cn, -1, -1, 0) == 1 &&
        X509_set_issuer_name(cert, issuer ? X509_get_subject_name(issuer) : subject) == 1 &&
        X509_set_pubkey(cert, key) == 1 &&
        addExtensions(cert, issuer ? issuer : cert, extensions) &&
        X509_sign(cert, issuerKey ? issuerKey : key, EVP_sha256()) > 0;
    if (!ok)
        certificate.reset();
    return certificate;
}

using Bio = std::unique_ptr<BIO, decltype(&BIO_free)>;

std::string memoryText(BIO* bio) {
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    return std::string(data, static_cast<std::size_t>(size));
}

std::string toPem(X509* certificate) {
    Bio bio(BIO_new(BIO_s_mem()), BIO_free);
    if (!bio || PEM_write_bio_X509(bio.get(), certificate) != 1)
        return {};
    return memoryText(bio.get());
}

std::string keyToPem(EVP_PKEY* key) {
    Bio bio(BIO_new(BIO_s_mem()), BIO_free);
    if (!bio ||
        PEM_write_bio_PrivateKey(bio.get(), key, nullptr, nullptr, 0, nullptr, nullptr) != 1)
        return {};
    return memoryText(bio.get());
}

bool makeAuthority(Key& key, Certificate& ca, std::string& error) {
    key.reset(EVP_EC_gen("P-256"));
    if (!key) {
        error = opensslError("key generation");
        return false;
    }
    ca = makeCertificate(key.get(), "Brisko devservice test CA", nullptr, nullptr,
                         {{NID_basic_constraints, "critical,CA:TRUE,pathlen:0"},
                          {NID_key_usage, "critical,keyCertSign,cRLSign"},
                          {NID_subject_key_identifier, "hash"},
                          {NID_authority_key_identifier, "keyid:always"}});
    if (!ca) {
        error = opensslError("CA certificate");
        return false;
    }
    return true;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool readAuthority(const std::string& caPath, const std::string& keyPath, Key& key, Certificate& ca,
                   std::string& error) {
    Bio caFile(BIO_new_file(caPath.c_str(), "r"), BIO_free);
    Bio keyFile(BIO_new_file(keyPath.c_str(), "r"), BIO_free);
    if (caFile)
        ca.reset(PEM_read_bio_X509(caFile.get(), nullptr, nullptr, nullptr));
    if (keyFile)
        key.reset(PEM_read_bio_PrivateKey(keyFile.get(), nullptr, nullptr, nullptr));
    if (!ca || !key) {
        error = opensslError((ca ? keyPath : caPath).c_str());
        return false;
    }
    if (X509_check_private_key(ca.get(), key.get()) != 1) {
        error = opensslError((keyPath + " is not the key of " + caPath).c_str());
        return false;
    }
    return true;
}

// The authority kept in `folder`: read when it is there, else made and kept there (the
// key readable by its owner only). A half-kept one (either file alone) is refused.
bool keptAuthority(const std::string& folder, Key& key, Certificate& ca, std::string& error) {
    const std::string caPath = folder + "/ca.crt";
    const std::string keyPath = folder + "/ca.key";
    const bool haveCa = exists(caPath);
    const bool haveKey = exists(keyPath);
    if (haveCa && haveKey)
        return readAuthority(caPath, keyPath, key, ca, error);
    if (haveCa || haveKey) {
        error = (haveCa ? caPath : keyPath) + " has no " + (haveCa ? keyPath : caPath) +
                " beside it: remove it to make a new authority";
        return false;
    }
    if (!makeAuthority(key, ca, error))
        return false;
    const std::string keyText = keyToPem(key.get());
    const std::string caText = toPem(ca.get());
    if (keyText.empty() || caText.empty()) {
        error = opensslError("PEM encoding");
        return false;
    }
    if (!writeFileAtomically(keyPath, keyText, &error, 0600))
        return false;
    if (!writeFileAtomically(caPath, caText, &error)) {
        ::unlink(keyPath.c_str()); // the next start makes both again
        return false;
    }
    return true;
}

} // namespace

TestCa::TestCa(const std::string& folder) {
    Key caKey(nullptr, EVP_PKEY_free);
    Certificate ca(nullptr, X509_free);
    const bool haveAuthority = folder.empty() ? makeAuthority(caKey, ca, error_)
                                              : keptAuthority(folder, caKey, ca, error_);
    if (!haveAuthority)
        return;
    Key serverKey(EVP_EC_gen("P-256"), EVP_PKEY_free);
    if (!serverKey) {
        error_ = opensslError("key generation");
        return;
    }
    const Certificate server =
        makeCertificate(serverKey.get(), "localhost", ca.get(), caKey.get(),
                        {{NID_basic_constraints, "critical,CA:FALSE"},
                         {NID_key_usage, "critical,digitalSignature"},
                         {NID_ext_key_usage, "serverAuth"},
                         {NID_subject_key_identifier, "hash"},
                         {NID_authority_key_identifier, "keyid"},
                         {NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost,DNS:www.localhost"}});
    if (!server) {
        error_ = opensslError("server certificate");
        return;
    }

    std::shared_ptr<SSL_CTX> context(SSL_CTX_new(TLS_server_method()), SSL_CTX_free);
    if (!context || SSL_CTX_set_min_proto_version(context.get(), TLS1_2_VERSION) != 1 ||
        SSL_CTX_use_certificate(context.get(), server.get()) != 1 ||
        SSL_CTX_use_PrivateKey(context.get(), serverKey.get()) != 1 ||
        SSL_CTX_add1_chain_cert(context.get(), ca.get()) != 1) {
        error_ = opensslError("TLS context");
        return;
    }
    caPem_ = toPem(ca.get());
    context_ = std::move(context);
}

} // namespace devservice
