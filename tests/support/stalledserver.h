#pragma once
// A server on 127.0.0.1 that accepts every connection and never answers: a partner site
// that has stalled. It counts the connections it took and closes them when it goes.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class StalledServer {
public:
    StalledServer();
    ~StalledServer();
    StalledServer(const StalledServer&) = delete;
    StalledServer& operator=(const StalledServer&) = delete;

    // 0 when it could not listen.
    std::uint16_t port() const { return m_port; }
    std::string url(const std::string& path) const;
    int accepted() const;

private:
    void acceptAll();

    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::vector<int> m_connections;
};
