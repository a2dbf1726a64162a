#pragma once
// The local stand-in of the Brisko service: HTTPS on loopback with a throw-away CA,
// the service's endpoints over an in-memory account store, a log of every request and
// scripted faults. Tests run it in-process; brisko-devservice runs it standalone.
#include "tools/devservice/accountstore.h"
#include "tools/devservice/alpnlog.h"
#include "tools/devservice/downloadlocations.h"
#include "tools/devservice/faultscript.h"
#include "tools/devservice/filestore.h"
#include "tools/devservice/httpserver.h"
#include "tools/devservice/locationfaults.h"
#include "tools/devservice/requestlog.h"
#include "tools/devservice/sessiontable.h"
#include "tools/devservice/testca.h"
#include "tools/devservice/uploadslots.h"
#include "tools/devservice/uploadstore.h"

#include <json/json.h>

#include <atomic>
#include <set>

namespace devservice {

struct ServiceOptions {
    std::string appKey; // the one application key a login may carry; required
    std::string host = "127.0.0.1";
    std::uint16_t port = 0;          // 0: any free port
    std::string dataFolder;          // empty: the store lives in memory only
    bool seedDemoAccount = true;     // when the store starts out empty
    bool tls = true;                 // false: plain HTTP
    std::size_t requestLogLimit = 0; // 0: keep every request
    HttpLimits limits;
    // How long every API reply ("/api/...") is held back, as by a distant service.
    std::chrono::milliseconds latency{0};
};

// What the version check answers.
struct LatestVersion {
    std::string version = "5.3.0.174"; // the program's own: no update is offered
    std::string link;
};

class Service {
public:
    using Handler = std::function<Response(const Request&)>;

    explicit Service(ServiceOptions options);
    ~Service();
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    // Opens the store, makes the certificates (keeps them in the data folder, when there
    // is one) and starts listening. Once only.
    bool start(std::string* error = nullptr);
    void stop();
    // After stop(): listens again on the same port, with the same certificates, store and
    // upload locations, as the service back from a restart over its kept data.
    bool restart(std::string* error = nullptr);

    std::uint16_t port() const;
    const ServiceOptions& options() const { return options_; }
    // Connections accepted since the start, and TLS handshakes that resumed a session.
    std::uint64_t connectionsAccepted() const;
    long resumedTlsSessions() const;
    std::string caPem() const;
    bool writeCaFile(const std::string& path, std::string* error = nullptr) const;

    RequestLog& requests() { return requests_; }
    // The protocols each TLS client offered (HTTP/2 or not).
    AlpnLog& alpnOffers() { return alpn_; }
    FaultScript& faults() { return faults_; }
    AccountStore& accounts() { return accounts_; }
    SessionTable& sessions() { return sessions_; }
    FileStore& files() { return files_; }
    // Where download locations lead; setLifetime() and setMaxUses() script their expiry.
    DownloadLocations& downloads() { return downloads_; }
    // Misbehaviour of the download locations, whatever their token, and a bandwidth cap.
    LocationFaults& locationFaults() { return locationFaults_; }
    UploadSlots& uploads() { return uploads_; }
    // What the upload locations received, and how they behave (uploadendpoints.h).
    UploadStore& uploadStore() { return uploadStore_; }

    // Ends every session of the account with this e-mail or phone number, so its next
    // call answers 201. False when there is no such account.
    bool expireSessions(const std::string& login);

    // The version check's answer, for any "type".
    void setLatestVersion(LatestVersion latest);
    LatestVersion latestVersion() const;

    // While on, the account's download sessions are refused with code::kMultipleIp and
    // the message "Multiple IP download". False when there is no such account.
    bool refuseMultipleIp(const std::string& login, bool refuse = true);
    bool refusesMultipleIp(const std::string& accountId) const;

    // The bodies posted to the log collector ("POST /"), oldest first, as far as the
    // request log still holds them; bodies that are not JSON objects are left out.
    std::vector<Json::Value> logRecords() const;

    // "https://" (or "http://") + the Host the request came to: where the locations
    // handed out in reply to it lead.
    std::string baseUrl(const Request& request) const;

    // Endpoints: `path` matched exactly against the raw target before "?", or, with
    // routePrefix, every path that starts with `prefix` (the longest prefix wins).
    void route(const std::string& method, const std::string& path, Handler handler);
    void routePrefix(const std::string& method, const std::string& prefix, Handler handler);
    // A prefix route that reads its request bodies itself (Request::bodyReader), for
    // bodies too big to hold in memory.
    void routeStreamed(const std::string& method, const std::string& prefix, Handler handler);

    // The session a call carries: its Cookie line is exactly the Set-Cookie value that
    // login issued + ";key=" + the application key, and when the parsed POST body is
    // given, its "token" is the session's. Nothing means: answer sessionExpiredReply().
    std::optional<Session> authenticate(const Request& request,
                                        const Json::Value* body = nullptr) const;

    // A sleep for endpoints (slow answers, capped bandwidth) that ends early, with
    // false, when the service stops.
    bool pause(std::chrono::milliseconds duration);

    // Holds back every API reply ("/api/...") this long from now on, before any scripted
    // fault's own wait; 0 answers at once.
    void setLatency(std::chrono::milliseconds latency);
    std::chrono::milliseconds latency() const;

private:
    struct Route {
        std::string method;
        std::string path;
        bool prefix = false;
        Handler handler;
        bool streamed = false;
    };

    bool listen(std::uint16_t port, std::string* error);
    Response dispatch(const Request& request);
    bool streamsBody(const Request& request) const;
    Response answer(const Request& request);
    void addRoute(Route route);

    ServiceOptions options_;
    AlpnLog alpn_; // outlives the TLS context that reports to it
    std::unique_ptr<TestCa> ca_;
    std::unique_ptr<HttpServer> server_;
    RequestLog requests_;
    FaultScript faults_;
    AccountStore accounts_;
    SessionTable sessions_;

    FileStore files_;
    DownloadLocations downloads_;
    LocationFaults locationFaults_;
    UploadSlots uploads_;
    UploadStore uploadStore_;

    std::atomic<std::int64_t> latencyMs_{0};

    mutable std::mutex routesMutex_;
    std::vector<Route> routes_;

    mutable std::mutex scriptMutex_; // guards the scripted answers below
    LatestVersion latest_;
    std::set<std::string> multipleIpAccounts_;
};

} // namespace devservice
