#pragma once
// Scripted misbehaviour of the download locations ("/dl/<token>"), whatever their
// token: the next requests of any location answer as scripted, one fault each, and a
// bandwidth cap holds every connection's download to a rate. Thread-safe.
#include "tools/devservice/httpmessage.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace devservice {

struct LocationFault {
    enum class Kind {
        Status,         // a small HTML page with `status` (403: the location expired, 404, 500...)
        Redirect,       // 302 to `target`, with a small body
        CutShort,       // the headers promise the whole body; `bytes` of it go out, then a cut
        EndEarly,       // no Content-Length; `bytes` of the body, then a clean close
        Stall,          // `bytes` of the body, then nothing for `stall`, then the rest
        IgnoreRange,    // 200 and the whole body, whatever range was asked for
        WrongLength,    // Content-Length says `bytes`; the body is cut there, or padded to it
        Endless,        // no Content-Length; the body, then filler bytes for as long as read
        WholeAsPartial, // 206 without Content-Range, and the whole body
    };

    Kind kind = Kind::Status;
    int status = 500;
    std::string target;
    std::uint64_t bytes = 0;
    std::chrono::milliseconds stall{0};

    static LocationFault withStatus(int status);
    static LocationFault redirect(std::string target);
    static LocationFault cutShort(std::uint64_t bytes);
    static LocationFault endEarly(std::uint64_t bytes);
    static LocationFault stallAfter(std::uint64_t bytes, std::chrono::milliseconds stall);
    static LocationFault ignoreRange();
    static LocationFault wrongLength(std::uint64_t announced);
    static LocationFault endless();
    static LocationFault wholeAsPartial();
    // Faults for which the endpoint reads no range and answers with the whole body.
    bool ignoresRange() const { return kind == Kind::IgnoreRange || kind == Kind::WholeAsPartial; }
};

class LocationFaults {
public:
    // Sleeps that end early, with false, when the service stops.
    using Pause = std::function<bool(std::chrono::milliseconds)>;

    // Scripts the first location request not yet scripted.
    void next(LocationFault fault);
    // Hands the fault of one location request over, if one was scripted.
    std::optional<LocationFault> take();

    // Bytes a second per connection; 0: as fast as it goes.
    void setBandwidth(std::uint64_t bytesPerSecond);
    std::uint64_t bandwidth() const;

    void clear(); // faults and cap

    // The answer of a location shaped by the fault (its range already read).
    static Response apply(const LocationFault& fault, Response answer, const Pause& pause);
    // The producer of a body held to the rate (0: unchanged).
    static std::function<void(const BodySink&)>
    throttle(std::function<void(const BodySink&)> producer, std::uint64_t bytesPerSecond,
             const Pause& pause);

private:
    mutable std::mutex mutex_;
    std::deque<LocationFault> faults_;
    std::uint64_t bandwidth_ = 0;
};

} // namespace devservice
