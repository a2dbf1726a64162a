#pragma once
// The durations of the engine's fixed waits (retry waits, the wait before a transfer,
// the stall limit of a transfer). Production waits the designed durations; tests
// install a source that shrinks them, so they need neither sleeps of seconds nor a
// different code path.
#include <atomic>
#include <chrono>

class TimeSource {
public:
    enum class Wait {
        Retry,             // between two attempts of a transfer
        AccountWait,       // one second of the wait before a transfer of an ordinary account
        StallLimit,        // how long a transfer may deliver (almost) nothing before it is dropped
        SendStall,         // how long an upload's chunk may have bytes waiting that never leave
        ChunkPause,        // after an upload chunk was taken, before the next offset query
        CountdownStep,     // one step of the countdown after the service refused a chunk
        ShutdownCountdown, // the whole countdown before an automatic power-off
        FetchDeadline,     // the whole of a partner site's fetch (feed, page, poster, archive)
        SpeedLimit,        // a pause that holds an upload to its speed limit
        HiddenWindowHold,  // how long an account's teardown waits for hidden windows' runs
    };

    virtual ~TimeSource();

    // How long to wait for a wait of this kind whose designed length is `designed`.
    // Called from any thread.
    virtual std::chrono::milliseconds duration(Wait kind, std::chrono::milliseconds designed);

    // The source in use: the one installed last, else the real one.
    static TimeSource& current();
    // Makes `source` current (null: back to the real durations) and returns the one it
    // replaces. The caller keeps ownership; install before the threads that wait start.
    static TimeSource* install(TimeSource* source);

private:
    static std::atomic<TimeSource*> installed;
};
