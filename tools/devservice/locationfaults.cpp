#include "tools/devservice/locationfaults.h"

#include <algorithm>
#include <limits>

namespace devservice {

namespace {

Response page(int status, const std::string& text) {
    Response response;
    response.status = status;
    response.setHeader("Content-Type", "text/html; charset=utf-8");
    response.body =
        "<html><body><h1>" + std::to_string(status) + "</h1><p>" + text + "</p></body></html>\n";
    return response;
}

// The producer's first `count` bytes only.
std::function<void(const BodySink&)> firstBytes(std::function<void(const BodySink&)> producer,
                                                std::uint64_t count) {
    return [producer = std::move(producer), count](const BodySink& sink) {
        std::uint64_t sent = 0;
        producer([&](const char* data, std::size_t size) {
            const auto allowed =
                static_cast<std::size_t>(std::min<std::uint64_t>(size, count - sent));
            if (allowed > 0 && !sink(data, allowed))
                return false;
            sent += allowed;
            return sent < count;
        });
    };
}

// The producer's bytes, then filler bytes until the sink refuses more.
std::function<void(const BodySink&)> paddedForEver(std::function<void(const BodySink&)> producer) {
    return [producer = std::move(producer)](const BodySink& sink) {
        bool alive = true;
        producer([&](const char* data, std::size_t size) { return alive = sink(data, size); });
        const std::string filler(16 * 1024, 'x');
        while (alive)
            alive = sink(filler.data(), filler.size());
    };
}

} // namespace

LocationFault LocationFault::withStatus(int status) {
    LocationFault fault;
    fault.kind = Kind::Status;
    fault.status = status;
    return fault;
}

LocationFault LocationFault::redirect(std::string target) {
    LocationFault fault;
    fault.kind = Kind::Redirect;
    fault.status = 302;
    fault.target = std::move(target);
    return fault;
}

LocationFault LocationFault::cutShort(std::uint64_t bytes) {
    LocationFault fault;
    fault.kind = Kind::CutShort;
    fault.bytes = bytes;
    return fault;
}

LocationFault LocationFault::endEarly(std::uint64_t bytes) {
    LocationFault fault;
    fault.kind = Kind::EndEarly;
    fault.bytes = bytes;
    return fault;
}

LocationFault LocationFault::stallAfter(std::uint64_t bytes, std::chrono::milliseconds stall) {
    LocationFault fault;
    fault.kind = Kind::Stall;
    fault.bytes = bytes;
    fault.stall = stall;
    return fault;
}

LocationFault LocationFault::ignoreRange() {
    LocationFault fault;
    fault.kind = Kind::IgnoreRange;
    return fault;
}

LocationFault LocationFault::wrongLength(std::uint64_t announced) {
    LocationFault fault;
    fault.kind = Kind::WrongLength;
    fault.bytes = announced;
    return fault;
}

LocationFault LocationFault::endless() {
    LocationFault fault;
    fault.kind = Kind::Endless;
    return fault;
}

LocationFault LocationFault::wholeAsPartial() {
    LocationFault fault;
    fault.kind = Kind::WholeAsPartial;
    return fault;
}

void LocationFaults::next(LocationFault fault) {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.push_back(std::move(fault));
}

std::optional<LocationFault> LocationFaults::take() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (faults_.empty())
        return std::nullopt;
    LocationFault fault = std::move(faults_.front());
    faults_.pop_front();
    return fault;
}

void LocationFaults::setBandwidth(std::uint64_t bytesPerSecond) {
    std::lock_guard<std::mutex> lock(mutex_);
    bandwidth_ = bytesPerSecond;
}

std::uint64_t LocationFaults::bandwidth() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bandwidth_;
}

void LocationFaults::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.clear();
    bandwidth_ = 0;
}

Response LocationFaults::apply(const LocationFault& fault, Response answer, const Pause& pause) {
    const bool bodyFault =
        fault.kind != LocationFault::Kind::Status && fault.kind != LocationFault::Kind::Redirect;
    if (bodyFault && !answer.producer)
        return answer; // nothing to shape (a 416, say)
    switch (fault.kind) {
    case LocationFault::Kind::Status:
        return page(fault.status,
                    fault.status == 403 ? "This download link has expired." : "Scripted failure.");
    case LocationFault::Kind::Redirect: {
        Response moved = page(302, "Moved.");
        moved.setHeader("Location", fault.target);
        return moved;
    }
    case LocationFault::Kind::CutShort:
        answer.cutAfter = fault.bytes;
        return answer;
    case LocationFault::Kind::EndEarly:
        answer.closeDelimited = true;
        answer.producer = firstBytes(std::move(answer.producer), fault.bytes);
        answer.streamLength = std::min(answer.streamLength, fault.bytes);
        return answer;
    case LocationFault::Kind::Stall:
        answer.producer = [producer = std::move(answer.producer), fault,
                           pause](const BodySink& sink) {
            std::uint64_t sent = 0;
            bool stalled = false;
            producer([&](const char* data, std::size_t size) {
                while (size > 0) {
                    if (!stalled && sent >= fault.bytes) {
                        stalled = true;
                        if (!pause(fault.stall))
                            return false;
                    }
                    std::size_t part = size;
                    if (!stalled)
                        part = static_cast<std::size_t>(
                            std::min<std::uint64_t>(size, fault.bytes - sent));
                    if (!sink(data, part))
                        return false;
                    data += part;
                    size -= part;
                    sent += part;
                }
                return true;
            });
        };
        return answer;
    case LocationFault::Kind::IgnoreRange:
        return answer; // the endpoint reads no range for it
    case LocationFault::Kind::WrongLength:
        // The connection takes exactly the announced bytes of the padded body.
        answer.producer = paddedForEver(std::move(answer.producer));
        answer.streamLength = fault.bytes;
        return answer;
    case LocationFault::Kind::Endless:
        answer.closeDelimited = true;
        answer.producer = paddedForEver(std::move(answer.producer));
        answer.streamLength = std::numeric_limits<std::uint64_t>::max();
        return answer;
    case LocationFault::Kind::WholeAsPartial:
        answer.status = 206; // the whole body, read without a range, says nothing of where
        return answer;
    }
    return answer;
}

std::function<void(const BodySink&)>
LocationFaults::throttle(std::function<void(const BodySink&)> producer,
                         std::uint64_t bytesPerSecond, const Pause& pause) {
    if (bytesPerSecond == 0)
        return producer;
    return [producer = std::move(producer), bytesPerSecond, pause](const BodySink& sink) {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        // Slices of a fiftieth of a second keep the rate smooth.
        const std::size_t slice =
            static_cast<std::size_t>(std::max<std::uint64_t>(1024, bytesPerSecond / 50));
        std::uint64_t sent = 0;
        producer([&](const char* data, std::size_t size) {
            while (size > 0) {
                const std::size_t part = std::min(size, slice);
                if (!sink(data, part))
                    return false;
                data += part;
                size -= part;
                sent += part;
                const auto due = start + std::chrono::microseconds(sent * 1000000 / bytesPerSecond);
                const auto early =
                    std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now());
                if (early.count() > 0 && !pause(early))
                    return false;
            }
            return true;
        });
    };
}

} // namespace devservice
