#include "tools/devservice/service.h"

#include "tools/devservice/bannerpage.h"
#include "tools/devservice/demoaccount.h"
#include "tools/devservice/filechangeendpoints.h"
#include "tools/devservice/fileendpoints.h"
#include "tools/devservice/jsonfiles.h"
#include "tools/devservice/locationendpoints.h"
#include "tools/devservice/replies.h"
#include "tools/devservice/sessionendpoints.h"
#include "tools/devservice/uploadendpoints.h"
#include "tools/devservice/userendpoints.h"
#include "tools/devservice/webendpoints.h"

#include <algorithm>

namespace devservice {

Service::Service(ServiceOptions options) : options_(std::move(options)) {
    setLatency(options_.latency);
    requests_.setLimit(options_.requestLogLimit);
    addUserEndpoints(*this);
    addFileEndpoints(*this);
    addFileChangeEndpoints(*this);
    addSessionEndpoints(*this);
    addLocationEndpoints(*this);
    addUploadEndpoints(*this);
    addWebEndpoints(*this);
    addBannerPage(*this);
}

Service::~Service() {
    stop();
}

bool Service::start(std::string* error) {
    auto fail = [error](const std::string& message) {
        if (error)
            *error = message;
        return false;
    };
    if (server_)
        return fail("already started");
    if (options_.appKey.empty())
        return fail("no application key given");
    if (!accounts_.open(options_.dataFolder, error) || !files_.open(options_.dataFolder, error))
        return false;
    // Uploaded files live beside a kept store, else in a private temporary folder; a kept
    // store keeps its upload locations there too.
    const std::string uploads = options_.dataFolder.empty() ? "" : options_.dataFolder + "/uploads";
    if (!uploadStore_.open(uploads, error) || !uploads_.open(uploads, error))
        return false;
    if (options_.seedDemoAccount && accounts_.empty())
        demo::seedFiles(files_, accounts_.add(demo::account()));

    if (options_.tls) {
        // A kept store keeps its authority too: clients that trusted it reach it again.
        ca_ = std::make_unique<TestCa>(options_.dataFolder);
        if (!ca_->valid())
            return fail(ca_->error());
        alpn_.attach(ca_->serverContext().get());
    }
    return listen(options_.port, error);
}

void Service::stop() {
    if (server_)
        server_->stop();
}

bool Service::restart(std::string* error) {
    if (!server_) {
        if (error)
            *error = "not started";
        return false;
    }
    const std::uint16_t port = server_->port();
    server_->stop();
    return listen(port, error);
}

bool Service::listen(std::uint16_t port, std::string* error) {
    server_ = std::make_unique<HttpServer>(
        ca_ ? ca_->serverContext() : nullptr,
        [this](const Request& request) { return dispatch(request); }, options_.limits,
        [this](const Request& request) { return streamsBody(request); });
    return server_->start(options_.host, port, error);
}

std::uint16_t Service::port() const {
    return server_ ? server_->port() : 0;
}

std::uint64_t Service::connectionsAccepted() const {
    return server_ ? server_->connectionsAccepted() : 0;
}

long Service::resumedTlsSessions() const {
    return server_ ? server_->resumedTlsSessions() : 0;
}

std::string Service::caPem() const {
    return ca_ ? ca_->caPem() : std::string();
}

bool Service::writeCaFile(const std::string& path, std::string* error) const {
    if (!ca_) {
        if (error)
            *error = "no CA: the service is not started or serves plain HTTP";
        return false;
    }
    return writeFileAtomically(path, ca_->caPem(), error);
}

bool Service::expireSessions(const std::string& login) {
    const auto account = accounts_.findByLogin(login);
    if (!account)
        return false;
    sessions_.expireAccount(account->id);
    return true;
}

void Service::setLatestVersion(LatestVersion latest) {
    std::lock_guard<std::mutex> lock(scriptMutex_);
    latest_ = std::move(latest);
}

LatestVersion Service::latestVersion() const {
    std::lock_guard<std::mutex> lock(scriptMutex_);
    return latest_;
}

bool Service::refuseMultipleIp(const std::string& login, bool refuse) {
    const auto account = accounts_.findByLogin(login);
    if (!account)
        return false;
    std::lock_guard<std::mutex> lock(scriptMutex_);
    if (refuse)
        multipleIpAccounts_.insert(account->id);
    else
        multipleIpAccounts_.erase(account->id);
    return true;
}

bool Service::refusesMultipleIp(const std::string& accountId) const {
    std::lock_guard<std::mutex> lock(scriptMutex_);
    return multipleIpAccounts_.count(accountId) > 0;
}

std::vector<Json::Value> Service::logRecords() const {
    std::vector<Json::Value> records;
    for (const Request& request : requests_.forPath("/")) {
        Json::Value record;
        if (request.method == "POST" && parseJsonObject(request.body, record))
            records.push_back(std::move(record));
    }
    return records;
}

std::string Service::baseUrl(const Request& request) const {
    const auto host = request.header("Host");
    return std::string(options_.tls ? "https://" : "http://") +
           (host && !host->empty() ? *host : options_.host + ":" + std::to_string(port()));
}

void Service::route(const std::string& method, const std::string& path, Handler handler) {
    addRoute({method, path, false, std::move(handler)});
}

void Service::routePrefix(const std::string& method, const std::string& prefix, Handler handler) {
    addRoute({method, prefix, true, std::move(handler)});
}

void Service::routeStreamed(const std::string& method, const std::string& prefix, Handler handler) {
    addRoute({method, prefix, true, std::move(handler), true});
}

// Streamed routes are prefix routes: one of them takes the body unless an exact route or
// a longer prefix would answer the request.
bool Service::streamsBody(const Request& request) const {
    const std::string path = request.path();
    std::lock_guard<std::mutex> lock(routesMutex_);
    const Route* best = nullptr;
    for (const Route& route : routes_) {
        const bool matches = route.prefix ? path.rfind(route.path, 0) == 0 : path == route.path;
        if (!matches || route.method != request.method)
            continue;
        if (!best || (best->prefix && (!route.prefix || route.path.size() > best->path.size())))
            best = &route;
    }
    return best && best->streamed;
}

void Service::addRoute(Route route) {
    std::lock_guard<std::mutex> lock(routesMutex_);
    routes_.push_back(std::move(route));
}

std::optional<Session> Service::authenticate(const Request& request,
                                             const Json::Value* body) const {
    const auto cookie = request.header("Cookie");
    const std::string suffix = ";key=" + options_.appKey;
    if (!cookie || cookie->size() <= suffix.size() ||
        cookie->compare(cookie->size() - suffix.size(), suffix.size(), suffix) != 0)
        return std::nullopt;
    auto session = sessions_.findBySetCookie(cookie->substr(0, cookie->size() - suffix.size()));
    if (session && body) {
        const Json::Value& token = (*body)["token"];
        if (!token.isString() || token.asString() != session->token)
            return std::nullopt;
    }
    return session;
}

bool Service::pause(std::chrono::milliseconds duration) {
    return server_ && server_->pause(duration);
}

void Service::setLatency(std::chrono::milliseconds latency) {
    latencyMs_ = std::max<std::int64_t>(0, latency.count());
}

std::chrono::milliseconds Service::latency() const {
    return std::chrono::milliseconds(latencyMs_.load());
}

Response Service::dispatch(const Request& request) {
    requests_.add(request);
    Response gone;
    gone.dropConnection = true;
    const std::chrono::milliseconds held = latency();
    if (held.count() > 0 && request.path().rfind("/api/", 0) == 0 && !pause(held))
        return gone;
    const auto fault = faults_.take(request.path());
    if (!fault)
        return answer(request);
    if (fault->delay.count() > 0 && !pause(fault->delay))
        return gone;
    while (fault->until && !fault->until()) {
        if (!pause(std::chrono::milliseconds(10)))
            return gone;
    }
    // A scripted reply or an early cut stands in for the endpoint: it never runs.
    const bool endpointRuns = !fault->reply && fault->cut != Fault::Cut::BeforeReply &&
                              fault->cut != Fault::Cut::AfterRequest;
    return fault->applyTo(endpointRuns ? answer(request) : Response());
}

Response Service::answer(const Request& request) {
    const std::string path = request.path();
    Handler handler;
    bool pathKnown = false;
    {
        std::lock_guard<std::mutex> lock(routesMutex_);
        const Route* best = nullptr;
        for (const Route& route : routes_) {
            const bool matches = route.prefix ? path.rfind(route.path, 0) == 0 : path == route.path;
            pathKnown = pathKnown || matches;
            if (!matches || route.method != request.method)
                continue;
            // Exact paths first, then the longest prefix.
            if (!best || (best->prefix && (!route.prefix || route.path.size() > best->path.size())))
                best = &route;
        }
        if (best)
            handler = best->handler;
    }
    if (handler)
        return handler(request);
    if (!pathKnown)
        return notFoundPage();
    Response refusal;
    refusal.status = 405;
    refusal.setHeader("Content-Type", "text/plain");
    refusal.body = "method not allowed\n";
    return refusal;
}

} // namespace devservice
