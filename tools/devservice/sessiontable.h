#pragma once
// Login sessions of the stand-in. Memory only: a restarted stand-in has forgotten them,
// as a real service forgets expired sessions, and the client must log in again.
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace devservice {

struct Session {
    std::string id;    // "session_id" of the login reply, also the cookie's value
    std::string token; // "token" of the login reply, carried in POST bodies
    std::string accountId;
    std::string setCookie; // the whole Set-Cookie value issued, attributes included
};

class SessionTable {
public:
    static constexpr char kCookieName[] = "BRISKOSESSID";

    Session open(const std::string& accountId);
    // The session whose Set-Cookie value was exactly `setCookie`.
    std::optional<Session> findBySetCookie(const std::string& setCookie) const;
    void close(const std::string& sessionId);
    void expireAccount(const std::string& accountId);
    void expireAll();
    std::size_t size() const;

private:
    mutable std::mutex mutex_;
    std::map<std::string, Session> bySetCookie_;
};

} // namespace devservice
