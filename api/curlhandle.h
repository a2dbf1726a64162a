#pragma once
// The one maker of libcurl easy handles: every transfer of the program verifies TLS
// against the same CA bundle and goes through the same proxy choice.
#include <curl/curl.h>

#include <functional>
#include <string>

namespace utils {

using ProxyProvider = std::function<bool(std::string& host, unsigned short& port)>;

// A new easy handle owned by the caller (curl_easy_cleanup), or null when libcurl
// can't make one. It carries the CA bundle, the proxy choice (an explicit "none" when
// no proxy is chosen, so proxy variables of the environment don't leak in), http and
// https as the only protocols, HTTP/1.1, and a connect time-out.
CURL* create_curl_handle();
// Gives a handle those settings, as create_curl_handle does (for one that was reset).
void configure_curl_handle(CURL* handle);

// Says that the calling thread runs libcurl: when the thread ends, OpenSSL lets go of
// what it keeps for that thread, whatever ends it and whenever (OpenSSL's own clean-up
// of a thread is no longer there for a thread that outlives its clean-up at exit). Every
// maker and runner of handles calls it, so each thread that runs libcurl gets it; a
// second call costs nothing.
void mark_curl_thread();

// Meant for start-up, before other threads make handles.
void set_proxy_provider(ProxyProvider provider);
void set_ca_path(const std::string& path);
std::string get_ca_path();

// Seconds allowed for connecting; shared by every handle.
constexpr long kConnectTimeoutSeconds = 30;

} // namespace utils
