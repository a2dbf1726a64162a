#pragma once
// The request and reply records that pass between the HTTP server and the endpoints.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace devservice {

struct Request {
    std::string method;
    std::string target; // raw, as sent: "%2F" stays "%2F"
    std::string version;
    std::vector<std::string> headerLines; // exact text, in order, without the CRLF
    std::string body;                     // de-chunked when sent chunked

    // Routes that stream their body (Service::routeStreamed) find `body` empty: they read
    // the bodyLength bytes themselves through bodyReader, as they arrive. Whatever the
    // handler leaves unread is read and dropped before the reply goes out.
    std::function<long(char* buffer, std::size_t size)> bodyReader; // 0 at the end, -1 gone
    std::uint64_t bodyLength = 0;

    std::string path() const;  // the target before "?"
    std::string query() const; // the target after "?", raw; empty when there is none

    // Value of the first header of that name (any case), blanks around it removed.
    std::optional<std::string> header(const std::string& name) const;
    std::vector<std::string> headers(const std::string& name) const;
};

// Hands streamed body bytes to the connection; false once the peer is gone or the
// server stops, and the producer should then give up.
using BodySink = std::function<bool(const char* data, std::size_t size)>;

struct Response {
    int status = 200;
    std::string reason; // empty: the usual phrase of the status
    std::vector<std::pair<std::string, std::string>> headers; // Content-Length is added
    std::string body;

    // Big bodies: when a producer is set, `body` is ignored, Content-Length announces
    // streamLength, and the producer writes the bytes through the sink. Sending fewer
    // than announced closes the connection afterwards.
    std::function<void(const BodySink&)> producer;
    std::uint64_t streamLength = 0;

    // Faults. dropConnection: close without a byte of reply. cutAfter: headers promise
    // the whole body, only this many body bytes go out, then the connection closes.
    bool dropConnection = false;
    bool readRequestFirst = false; // with dropConnection: a streamed body is read whole first
    std::optional<std::uint64_t> cutAfter;
    bool closeConnection = false; // answer with "Connection: close" and close
    // No Content-Length: the body ends where the connection closes, as an HTTP/1.0 server
    // answers; a body shorter than the file then still ends cleanly.
    bool closeDelimited = false;
    // Transfer-Encoding chunked: the body goes out as one chunk and the last chunk, and no
    // Content-Length is added (one among `headers` still goes out, as a server may lie).
    bool chunked = false;

    void setHeader(const std::string& name, const std::string& value);
};

const char* reasonPhrase(int status);

} // namespace devservice
