#include "tools/devservice/httpserver.h"

#include "tools/devservice/httpconnection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace devservice {

namespace {

void setTimeouts(int fd, int seconds) {
    timeval timeout{};
    timeout.tv_sec = seconds;
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

std::string systemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

} // namespace

HttpServer::HttpServer(std::shared_ptr<SSL_CTX> tls, Handler handler, HttpLimits limits,
                       StreamSelector streams)
    : tls_(std::move(tls)), handler_(std::move(handler)), limits_(limits),
      streams_(std::move(streams)) {}

HttpServer::~HttpServer() {
    stop();
}

bool HttpServer::start(const std::string& host, std::uint16_t port, std::string* error) {
    auto fail = [&](const std::string& message) {
        if (error)
            *error = message;
        if (listenFd_ >= 0)
            ::close(listenFd_);
        listenFd_ = -1;
        return false;
    };
    if (listenFd_ >= 0 || acceptThread_.joinable())
        return fail("already started");

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1)
        return fail("not an IPv4 address: " + host);

    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0)
        return fail(systemError("socket"));
    const int on = 1;
    setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    // Set before listen(), so the window the connections offer is sized for it.
    if (limits_.receiveBuffer > 0)
        setsockopt(listenFd_, SOL_SOCKET, SO_RCVBUF, &limits_.receiveBuffer,
                   sizeof limits_.receiveBuffer);
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return fail(systemError("bind " + host + ":" + std::to_string(port)));
    if (::listen(listenFd_, 64) != 0)
        return fail(systemError("listen"));

    socklen_t size = sizeof address;
    getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    acceptThread_ = std::thread(&HttpServer::acceptLoop, this);
    return true;
}

void HttpServer::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    if (listenFd_ >= 0)
        ::shutdown(listenFd_, SHUT_RDWR); // wakes the blocked accept()
    if (acceptThread_.joinable())
        acceptThread_.join();
    if (listenFd_ >= 0)
        ::close(listenFd_);
    listenFd_ = -1;

    std::list<std::unique_ptr<Connection>> connections;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const auto& connection : connections_) {
            if (connection->fd >= 0)
                ::shutdown(connection->fd, SHUT_RDWR); // wakes blocked reads and writes
        }
        connections.swap(connections_);
    }
    for (const auto& connection : connections) {
        if (connection->thread.joinable())
            connection->thread.join();
    }
}

long HttpServer::resumedTlsSessions() const {
    return tls_ ? SSL_CTX_sess_hits(tls_.get()) : 0;
}

bool HttpServer::pause(std::chrono::milliseconds duration) {
    std::unique_lock<std::mutex> lock(mutex_);
    return !stopped_.wait_for(lock, duration, [this] { return stopping_.load(); });
}

void HttpServer::acceptLoop() {
    while (!stopping_) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
                pause(std::chrono::milliseconds(50));
            continue;
        }
        ++accepted_;
        setTimeouts(fd, limits_.idleSeconds);
        joinFinished();
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_) {
            ::close(fd);
            break;
        }
        auto connection = std::make_unique<Connection>();
        connection->fd = fd;
        Connection* raw = connection.get();
        connection->thread = std::thread(&HttpServer::runConnection, this, raw);
        connections_.push_back(std::move(connection));
    }
}

void HttpServer::runConnection(Connection* connection) {
    // A write to a peer that has gone raises SIGPIPE for this thread; blocked, it stays
    // pending and dies with the thread instead of ending the process.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

    {
        HttpConnection http(connection->fd, tls_.get(), handler_, limits_, stopping_, streams_);
        http.run();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    ::close(connection->fd);
    connection->fd = -1; // under the lock, so stop() never shuts a reused descriptor
    connection->finished = true;
}

// Long-running instances would otherwise pile up ended threads.
void HttpServer::joinFinished() {
    std::list<std::unique_ptr<Connection>> finished;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto it = connections_.begin(); it != connections_.end();) {
            if ((*it)->finished) {
                finished.push_back(std::move(*it));
                it = connections_.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (const auto& connection : finished)
        connection->thread.join();
}

} // namespace devservice
