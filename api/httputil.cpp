#include "api/httputil.h"

#include "api/apiconnections.h"
#include "api/curlhandle.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>

namespace utils {

namespace {

std::atomic<size_t> g_maxReplyBytes{http_util::reply_limits().maxBytes};
std::atomic<long> g_deadlineSeconds{http_util::reply_limits().deadlineSeconds};

// The calls inside libcurl, and whether they are cancelled. The flag is set and read
// under the same lock as the count, so that no call enters once a waiter has seen none
// left after the cancel.
struct CallCount {
    std::mutex mutex;
    std::condition_variable idle;
    int inside = 0;
    std::atomic<bool> cancelled{false};
    // The multi handles that calls wait on, which a cancel wakes. A handle leaves the
    // list, under the lock, before anything may free it.
    std::vector<CURLM*> waiting;
};

// Never freed: calls on other threads may still leave it while the process ends.
CallCount& callCount() {
    static CallCount* const count = new CallCount;
    return *count;
}

bool enterCall() {
    CallCount& count = callCount();
    std::lock_guard<std::mutex> lock(count.mutex);
    if (count.cancelled.load())
        return false;
    ++count.inside;
    return true;
}

void leaveCall() {
    CallCount& count = callCount();
    std::lock_guard<std::mutex> lock(count.mutex);
    if (--count.inside == 0)
        count.idle.notify_all();
}

// Puts `multi` on the list a cancel wakes; with `unlessCancelled`, not once the calls
// are cancelled (false then).
bool listWaiting(CURLM* multi, bool unlessCancelled) {
    CallCount& count = callCount();
    std::lock_guard<std::mutex> lock(count.mutex);
    if (unlessCancelled && count.cancelled.load())
        return false;
    count.waiting.push_back(multi);
    return true;
}

void unlistWaiting(CURLM* multi) {
    CallCount& count = callCount();
    std::lock_guard<std::mutex> lock(count.mutex);
    const auto found = std::find(count.waiting.begin(), count.waiting.end(), multi);
    if (found != count.waiting.end())
        count.waiting.erase(found);
}

// libcurl's progress callback of every API call; non-zero ends the transfer.
int endIfCancelled(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return callCount().cancelled.load() ? 1 : 0;
}

http_response* refusedCall(CURLcode why) {
    auto* response = new http_response();
    response->set_code(0);
    response->set_transfer_result(why);
    return response;
}

struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, SlistDeleter>;

// A blocking call's handles, given back to the kept ones with their connection.
class KeptHandle {
public:
    KeptHandle() : handle(take_api_handle()) {}
    ~KeptHandle() { return_api_handle(handle); }
    KeptHandle(const KeptHandle&) = delete;
    KeptHandle& operator=(const KeptHandle&) = delete;

    CURL* easy() const { return handle.easy; }
    CURLM* multi() const { return handle.multi; }

private:
    api_handle handle;
};

curl_slist* append(curl_slist* list, const std::string& line) {
    curl_slist* grown = curl_slist_append(list, line.c_str());
    if (!grown)
        curl_slist_free_all(list);
    return grown;
}

// The custom header lines, chosen by the size of the header map: one entry is the
// content-type line; two are the content-type line, the cookie line and the content-type
// line again (the service has always been sent this shape); any other size sends none.
// A map whose entries don't match its size can't be sent: `valid` becomes false.
HeaderList buildHeaderList(const header_map& headers, bool& valid) {
    valid = true;
    const auto contentType = headers.find("Content-type");
    const auto cookie = headers.find("Cookie");
    if (headers.size() == 1) {
        if (contentType == headers.end()) {
            valid = false;
            return nullptr;
        }
        return HeaderList(append(nullptr, contentType->second));
    }
    if (headers.size() == 2) {
        if (contentType == headers.end() || cookie == headers.end()) {
            valid = false;
            return nullptr;
        }
        curl_slist* list = append(nullptr, contentType->second);
        if (list)
            list = append(list, cookie->second);
        if (list)
            list = append(list, contentType->second);
        return HeaderList(list);
    }
    return nullptr;
}

// Options every API call shares: where the reply goes and when to give up.
void setCommonOptions(CURL* handle, const std::string& url, std::string* body,
                      std::string* headerText) {
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &http_util::bounded_write);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, body);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &http_util::bounded_write);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, headerText);
    http_util::limit_call_time(handle);
}

enum class Method { Get, Post };

http_response* perform(Method method, const std::string& url, const httpReqData& request) {
    auto response = std::make_unique<http_response>();
    const std::string sentBody = request.get_data();
    const header_map headers = request.get_headers();
    std::string body;
    std::string headerText;

    bool valid = true;
    HeaderList list = buildHeaderList(headers, valid);
    if (!valid) {
        response->set_transfer_result(CURLE_BAD_FUNCTION_ARGUMENT);
        return response.release();
    }
    const http_util::call_scope call;
    if (!call.entered()) {
        response->set_transfer_result(CURLE_ABORTED_BY_CALLBACK);
        return response.release();
    }
    const KeptHandle handle;
    if (!handle.easy()) {
        response->set_transfer_result(CURLE_FAILED_INIT);
        return response.release();
    }
    setCommonOptions(handle.easy(), url, &body, &headerText);
    if (method == Method::Post) {
        curl_easy_setopt(handle.easy(), CURLOPT_POST, 1L);
        curl_easy_setopt(handle.easy(), CURLOPT_POSTFIELDS, sentBody.c_str());
    }
    if (list)
        curl_easy_setopt(handle.easy(), CURLOPT_HTTPHEADER, list.get());

    const CURLcode result = http_util::perform_call(handle.easy(), handle.multi());
    long status = 0;
    curl_easy_getinfo(handle.easy(), CURLINFO_RESPONSE_CODE, &status);

    int code = 0;
    if (method == Method::Get)
        code = result == CURLE_COULDNT_CONNECT ? 7 : static_cast<int>(status);
    else
        code = (result == CURLE_OK && status == 200) ? 200 : static_cast<int>(result);

    response->set_headers(http_util::parse_headers(headerText));
    response->set_body(body);
    response->set_code(code);
    response->set_transfer_result(result);
    response->set_http_status(status);
    return response.release();
}

} // namespace

struct async_request {
    completion_fn completion = nullptr;
    void* context = nullptr;
    CURL* easy = nullptr;
    curl_slist* headerList = nullptr;
    std::string body;
    std::string headerText;

    ~async_request() {
        if (easy)
            curl_easy_cleanup(easy);
        curl_slist_free_all(headerList);
    }
};

http_util::http_util() : multi(curl_multi_init()) {
    // The worker's wait is woken by a cancel like a blocking call's.
    if (multi)
        listWaiting(multi, false);
}

http_util::~http_util() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    if (multi) {
        unlistWaiting(multi);
        curl_multi_wakeup(multi);
    }
    if (workerThread.joinable())
        workerThread.join();
    // Requests still queued at shutdown are dropped without a reply.
    for (async_request* request : pending) {
        curl_multi_remove_handle(multi, request->easy);
        delete request;
        leaveCall();
    }
    for (async_request* request : incoming) {
        delete request;
        leaveCall();
    }
    if (multi)
        curl_multi_cleanup(multi);
}

int http_util::get_running_count() const {
    std::lock_guard<std::mutex> lock(mutex);
    return running;
}

void http_util::async_post(const std::string& url, const httpReqData& request,
                           completion_fn completion, void* context) {
    enqueue(true, url, request, completion, context);
}

void http_util::async_get(const std::string& url, const httpReqData& request,
                          completion_fn completion, void* context) {
    enqueue(false, url, request, completion, context);
}

void http_util::enqueue(bool isPost, const std::string& url, const httpReqData& request,
                        completion_fn completion, void* context) {
    // Counted from here until its completion has run.
    if (!enterCall()) {
        completion(context, refusedCall(CURLE_ABORTED_BY_CALLBACK));
        return;
    }
    auto queued = std::make_unique<async_request>();
    queued->completion = completion;
    queued->context = context;
    bool valid = true;
    HeaderList list = buildHeaderList(request.get_headers(), valid);
    queued->headerList = list.release();
    queued->easy = valid ? create_curl_handle() : nullptr;
    if (!queued->easy) {
        // Nothing can be sent; the caller still hears of it, without a reply.
        queued.reset();
        leaveCall();
        completion(context, refusedCall(valid ? CURLE_FAILED_INIT : CURLE_BAD_FUNCTION_ARGUMENT));
        return;
    }
    CURL* easy = queued->easy;
    join_api_share(easy);
    setCommonOptions(easy, url, &queued->body, &queued->headerText);
    if (isPost) {
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.get_data().size()));
        curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, request.get_data().c_str());
        curl_easy_setopt(easy, CURLOPT_TIMEOUT,
                         std::min(kAsyncPostTimeoutSeconds, g_deadlineSeconds.load()));
    }
    if (queued->headerList)
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER, queued->headerList);
    curl_easy_setopt(easy, CURLOPT_PRIVATE, queued.get());

    {
        std::lock_guard<std::mutex> lock(mutex);
        incoming.push_back(queued.release());
        if (!workerRunning && !stopping) {
            // The previous worker has left its loop; collect it before starting anew.
            if (workerThread.joinable())
                workerThread.join();
            workerRunning = true;
            workerThread = std::thread(&http_util::worker, this);
        }
    }
    curl_multi_wakeup(multi);
}

void http_util::worker(http_util* self) {
    mark_curl_thread();
    while (self->runOnce()) {
    }
}

bool http_util::runOnce() {
    std::vector<async_request*> arrived;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (stopping) {
            workerRunning = false;
            return false;
        }
        arrived.swap(incoming);
    }
    for (async_request* request : arrived) {
        curl_multi_add_handle(multi, request->easy);
        pending.push_back(request);
    }

    int stillRunning = 0;
    curl_multi_perform(multi, &stillRunning);

    std::vector<std::pair<async_request*, http_response*>> finished;
    if (calls_cancelled()) {
        // Ended at once, as calls without a reply.
        for (async_request* request : pending) {
            curl_multi_remove_handle(multi, request->easy);
            finished.emplace_back(request, refusedCall(CURLE_ABORTED_BY_CALLBACK));
        }
        pending.clear();
        stillRunning = 0;
    }
    int queuedMessages = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &queuedMessages)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        async_request* request = nullptr;
        curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &request);
        auto it = std::find(pending.begin(), pending.end(), request);
        if (it == pending.end())
            continue;
        pending.erase(it);
        curl_multi_remove_handle(multi, request->easy);

        auto* response = new http_response();
        long status = 0;
        const CURLcode infoResult =
            curl_easy_getinfo(request->easy, CURLINFO_RESPONSE_CODE, &status);
        const CURLcode result = message->data.result;
        response->set_transfer_result(result);
        response->set_http_status(status);
        if (infoResult == CURLE_OK && result == CURLE_OK && status == 200) {
            response->set_body(request->body);
            response->set_headers(parse_headers(request->headerText));
            response->set_code(200);
        } else {
            if (result != CURLE_OK)
                std::fprintf(stderr, "curl_easy_perform() failed: %s\n",
                             curl_easy_strerror(result));
            // A transfer that broke off counts as no reply, whatever status came first.
            response->set_code(result == CURLE_OK ? static_cast<int>(status) : 0);
        }
        finished.emplace_back(request, response);
    }

    {
        std::lock_guard<std::mutex> lock(mutex);
        running = stillRunning;
    }
    // Completions run without the lock: they may queue further requests.
    for (auto& done : finished) {
        done.first->completion(done.first->context, done.second);
        delete done.first;
        leaveCall();
    }

    {
        std::lock_guard<std::mutex> lock(mutex);
        if (pending.empty() && incoming.empty()) {
            workerRunning = false;
            return false;
        }
        if (stopping) {
            workerRunning = false;
            return false;
        }
    }
    curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
    return true;
}

CURLcode http_util::perform_call(CURL* handle, CURLM* multi) {
    if (!listWaiting(multi, true))
        return CURLE_ABORTED_BY_CALLBACK;
    CURLcode result = CURLE_FAILED_INIT;
    if (curl_multi_add_handle(multi, handle) == CURLM_OK) {
        for (;;) {
            int running = 0;
            if (curl_multi_perform(multi, &running) != CURLM_OK)
                break;
            int queued = 0;
            const CURLMsg* message = curl_multi_info_read(multi, &queued);
            if (message && message->msg == CURLMSG_DONE) {
                result = message->data.result;
                break;
            }
            if (running == 0) {
                result = CURLE_GOT_NOTHING;
                break;
            }
            // Looked at between the rounds; a cancel that comes during the wait wakes it.
            if (calls_cancelled()) {
                result = CURLE_ABORTED_BY_CALLBACK;
                break;
            }
            // libcurl shortens the wait to its own next deadline.
            if (curl_multi_poll(multi, nullptr, 0, 1000, nullptr) != CURLM_OK)
                break;
        }
        curl_multi_remove_handle(multi, handle);
    }
    unlistWaiting(multi);
    return result;
}

http_response* http_util::get(const std::string& url, const httpReqData& request) {
    return perform(Method::Get, url, request);
}

http_response* http_util::post(const std::string& url, const httpReqData& request) {
    return perform(Method::Post, url, request);
}

size_t http_util::bounded_write(char* data, size_t size, size_t count, std::string* target) {
    const size_t bytes = size * count;
    // Returning less than given makes libcurl end the transfer.
    if (bytes > g_maxReplyBytes.load() - std::min(target->size(), g_maxReplyBytes.load()))
        return 0;
    target->append(data, bytes);
    return bytes;
}

void http_util::limit_call_time(CURL* handle) {
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, g_deadlineSeconds.load());
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kLowSpeedTimeSeconds);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &endIfCancelled);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
}

void http_util::cancel_calls() {
    CallCount& count = callCount();
    std::lock_guard<std::mutex> lock(count.mutex);
    count.cancelled = true;
    // Thread-safe, and no listed handle is freed while the lock is held.
    for (CURLM* multi : count.waiting)
        curl_multi_wakeup(multi);
}

void http_util::allow_calls() {
    CallCount& count = callCount();
    std::lock_guard<std::mutex> lock(count.mutex);
    count.cancelled = false;
}

bool http_util::calls_cancelled() {
    return callCount().cancelled.load();
}

bool http_util::wait_for_calls(int msecs) {
    CallCount& count = callCount();
    std::unique_lock<std::mutex> lock(count.mutex);
    const auto none = [&count] { return count.inside == 0; };
    if (msecs < 0) {
        count.idle.wait(lock, none);
        return true;
    }
    return count.idle.wait_for(lock, std::chrono::milliseconds(msecs), none);
}

http_util::call_scope::call_scope() : inside(enterCall()) {
    if (inside)
        mark_curl_thread();
}

http_util::call_scope::~call_scope() {
    if (inside)
        leaveCall();
}

http_util::reply_limits http_util::get_reply_limits() {
    reply_limits limits;
    limits.maxBytes = g_maxReplyBytes.load();
    limits.deadlineSeconds = g_deadlineSeconds.load();
    return limits;
}

void http_util::set_reply_limits(const reply_limits& limits) {
    g_maxReplyBytes = limits.maxBytes;
    g_deadlineSeconds = limits.deadlineSeconds;
}

std::map<std::string, std::string> http_util::parse_headers(const std::string& headerText) {
    std::map<std::string, std::string> headers;
    size_t start = 0;
    while (start <= headerText.size()) {
        size_t end = headerText.find('\n', start);
        if (end == std::string::npos)
            end = headerText.size();
        const std::string line = headerText.substr(start, end - start);
        start = end + 1;

        const size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        // The value starts two characters after the colon: the separating blank is
        // skipped whatever it is.
        std::string value = colon + 2 <= line.size() ? line.substr(colon + 2) : std::string();
        const size_t last = value.find_last_not_of(" \n\r\t");
        value.erase(last == std::string::npos ? 0 : last + 1);
        headers[line.substr(0, colon)] = value;
    }
    return headers;
}

} // namespace utils
