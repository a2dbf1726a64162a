#include "tools/devservice/alpnlog.h"

namespace devservice {

namespace {

constexpr std::size_t kKept = 4096;

} // namespace

void AlpnLog::attach(SSL_CTX* context) {
    SSL_CTX_set_alpn_select_cb(context, &AlpnLog::select, this);
}

std::vector<std::vector<std::string>> AlpnLog::offers() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return {offers_.begin(), offers_.end()};
}

void AlpnLog::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    offers_.clear();
}

int AlpnLog::select(SSL*, const unsigned char**, unsigned char*, const unsigned char* in,
                    unsigned int inLength, void* arg) {
    // The offer is a list of length-prefixed names.
    std::vector<std::string> names;
    for (unsigned int i = 0; i < inLength;) {
        const unsigned int length = in[i++];
        if (length > inLength - i)
            break;
        names.emplace_back(reinterpret_cast<const char*>(in + i), length);
        i += length;
    }
    auto* log = static_cast<AlpnLog*>(arg);
    {
        std::lock_guard<std::mutex> lock(log->mutex_);
        if (log->offers_.size() == kKept)
            log->offers_.pop_front();
        log->offers_.push_back(std::move(names));
    }
    // No protocol is chosen: the handshake goes on without one, and HTTP/1.1 is spoken.
    return SSL_TLSEXT_ERR_NOACK;
}

} // namespace devservice
