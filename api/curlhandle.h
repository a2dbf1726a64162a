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

// Says that the calling thread runs libcurl, whose TLS library keeps state per thread:
// the thread lets go of it (OPENSSL_thread_stop) when it ends, whatever kind of thread
// it is. Every maker and runner of handles calls it, so each thread that runs libcurl
// gets it; a second call costs nothing. A thread still there when the process ends keeps
// its state (still reachable); none may end after OpenSSL's own clean-up at exit, which
// is why the call pool is never destroyed at exit.
void mark_curl_thread();

// Meant for start-up, before other threads make handles.
void set_proxy_provider(ProxyProvider provider);
void set_ca_path(const std::string& path);
std::string get_ca_path();

// Seconds allowed for connecting; shared by every handle.
constexpr long kConnectTimeoutSeconds = 30;

} // namespace utils
