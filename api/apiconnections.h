#pragma once
// The connections of the service API calls. A blocking call takes a handle kept from an
// earlier call, so it goes over that call's open connection instead of a new TCP
// connection and TLS handshake; every handle, kept or new, joins one share object that
// holds the TLS sessions and resolved names of all API calls, so a second connection
// (two calls at once, or one after the service closed the first) resumes the TLS session
// instead of a full handshake. Each call still sets up its own request and headers.
// Thread-safe: a kept handle serves one call at a time, and the share is guarded by a
// lock per kind of data, as libcurl requires when handles on several threads use it.
#include <curl/curl.h>

namespace utils {

// An easy handle set up as create_curl_handle() sets one up, in the API share, and the
// multi handle that runs its transfers (so that a cancel can wake the wait for the reply)
// and keeps its connection between calls.
struct api_handle {
    CURL* easy = nullptr;
    CURLM* multi = nullptr;
};

// A kept or new pair; both null when libcurl can't make one. Give it back with
// return_api_handle(), with the easy handle out of the multi handle.
api_handle take_api_handle();
// Keeps the pair, with its connection, for a later call (or frees it when enough are
// kept).
void return_api_handle(api_handle handle);
// Puts a handle the caller owns into the API share (the asynchronous calls).
void join_api_share(CURL* handle);

} // namespace utils
