#pragma once
// One accepted connection of the HTTP server: TLS hand-shake, then requests read and
// answered in turn until either side closes. Used by HttpServer only.
#include "tools/devservice/httpserver.h"

#include <memory>

namespace devservice {

class HttpConnection {
public:
    HttpConnection(int fd, SSL_CTX* tls, const HttpServer::Handler& handler,
                   const HttpLimits& limits, const std::atomic<bool>& stopping,
                   const HttpServer::StreamSelector& streams);
    ~HttpConnection();
    HttpConnection(const HttpConnection&) = delete;
    HttpConnection& operator=(const HttpConnection&) = delete;

    // Serves requests until the peer leaves, an error occurs or the server stops.
    // The caller closes the socket afterwards.
    void run();

private:
    enum class ReadResult { Ok, Closed, TooLarge, Malformed };

    long receive(char* buffer, std::size_t size);
    bool send(const char* data, std::size_t size);
    bool send(const std::string& text) { return send(text.data(), text.size()); }
    bool fill();
    ReadResult readLine(std::string& line, std::size_t limit);
    bool readExact(std::uint64_t size, std::string& out);

    ReadResult readHead(Request& request);
    ReadResult readBody(Request& request);
    ReadResult readChunkedBody(std::string& body);
    ReadResult openStream(Request& request);
    long readStreamed(char* buffer, std::size_t size);
    bool closeStream(bool drain);
    bool answer(const Request& request, Response response);
    bool sendStreamed(const Response& response, std::uint64_t limit);
    void refuse(int status);
    void closeTls();

    int fd_;
    SSL* ssl_ = nullptr;
    const HttpServer::Handler& handler_;
    const HttpLimits& limits_;
    const std::atomic<bool>& stopping_;
    const HttpServer::StreamSelector& streams_;
    std::string inbox_; // bytes received and not yet parsed
    std::size_t headBytes_ = 0;

    // The body of a streamed request: bytes still to come, and the handle its reader
    // holds, cleared once the handler has returned so a kept copy of the request can't
    // reach a connection that is gone.
    std::uint64_t streamLeft_ = 0;
    std::shared_ptr<HttpConnection*> streamGate_;
};

} // namespace devservice
