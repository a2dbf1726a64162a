#pragma once
// The second way to make a service call: queued on the transport's multi handle and
// finished on its worker thread, where the operation's reply reader calls the caller's
// callback. Nothing waits for it.
#include "api/httprecords.h"

#include <json/json.h>

#include <memory>
#include <string>

namespace brisko {
class client;
}

namespace utils {

class http_response;

// The completion of one queued request; it owns the response.
using completion_fn = void (*)(void* context, http_response* response);

} // namespace utils

namespace brisko {

// What the asynchronous operations report: a result code (0 on success) and the
// operation's result, valid only during the call.
using async_callback = void (*)(int code, void* data);
// An operation's reply reader: the API object that asked, the reply, the caller's callback.
using reply_parser = void (*)(void* owner, utils::http_response* reply, async_callback callback);

} // namespace brisko

namespace utils {

// One asynchronous API request: who asked, how to read the reply and whom to tell.
// Made on the heap by the asynchronous operations; it releases itself (and the API
// object it owns) once the reply has been read.
class asyn_manage {
public:
    using owner_deleter = void (*)(void*);

    asyn_manage(void* owner, brisko::client* client, brisko::reply_parser parser,
                brisko::async_callback callback, const std::string& url,
                const httpReqData& request, owner_deleter deleteOwner = nullptr);
    virtual ~asyn_manage();
    asyn_manage(const asyn_manage&) = delete;
    asyn_manage& operator=(const asyn_manage&) = delete;

    // Queues the request: a POST when the body is not empty, else a GET.
    void start();
    static void on_finished(void* self, http_response* response);

    void* get_owner() const { return owner; }
    void set_owner(void* o) { owner = o; }
    brisko::reply_parser get_parser() const { return parser; }
    void set_parser(brisko::reply_parser p) { parser = p; }
    brisko::async_callback get_callback() const { return callback; }
    void set_callback(brisko::async_callback c) { callback = c; }

private:
    brisko::client* client;
    void* owner;
    brisko::reply_parser parser;
    brisko::async_callback callback;
    std::string url;
    httpReqData request;
    owner_deleter deleteOwner;
};

} // namespace utils

namespace brisko {

// Starts an asynchronous request for an operation of `Api`: a fresh API object bound to
// the client is its owner for the reply reader, and goes with the request.
template <class Api>
void start_async(client& c, reply_parser parser, async_callback callback,
                 const std::string& url, const std::string& body);

// The common start of every asynchronous reply reader: a reply whose status isn't 200
// reports that status (600 when no reply came), one that isn't JSON reports 99; both with
// `emptyResult`. True when `root` holds the parsed reply.
bool async_reply(const utils::http_response& reply, Json::Value& root, async_callback callback,
                 void* emptyResult);

// async_reply, then the reply's "code" (200 when absent): anything but 200 is reported
// with `emptyResult`. True when the reply says the operation succeeded.
bool async_success(const utils::http_response& reply, Json::Value& root,
                   async_callback callback, void* emptyResult);

// Sends the queued request; defined with the client.
void queue_async(client& c, void* owner, reply_parser parser, async_callback callback,
                 const std::string& url, const std::string& body,
                 utils::asyn_manage::owner_deleter deleteOwner);

template <class Api>
void start_async(client& c, reply_parser parser, async_callback callback,
                 const std::string& url, const std::string& body) {
    queue_async(c, new Api(&c), parser, callback, url, body,
                [](void* p) { delete static_cast<Api*>(p); });
}

} // namespace brisko
