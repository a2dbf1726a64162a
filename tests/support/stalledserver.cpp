#include "tests/support/stalledserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

StalledServer::StalledServer() {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (m_listener < 0 ||
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 64) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { acceptAll(); });
}

StalledServer::~StalledServer() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int connection : m_connections)
        ::close(connection);
    if (m_listener >= 0)
        ::close(m_listener);
}

std::string StalledServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

int StalledServer::accepted() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_connections.size());
}

void StalledServer::acceptAll() {
    while (!m_stop) {
        pollfd wait{m_listener, POLLIN, 0};
        if (::poll(&wait, 1, 50) <= 0)
            continue;
        const int connection = ::accept(m_listener, nullptr, nullptr);
        if (connection < 0)
            continue;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_connections.push_back(connection);
    }
}
