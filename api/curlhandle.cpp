#include "api/curlhandle.h"

#include <openssl/crypto.h>

#include <mutex>

namespace {

// Written at start-up and by tests; read by every thread that makes a handle.
std::mutex g_mutex;
std::string g_caPath;
utils::ProxyProvider g_proxyProvider;

// One per thread that runs libcurl; its end is the thread's.
struct CurlThread {
    bool used = false;
    ~CurlThread() {
        if (used)
            OPENSSL_thread_stop();
    }
};

thread_local CurlThread t_curlThread;

} // namespace

namespace utils {

void mark_curl_thread() {
    t_curlThread.used = true;
}

CURL* create_curl_handle() {
    CURL* handle = curl_easy_init();
    if (handle)
        configure_curl_handle(handle);
    return handle;
}

void configure_curl_handle(CURL* handle) {
    mark_curl_thread();
    std::string caPath;
    ProxyProvider provider;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        caPath = g_caPath;
        provider = g_proxyProvider;
    }

    std::string host;
    unsigned short port = 0;
    const bool useProxy = provider && provider(host, port);

    curl_easy_setopt(handle, CURLOPT_CAINFO, caPath.c_str());
    if (useProxy) {
        curl_easy_setopt(handle, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
        curl_easy_setopt(handle, CURLOPT_PROXY, host.c_str());
        curl_easy_setopt(handle, CURLOPT_PROXYPORT, static_cast<long>(port));
    } else {
        // An empty proxy name switches proxies off, environment variables included.
        curl_easy_setopt(handle, CURLOPT_PROXY, "");
    }
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    // HTTP/1.1 everywhere: the service's calls carry header lines (the content type twice,
    // the cookie line) that must go out exactly as written, which HTTP/2 would not keep.
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    // Handles live on many threads; signals must not be used for time-outs.
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
}

void set_proxy_provider(ProxyProvider provider) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_proxyProvider = std::move(provider);
}

void set_ca_path(const std::string& path) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_caPath = path;
}

std::string get_ca_path() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_caPath;
}

} // namespace utils
