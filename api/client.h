#pragma once
// The process-wide API client and its login session.
#include "api/httprecords.h"
#include "api/user.h"

#include <memory>
#include <mutex>
#include <string>

namespace utils {
class http_util;
}

namespace brisko {

// One login: token, session id, the account record and the header lines that every call
// after the login sends. Safe to read from several threads at once.
class session {
public:
    session();
    virtual ~session();
    session(const session&) = delete;
    session& operator=(const session&) = delete;

    std::string get_session_id() const;
    void set_session_id(const std::string& id);
    std::string get_token() const;
    void set_token(const std::string& token);

    // The session's own account record (null until an account query stored one).
    // Readers get shared ownership, so a newer record never pulls one from under them.
    std::shared_ptr<const user> get_user() const;
    void set_user(const user& record);

    // The header set of the session; created empty on first use.
    utils::httpReqData& get_reqdata();
    // Replaces (and releases) the header set.
    void set_reqdata(utils::httpReqData* request);

    // A request of its own for one call: the session's header lines and the given body.
    utils::httpReqData make_request(const std::string& body = std::string()) const;

private:
    mutable std::mutex mutex;
    std::string session_id;
    std::string token;
    std::shared_ptr<const user> account;
    std::unique_ptr<utils::httpReqData> request;
};

class client {
public:
    explicit client(const std::string& appKey);
    // A client for calls under `bound`, sharing the application key and the transport of
    // `base`: nothing is set up anew (no library initialisation, no transport of its
    // own), so one costs little enough to be made for every attempt of a call.
    client(const client& base, std::shared_ptr<session> bound);
    virtual ~client();
    client(const client&) = delete;
    client& operator=(const client&) = delete;

    // The current session. Callers keep the returned pointer for the length of their call:
    // a login on another thread may replace the session meanwhile, and the old one stays
    // alive until its last holder lets go.
    std::shared_ptr<session> get_session() const;
    // Installs a new session (the client takes ownership).
    void set_session(session* replacement);
    // Installs a session that another client logged in (shared with it).
    void set_session(std::shared_ptr<session> replacement);

    std::string get_app_key() const;
    void set_app_key(const std::string& key);

    utils::http_util* get_http_util() const { return transport.get(); }

private:
    mutable std::mutex mutex;
    std::string app_key;
    std::shared_ptr<session> current;
    std::shared_ptr<utils::http_util> transport;
};

} // namespace brisko
