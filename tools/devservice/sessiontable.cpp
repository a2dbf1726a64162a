#include "tools/devservice/sessiontable.h"

#include "tools/devservice/randomtext.h"

namespace devservice {

Session SessionTable::open(const std::string& accountId) {
    Session session;
    session.id = randomHex(16);
    session.token = randomHex(20);
    session.accountId = accountId;
    session.setCookie = std::string(kCookieName) + "=" + session.id + "; path=/";
    std::lock_guard<std::mutex> lock(mutex_);
    bySetCookie_[session.setCookie] = session;
    return session;
}

std::optional<Session> SessionTable::findBySetCookie(const std::string& setCookie) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = bySetCookie_.find(setCookie);
    if (it == bySetCookie_.end())
        return std::nullopt;
    return it->second;
}

void SessionTable::close(const std::string& sessionId) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = bySetCookie_.begin(); it != bySetCookie_.end(); ++it) {
        if (it->second.id == sessionId) {
            bySetCookie_.erase(it);
            return;
        }
    }
}

void SessionTable::expireAccount(const std::string& accountId) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = bySetCookie_.begin(); it != bySetCookie_.end();) {
        if (it->second.accountId == accountId)
            it = bySetCookie_.erase(it);
        else
            ++it;
    }
}

void SessionTable::expireAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    bySetCookie_.clear();
}

std::size_t SessionTable::size() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bySetCookie_.size();
}

} // namespace devservice
