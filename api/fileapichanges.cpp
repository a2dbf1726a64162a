// The changes the file API makes to the account's files and folders.
#include "api/apicall.h"
#include "api/client.h"
#include "api/fileapi.h"
#include "api/httputil.h"
#include "platform/hostconfig.h"

namespace brisko {

namespace {

// A list of texts as the service takes it: an array of strings in the caller's order,
// or null when the list is empty.
Json::Value textArray(const std::vector<std::string>& texts) {
    Json::Value array; // null
    for (const std::string& text : texts)
        array.append(text);
    return array;
}

Json::Value itemsBody(const std::vector<std::string>& items) {
    Json::Value body(Json::objectValue);
    body["items"] = textArray(items);
    return body;
}

bool holdsEmpty(const std::vector<std::string>& items) {
    for (const std::string& item : items) {
        if (item.empty())
            return true;
    }
    return false;
}

} // namespace

bool file_api::refuseEmptyCodes(const std::vector<std::string>& items) {
    if (!holdsEmpty(items))
        return false;
    // An empty link code could make the service act on something nobody chose.
    error.code = kCodeBadArgument;
    error.message = "An item without a link code was given; nothing was sent.";
    return true;
}

bool file_api::change(const char* path, Json::Value body, bool keepResponse) {
    const auto reply = post_api(*owner, hosts::apiUrl(path), std::move(body));
    if (keepResponse)
        response = reply->get_body();
    return apply_result_rule(*reply, 200, Json::Value(200), error);
}

void file_api::changeAsync(const char* path, Json::Value body, reply_parser parser,
                           async_callback callback) {
    body["token"] = owner->get_session()->get_token();
    start_async<file_api>(*owner, parser, callback, hosts::apiUrl(path), json::styled(body));
}

bool file_api::deleteItems(const std::vector<std::string>& items) {
    return !refuseEmptyCodes(items) && change("/api/fileops/delete", itemsBody(items));
}

bool file_api::createFolder(const std::string& name, const std::string& in_dir) {
    Json::Value body(Json::objectValue);
    body["name"] = name;
    body["in_dir"] = in_dir;
    return change("/api/fileops/createFolder", body);
}

bool file_api::createFolderInPath(const std::string& name, const std::string& in_dir) {
    Json::Value body(Json::objectValue);
    body["name"] = name;
    body["in_dir"] = in_dir;
    return change("/api/fileops/createFolderInPath", body);
}

bool file_api::rename(const std::string& file, const std::string& new_name) {
    if (refuseEmptyCodes({file}))
        return false;
    Json::Value body(Json::objectValue);
    body["new_name"] = new_name;
    body["file"] = file;
    return change("/api/fileops/rename", body, true);
}

bool file_api::changeSecure(const std::vector<std::string>& items, int status) {
    Json::Value body = itemsBody(items);
    body["status"] = status;
    return !refuseEmptyCodes(items) && change("/api/fileops/changeSecure", body);
}

bool file_api::createFilePass(const std::vector<std::string>& items, const std::string& pass) {
    Json::Value body = itemsBody(items);
    body["pass"] = pass;
    return !refuseEmptyCodes(items) && change("/api/fileops/createFilePass", body);
}

bool file_api::move(const std::vector<std::string>& items, const std::string& to) {
    Json::Value body = itemsBody(items);
    body["to"] = to;
    return !refuseEmptyCodes(items) && change("/api/fileops/move", body);
}

bool file_api::moveToPath(const std::vector<std::string>& items, const std::string& to) {
    Json::Value body = itemsBody(items);
    body["to"] = to;
    return !refuseEmptyCodes(items) && change("/api/fileops/moveToPath", body);
}

bool file_api::copy(const std::vector<std::string>& items, const std::string& to) {
    Json::Value body = itemsBody(items);
    body["to"] = to;
    return !refuseEmptyCodes(items) && change("/api/fileops/copy", body);
}

bool file_api::setDirectLink(const std::vector<std::string>& items, int status) {
    Json::Value body = itemsBody(items);
    body["status"] = status;
    return !refuseEmptyCodes(items) && change("/api/share/SetDirectLink", body);
}

bool file_api::createShareLink(const std::vector<std::string>& items,
                               const std::vector<std::string>& emails,
                               const std::string& content) {
    if (refuseEmptyCodes(items))
        return false;
    Json::Value body = itemsBody(items);
    body["emails"] = textArray(emails);
    body["content"] = content;
    const auto reply = post_api(*owner, hosts::apiUrl("/api/share/createsharelink"), body);
    Json::Value root;
    if (read_reply(*reply, root, error) != reply_kind::json)
        return false;
    if (root.isArray()) {
        // Some service versions answer the list of links itself.
        error.code = kCodeSuccess;
        return true;
    }
    return read_code(root, 200, Json::Value(200), error);
}

// Asynchronous forms: the same bodies, answered through the callback. A list with an
// empty link code is refused at once.
#define BRISKO_REFUSE_ASYNC(items)                                                             \
    if (holdsEmpty(items)) {                                                                   \
        callback(kCodeBadArgument, nullptr);                                                   \
        return;                                                                                \
    }

void file_api::deleteItemsAsync(const std::vector<std::string>& items, async_callback callback) {
    BRISKO_REFUSE_ASYNC(items)
    changeAsync("/api/fileops/delete", itemsBody(items), &file_api::onCodeReply, callback);
}

void file_api::createFolderAsync(const std::string& name, const std::string& in_dir,
                                 async_callback callback) {
    Json::Value body(Json::objectValue);
    body["name"] = name;
    body["in_dir"] = in_dir;
    changeAsync("/api/fileops/createFolder", body, &file_api::onCodeReply, callback);
}

void file_api::renameAsync(const std::string& file, const std::string& new_name,
                           async_callback callback) {
    BRISKO_REFUSE_ASYNC(std::vector<std::string>{file})
    Json::Value body(Json::objectValue);
    body["new_name"] = new_name;
    body["file"] = file;
    changeAsync("/api/fileops/rename", body, &file_api::onCodeReply, callback);
}

void file_api::changeSecureAsync(const std::vector<std::string>& items, int status,
                                 async_callback callback) {
    BRISKO_REFUSE_ASYNC(items)
    Json::Value body = itemsBody(items);
    body["status"] = status;
    changeAsync("/api/fileops/changeSecure", body, &file_api::onCodeReply, callback);
}

void file_api::createFilePassAsync(const std::vector<std::string>& items,
                                   const std::string& pass, async_callback callback) {
    BRISKO_REFUSE_ASYNC(items)
    Json::Value body = itemsBody(items);
    body["pass"] = pass;
    changeAsync("/api/fileops/createFilePass", body, &file_api::onCodeReply, callback);
}

void file_api::moveAsync(const std::vector<std::string>& items, const std::string& to,
                         async_callback callback) {
    BRISKO_REFUSE_ASYNC(items)
    Json::Value body = itemsBody(items);
    body["to"] = to;
    changeAsync("/api/fileops/move", body, &file_api::onCodeReply, callback);
}

void file_api::copyAsync(const std::vector<std::string>& items, const std::string& to,
                         async_callback callback) {
    BRISKO_REFUSE_ASYNC(items)
    Json::Value body = itemsBody(items);
    body["to"] = to;
    changeAsync("/api/fileops/copy", body, &file_api::onCodeReply, callback);
}

void file_api::createShareLinkAsync(const std::vector<std::string>& items,
                                    const std::vector<std::string>& emails,
                                    const std::string& content, async_callback callback) {
    std::vector<std::string> none;
    if (holdsEmpty(items)) {
        callback(kCodeBadArgument, &none);
        return;
    }
    Json::Value body = itemsBody(items);
    body["emails"] = textArray(emails);
    body["content"] = content;
    changeAsync("/api/share/createsharelink", body, &file_api::onShareLinkReply, callback);
}

#undef BRISKO_REFUSE_ASYNC

void file_api::onCodeReply(void*, utils::http_response* reply, async_callback callback) {
    Json::Value root;
    if (async_success(*reply, root, callback, nullptr))
        callback(kCodeSuccess, nullptr);
}

void file_api::onShareLinkReply(void*, utils::http_response* reply, async_callback callback) {
    std::vector<std::string> links;
    Json::Value root;
    if (!async_reply(*reply, root, callback, &links))
        return;
    if (root.isObject()) {
        // The same answer the synchronous form reads: a code and no links.
        api_error outcome;
        read_code(root, 200, Json::Value(200), outcome);
        callback(outcome.code, &links);
        return;
    }
    if (!root.isArray()) {
        callback(kCodeBadReply, &links);
        return;
    }
    for (const Json::Value& element : root) {
        std::string link;
        if (!json::text(element, link) || link.empty())
            break;
        links.push_back(link);
    }
    callback(kCodeSuccess, &links);
}

} // namespace brisko
