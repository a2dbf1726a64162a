#pragma once
// A small HTTP/1.1 server on POSIX sockets and OpenSSL: an accept thread and one thread
// per connection. It is ours rather than cpp-httplib because that library keeps request
// headers in a sorted map, and the stand-in must record the header lines exactly as the
// client sent them, in their order.
#include "tools/devservice/httpmessage.h"

#include <openssl/ssl.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace devservice {

struct HttpLimits {
    std::size_t maxHeaderBytes = 64 * 1024; // request line and header lines together
    std::size_t maxHeaderLines = 200;
    std::uint64_t maxBodyBytes = 256ull << 20;
    int idleSeconds = 60; // a connection silent (or not reading) this long is closed
    // SO_RCVBUF of every connection; 0: the kernel's. A small one makes a capped reader
    // behave like a slow line: what it has not taken waits in the sender's queue.
    int receiveBuffer = 0;
};

class HttpServer {
public:
    using Handler = std::function<Response(const Request&)>;
    // Asked with the request line and headers: true when the handler reads the body itself.
    using StreamSelector = std::function<bool(const Request&)>;

    // tls: the context that serves HTTPS; null serves plain HTTP.
    HttpServer(std::shared_ptr<SSL_CTX> tls, Handler handler, HttpLimits limits = {},
               StreamSelector streams = {});
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Listens on host:port (port 0: a free one, see port()). Once only.
    bool start(const std::string& host, std::uint16_t port, std::string* error = nullptr);
    // Closes the listener and every connection and joins all threads.
    void stop();

    std::uint16_t port() const { return port_; }
    bool isTls() const { return tls_ != nullptr; }

    // A sleep for handlers that ends early, with false, when the server stops.
    bool pause(std::chrono::milliseconds duration);
    bool stopping() const { return stopping_; }

    // Connections accepted so far, and TLS handshakes that resumed an earlier session.
    std::uint64_t connectionsAccepted() const { return accepted_; }
    long resumedTlsSessions() const;

private:
    struct Connection {
        int fd = -1;
        std::thread thread;
        std::atomic<bool> finished{false};
    };

    void acceptLoop();
    void runConnection(Connection* connection);
    void joinFinished();

    std::shared_ptr<SSL_CTX> tls_;
    Handler handler_;
    HttpLimits limits_;
    StreamSelector streams_;
    int listenFd_ = -1;
    std::uint16_t port_ = 0;
    std::thread acceptThread_;
    std::atomic<bool> stopping_{false};
    std::atomic<std::uint64_t> accepted_{0};

    std::mutex mutex_; // guards connections_, each connection's fd, and the pause wait
    std::condition_variable stopped_;
    std::list<std::unique_ptr<Connection>> connections_;
};

} // namespace devservice
