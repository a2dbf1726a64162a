#pragma once
// The thin HTTP layer under every service call: one blocking request per call, each on an
// easy handle set up as create_curl_handle() sets one up, kept between calls with its
// connection (apiconnections.h), and run on a multi handle of its own, so that a cancel
// can wake the wait for the reply.
#include "api/httprecords.h"

#include <curl/curl.h>

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace utils {

using completion_fn = void (*)(void* context, http_response* response);

// One queued request of the asynchronous path.
struct async_request;

class http_util {
public:
    http_util();
    virtual ~http_util();
    http_util(const http_util&) = delete;
    http_util& operator=(const http_util&) = delete;

    // Blocking GET / POST. The request is copied when the call starts; the returned
    // response belongs to the caller.
    static http_response* get(const std::string& url, const httpReqData& request);
    static http_response* post(const std::string& url, const httpReqData& request);

    // libcurl write callback for replies of API calls: appends every byte it is given, and
    // refuses a reply grown past the limit below: libcurl then ends the call with a write
    // error, a failed call without a reply.
    static size_t bounded_write(char* data, size_t size, size_t count, std::string* target);
    // The total deadline (and the stall limit) of an API call on `handle`, and its end
    // once the calls are cancelled while libcurl moves data (its progress callback reads
    // the flag).
    static void limit_call_time(CURL* handle);
    // Runs the transfer of `handle` on `multi`, which holds no other handle, to its end:
    // libcurl's result, or CURLE_ABORTED_BY_CALLBACK once the calls are cancelled, at once
    // even while the reply is awaited. `multi` keeps the connection for a later call.
    static CURLcode perform_call(CURL* handle, CURLM* multi);
    static std::map<std::string, std::string> parse_headers(const std::string& headerText);

    // The asynchronous path: the request is queued and sent by the transport's worker
    // thread, which calls `completion` with the response (the completion owns it).
    // Requests queued while the worker runs join it; otherwise a worker is started.
    void async_post(const std::string& url, const httpReqData& request, completion_fn completion,
                    void* context);
    void async_get(const std::string& url, const httpReqData& request, completion_fn completion,
                   void* context);
    static void worker(http_util* self);

    CURLM* get_multi_handle() const { return multi; }
    int get_running_count() const;

    // Seconds a queued POST may take in all.
    static constexpr long kAsyncPostTimeoutSeconds = 20;

    // Seconds below one byte per second after which an API call is abandoned, so that
    // no call can hang the program for ever.
    static constexpr long kLowSpeedTimeSeconds = 60;

    // Bounds of every API call, far above what the service's replies need (the largest
    // listing page is well under a megabyte): a bigger reply, or a call that runs longer
    // in all, fails as a network error. Transfers of files have no total time-out.
    struct reply_limits {
        size_t maxBytes = 32 * 1024 * 1024; // of the body, and of the header lines
        long deadlineSeconds = 90;
    };
    static reply_limits get_reply_limits();
    // For tests: later calls use the new bounds.
    static void set_reply_limits(const reply_limits& limits);

    // The program's end: every API call on its way ends at once, a call waiting for its
    // reply included, and later calls fail at once without sending anything, all as calls
    // without a reply.
    static void cancel_calls();
    // Lets calls through again (tests).
    static void allow_calls();
    static bool calls_cancelled();
    // Waits until no API call is inside libcurl, `msecs` at most (-1: no limit); true when
    // none is. After cancel_calls() none enters again, so libcurl can then be cleaned up.
    static bool wait_for_calls(int msecs);

    // One API call inside libcurl, counted for wait_for_calls(). Refused (entered() false)
    // once the calls are cancelled: the call then sends nothing.
    class call_scope {
    public:
        call_scope();
        ~call_scope();
        call_scope(const call_scope&) = delete;
        call_scope& operator=(const call_scope&) = delete;
        bool entered() const { return inside; }

    private:
        bool inside = false;
    };

private:
    void enqueue(bool isPost, const std::string& url, const httpReqData& request,
                 completion_fn completion, void* context);
    // One round of the worker; false when it is time to stop.
    bool runOnce();

    CURLM* multi = nullptr; // touched by the worker thread only (curl_multi_wakeup aside)
    mutable std::mutex mutex;
    std::vector<async_request*> incoming; // queued, not yet on the multi handle
    std::vector<async_request*> pending;  // on the multi handle (worker thread only)
    int running = 0;
    bool workerRunning = false;
    bool stopping = false;
    std::thread workerThread;
};

} // namespace utils
