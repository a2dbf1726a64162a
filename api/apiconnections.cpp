#include "api/apiconnections.h"

#include "api/curlhandle.h"

#include <mutex>
#include <vector>

namespace {

// Handles kept between calls; more than this many only at a burst of parallel calls.
constexpr std::size_t kKeptHandles = 4;

class ApiShare {
public:
    ApiShare() : share(curl_share_init()) {
        if (!share)
            return;
        curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &ApiShare::lock);
        curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &ApiShare::unlock);
        curl_share_setopt(share, CURLSHOPT_USERDATA, this);
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    }

    void join(CURL* handle) const {
        if (share)
            curl_easy_setopt(handle, CURLOPT_SHARE, share);
    }

    // Kept handles: taken and given back under the pool's own lock.
    std::mutex poolMutex;
    std::vector<utils::api_handle> kept;

private:
    static void lock(CURL*, curl_lock_data data, curl_lock_access, void* self) {
        static_cast<ApiShare*>(self)->locks[data].lock();
    }
    static void unlock(CURL*, curl_lock_data data, void* self) {
        static_cast<ApiShare*>(self)->locks[data].unlock();
    }

    CURLSH* share;
    std::mutex locks[CURL_LOCK_DATA_LAST];
};

// Made on first use and never freed: handles of calls still running on other threads
// at exit may hold it.
ApiShare& apiShare() {
    static ApiShare* const share = new ApiShare;
    return *share;
}

} // namespace

namespace utils {

api_handle take_api_handle() {
    ApiShare& share = apiShare();
    api_handle handle;
    {
        std::lock_guard<std::mutex> lock(share.poolMutex);
        if (!share.kept.empty()) {
            handle = share.kept.back();
            share.kept.pop_back();
        }
    }
    if (handle.easy) {
        // Every option back to its default (the connection, the caches and the share
        // stay), then ours again.
        curl_easy_reset(handle.easy);
        configure_curl_handle(handle.easy);
        return handle;
    }
    api_handle made{create_curl_handle(), curl_multi_init()};
    if (!made.easy || !made.multi) {
        if (made.easy)
            curl_easy_cleanup(made.easy);
        if (made.multi)
            curl_multi_cleanup(made.multi);
        return {};
    }
    join_api_share(made.easy);
    return made;
}

void return_api_handle(api_handle handle) {
    if (!handle.easy)
        return;
    ApiShare& share = apiShare();
    {
        std::lock_guard<std::mutex> lock(share.poolMutex);
        if (share.kept.size() < kKeptHandles) {
            share.kept.push_back(handle);
            return;
        }
    }
    curl_easy_cleanup(handle.easy);
    curl_multi_cleanup(handle.multi);
}

void join_api_share(CURL* handle) {
    apiShare().join(handle);
}

} // namespace utils
