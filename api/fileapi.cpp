#include "api/fileapi.h"

#include "api/apicall.h"
#include "api/client.h"
#include "api/httputil.h"
#include "platform/hostconfig.h"

#include <memory>

namespace brisko {

namespace {

const char* const kListPath = "/api/fileops/list";
const char* const kPagingPath = "/api/fileops/getFolderListPaging";
const char* const kTotalPath = "/api/fileops/getTotalFileInFolder";
const char* const kGetPath = "/api/fileops/get";
const char* const kSearchPath = "/api/fileops/search";
const char* const kPhotosPath = "/api/photos/list";

constexpr size_t kUnbounded = static_cast<size_t>(-1);
constexpr size_t kSearchLimit = 50;
constexpr int kListAttemptsOn502 = 3;

using Setter = void (file::*)(const std::string&);
struct Key {
    const char* name;
    Setter set;
};

// The members of a listing entry, in the order they are read.
const Key kListingKeys[] = {
    {"id", &file::set_id},
    {"linkcode", &file::set_linkcode},
    {"name", &file::set_name},
    {"secure", &file::set_secure},
    {"public", &file::set_public},
    {"copied", &file::set_copied},
    {"shared", &file::set_shared},
    {"directlink", &file::set_directlink},
    {"type", &file::set_type},
    {"path", &file::set_path},
    {"hash_index", &file::set_hash_index},
    {"owner_id", &file::set_owner_id},
    {"pid", &file::set_pid},
    {"size", &file::set_size},
    {"downloadcount", &file::set_downloadcount},
    {"deleted", &file::set_deleted},
    {"description", &file::set_description},
    {"created", &file::set_created},
    {"lastdownload", &file::set_lastdownload},
    {"modified", &file::set_modified},
    {"t_index", &file::set_t_index},
    {"pwd", &file::set_pwd},
};

// The members of a single-entry lookup: the kind comes as "file_type".
const Key kLookupKeys[] = {
    {"id", &file::set_id},
    {"linkcode", &file::set_linkcode},
    {"name", &file::set_name},
    {"secure", &file::set_secure},
    {"public", &file::set_public},
    {"directlink", &file::set_directlink},
    {"file_type", &file::set_type},
    {"path", &file::set_path},
    {"hash_index", &file::set_hash_index},
    {"owner_id", &file::set_owner_id},
    {"pid", &file::set_pid},
    {"size", &file::set_size},
    {"downloadcount", &file::set_downloadcount},
    {"deleted", &file::set_deleted},
    {"description", &file::set_description},
    {"created", &file::set_created},
    {"lastdownload", &file::set_lastdownload},
    {"modified", &file::set_modified},
    {"pwd", &file::set_pwd},
};

template <size_t N>
std::unique_ptr<file> readFile(const Json::Value& item, const Key (&keys)[N]) {
    if (!item.isObject())
        return nullptr;
    auto record = std::make_unique<file>();
    for (const Key& key : keys) {
        std::string value;
        if (!json::text(item.get(key.name, ""), value))
            return nullptr;
        ((*record).*key.set)(value);
    }
    return record;
}

std::unique_ptr<photo> readPhoto(const Json::Value& item) {
    if (!item.isObject())
        return nullptr;
    auto record = std::make_unique<photo>();
    const std::pair<const char*, void (photo::*)(const std::string&)> keys[] = {
        {"id", &photo::set_id},         {"name", &photo::set_name}, {"path", &photo::set_path},
        {"created", &photo::set_created}, {"s", &photo::set_s},       {"l", &photo::set_l},
    };
    for (const auto& key : keys) {
        std::string value;
        if (!json::text(item.get(key.first, ""), value))
            return nullptr;
        ((*record).*key.second)(value);
    }
    return record;
}

// An entry's id as text, for the "stop at the first entry without id" rule.
bool hasId(const Json::Value& item) {
    std::string id;
    return item.isObject() && json::text(item.get("id", ""), id) && !id.empty();
}

// Turns an array reply into records: at most `maxItems`, stopping before the first entry
// without id when asked. False when an element can't be read.
template <class Record, class Reader>
bool readArray(const Json::Value& array, size_t maxItems, bool stopAtEmptyId, Reader reader,
               std::vector<Record*>& out) {
    std::vector<std::unique_ptr<Record>> records;
    for (Json::ArrayIndex i = 0; i < array.size() && records.size() < maxItems; ++i) {
        if (stopAtEmptyId && !hasId(array[i]))
            break;
        std::unique_ptr<Record> record = reader(array[i]);
        if (!record)
            return false;
        records.push_back(std::move(record));
    }
    for (auto& record : records)
        out.push_back(record.release());
    return true;
}

std::unique_ptr<file> readListingFile(const Json::Value& item) {
    return readFile(item, kListingKeys);
}

std::string listUrl(int dirOnly, const std::string& path, int page) {
    return hosts::apiUrl(kListPath) + (path.empty() ? "/home" : path) +
           "?pageIndex=" + std::to_string(page) + "&dirOnly=" + std::to_string(dirOnly);
}

} // namespace

file_api::file_api(client* c) : owner(c) {}

bool file_api::readEntries(const utils::http_response& reply, std::vector<file*>& out,
                           size_t maxItems, bool stopAtEmptyId) {
    Json::Value root;
    if (read_reply(reply, root, error) != reply_kind::json)
        return false;
    if (root.isObject()) {
        // The service answers an object with its code when it won't list; an object
        // with code 200 lists nothing.
        if (!root.isMember("code")) {
            set_bad_reply(error, "neither a list nor a code");
            return false;
        }
        read_code(root, 200, Json::Value(""), error);
        return error.code == kCodeSuccess;
    }
    if (!root.isArray()) {
        set_bad_reply(error, "not a list");
        return false;
    }
    if (!readArray<file>(root, maxItems, stopAtEmptyId, readListingFile, out)) {
        set_bad_reply(error, "a list entry is not an object of texts");
        return false;
    }
    error.code = kCodeSuccess;
    return true;
}

std::vector<file*> file_api::list(int dirOnly, const std::string& path) {
    const size_t limit = dirOnly ? 1000 : 2000;
    std::vector<file*> result;
    for (int page = 0;; ++page) {
        const std::string url = listUrl(dirOnly, path, page) + "&limit=" + std::to_string(limit);
        std::unique_ptr<utils::http_response> reply;
        for (int attempt = 0; attempt < kListAttemptsOn502; ++attempt) {
            reply = get_api(*owner, url);
            if (!(reply->transfer_completed() && reply->get_http_status() == 502))
                break;
        }
        std::vector<file*> entries;
        if (!readEntries(*reply, entries, kUnbounded, false)) {
            delete_all(result); // a listing is whole or nothing
            return result;
        }
        result.insert(result.end(), entries.begin(), entries.end());
        if (entries.size() < limit)
            return result;
    }
}

std::vector<file*> file_api::getFolderListPaging(const std::string& url, int page_index,
                                                 int page_size) {
    Json::Value body(Json::objectValue);
    body["url"] = url;
    body["page_index"] = page_index;
    body["page_size"] = page_size;
    const auto reply = post_api(*owner, hosts::apiUrl(kPagingPath), body);
    std::vector<file*> result;
    readEntries(*reply, result, kUnbounded, false);
    return result;
}

std::string file_api::getTotalFileInFolder(const std::string& url) {
    Json::Value body(Json::objectValue);
    body["url"] = url;
    const auto reply = post_api(*owner, hosts::apiUrl(kTotalPath), body);
    Json::Value root;
    if (read_reply(*reply, root, error) != reply_kind::json)
        return "0";
    if (!root.isObject()) {
        set_bad_reply(error, "not a JSON object");
        return "0";
    }
    // A refusal (an expired session above all) must reach the caller.
    if (root.isMember("code") && !read_code(root, 200, Json::Value(""), error))
        return "0";
    std::string total;
    if (!json::text(root.get("total", ""), total)) {
        set_bad_reply(error, "\"total\" is not a number");
        return "0";
    }
    error.code = kCodeSuccess;
    return total;
}

file* file_api::get(const std::string& url) {
    Json::Value body(Json::objectValue);
    body["url"] = url;
    const auto reply = post_api(*owner, hosts::apiUrl(kGetPath), body);
    response = reply->get_body();
    Json::Value root;
    if (read_reply(*reply, root, error) != reply_kind::json)
        return nullptr;
    if (!read_code(root, 200, Json::Value(200), error))
        return nullptr;
    std::unique_ptr<file> record = readFile(root, kLookupKeys);
    if (!record) {
        set_bad_reply(error, "an entry member is not a text");
        return nullptr;
    }
    record->set_url(url);
    error.code = kCodeSuccess;
    return record.release();
}

std::vector<file*> file_api::search(const std::string& keyword, int pageIndex) {
    Json::Value body(Json::objectValue);
    body["keyword"] = keyword;
    const auto reply = post_api(
        *owner, hosts::apiUrl(kSearchPath) + "?pageIndex=" + std::to_string(pageIndex), body);
    std::vector<file*> result;
    readEntries(*reply, result, kSearchLimit, true);
    return result;
}

std::vector<photo*> file_api::listPhotos(const std::string& path, int pageIndex) {
    const std::string url = hosts::apiUrl(kPhotosPath) + (path.empty() ? "/Photos" : path) +
                            "?pageIndex=" + std::to_string(pageIndex);
    const auto reply = get_api(*owner, url);
    std::vector<photo*> result;
    Json::Value root;
    if (read_reply(*reply, root, error) != reply_kind::json)
        return result;
    if (root.isObject() && root.isMember("code")) {
        read_code(root, 200, Json::Value(""), error);
        return result;
    }
    if (!root.isArray() || !readArray<photo>(root, kSearchLimit, true, readPhoto, result)) {
        set_bad_reply(error, "not a list of photos");
        return result;
    }
    error.code = kCodeSuccess;
    return result;
}

void file_api::listAsync(int dirOnly, const std::string& path, int pageIndex,
                         async_callback callback) {
    start_async<file_api>(*owner, &file_api::onFileListReply, callback,
                          listUrl(dirOnly, path, pageIndex), std::string());
}

void file_api::searchAsync(const std::string& keyword, int pageIndex, async_callback callback) {
    Json::Value body(Json::objectValue);
    body["token"] = owner->get_session()->get_token();
    body["keyword"] = keyword;
    start_async<file_api>(*owner, &file_api::onFileListReply, callback,
                          hosts::apiUrl(kSearchPath) + "?pageIndex=" + std::to_string(pageIndex),
                          json::styled(body));
}

void file_api::listPhotosAsync(const std::string& path, int pageIndex, async_callback callback) {
    start_async<file_api>(*owner, &file_api::onPhotoListReply, callback,
                          hosts::apiUrl(kPhotosPath) + (path.empty() ? "/Photos" : path) +
                              "?pageIndex=" + std::to_string(pageIndex),
                          std::string());
}

namespace {

// The records pass to the callback; the list itself goes when the callback returns.
template <class Record, class Reader>
void readListReply(utils::http_response* reply, async_callback callback, Reader reader) {
    std::vector<Record*> result;
    Json::Value root;
    if (!async_reply(*reply, root, callback, &result))
        return;
    if (!root.isArray() || !readArray<Record>(root, kSearchLimit, true, reader, result)) {
        callback(kCodeBadReply, &result);
        return;
    }
    callback(kCodeSuccess, &result);
}

} // namespace

void file_api::onFileListReply(void*, utils::http_response* reply, async_callback callback) {
    readListReply<file>(reply, callback, readListingFile);
}

void file_api::onPhotoListReply(void*, utils::http_response* reply, async_callback callback) {
    readListReply<photo>(reply, callback, readPhoto);
}

} // namespace brisko
