#include "api/asyncrequest.h"

#include "api/apiresult.h"
#include "api/client.h"
#include "api/httputil.h"

namespace utils {

asyn_manage::asyn_manage(void* o, brisko::client* c, brisko::reply_parser p,
                         brisko::async_callback cb, const std::string& u,
                         const httpReqData& r, owner_deleter d)
    : client(c), owner(o), parser(p), callback(cb), url(u), request(r), deleteOwner(d) {}

asyn_manage::~asyn_manage() {
    if (deleteOwner && owner)
        deleteOwner(owner);
}

void asyn_manage::start() {
    http_util* transport = client->get_http_util();
    if (!request.get_data().empty())
        transport->async_post(url, request, &asyn_manage::on_finished, this);
    else
        transport->async_get(url, request, &asyn_manage::on_finished, this);
}

void asyn_manage::on_finished(void* context, http_response* response) {
    std::unique_ptr<asyn_manage> self(static_cast<asyn_manage*>(context));
    std::unique_ptr<http_response> reply(response);
    if (self->parser && self->callback)
        self->parser(self->owner, reply.get(), self->callback);
}

} // namespace utils

namespace brisko {

bool async_reply(const utils::http_response& reply, Json::Value& root, async_callback callback,
                 void* emptyResult) {
    if (reply.get_code() != 200) {
        callback(reply.get_code() == 0 ? 600 : reply.get_code(), emptyResult);
        return false;
    }
    if (!json::parse(reply.body_ref(), root)) {
        callback(kCodeBadReply, emptyResult);
        return false;
    }
    return true;
}

bool async_success(const utils::http_response& reply, Json::Value& root,
                   async_callback callback, void* emptyResult) {
    if (!async_reply(reply, root, callback, emptyResult))
        return false;
    api_error outcome;
    if (read_code(root, 200, Json::Value(200), outcome))
        return true;
    callback(outcome.code, emptyResult);
    return false;
}

void queue_async(client& c, void* owner, reply_parser parser, async_callback callback,
                 const std::string& url, const std::string& body,
                 utils::asyn_manage::owner_deleter deleteOwner) {
    const utils::httpReqData request = c.get_session()->make_request(body);
    auto* pending = new utils::asyn_manage(owner, &c, parser, callback, url, request, deleteOwner);
    pending->start(); // releases itself when its reply has been read
}

} // namespace brisko
