#pragma once
// Scripted misbehaviour: "the n-th call of this path answers so", counted per path
// (the raw target before "?"). A fault is used once, then forgotten.
#include "tools/devservice/httpmessage.h"

#include <chrono>
#include <functional>
#include <map>
#include <mutex>

namespace devservice {

// The parts combine: wait first, then answer `reply` instead of the endpoint's own
// answer (when set), then cut the connection as `cut` says.
struct Fault {
    enum class Cut {
        None,
        BeforeReply,  // close without a byte of reply
        AfterRequest, // read the whole request, then close without a byte of reply
        MidReply,     // headers promise the whole body, bytesBeforeCut of it go out
    };

    std::chrono::milliseconds delay{0};
    // Waits (after the delay) until this holds, looked at every 10 ms: a reply held until
    // the test lets it go.
    std::function<bool()> until;
    std::optional<Response> reply;
    Cut cut = Cut::None;
    std::uint64_t bytesBeforeCut = 0;

    static Fault status(int status, std::string body, std::string contentType = "application/json");
    static Fault wait(std::chrono::milliseconds delay);
    static Fault waitFor(std::function<bool()> condition);
    static Fault cutBeforeReply();
    // A server gone while the request was on its way: the client finds out only after
    // sending all of it.
    static Fault cutAfterRequest();
    static Fault cutMidReply(std::uint64_t bytesBeforeCut = 0);

    // Applies the reply and the cut to what the endpoint answered.
    Response applyTo(Response answer) const;
};

class FaultScript {
public:
    // Scripts call number `call` (1-based, counted since the start or the last clear()).
    void at(const std::string& path, int call, Fault fault);
    // Scripts the first call after those made so far that has no fault yet, so two
    // next() in a row script the next two calls.
    void next(const std::string& path, Fault fault);

    // Counts one call of `path` and hands over its fault, if one was scripted.
    std::optional<Fault> take(const std::string& path);

    int calls(const std::string& path) const;
    void clear(); // faults and counts

private:
    mutable std::mutex mutex_;
    std::map<std::string, int> calls_;
    std::map<std::string, std::map<int, Fault>> faults_;
};

} // namespace devservice
