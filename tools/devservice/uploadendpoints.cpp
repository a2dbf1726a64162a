#include "tools/devservice/uploadendpoints.h"

#include "tools/devservice/replies.h"
#include "tools/devservice/service.h"
#include "tools/devservice/urltext.h"

#include <fcntl.h>
#include <unistd.h>

#include <ctime>
#include <vector>

namespace devservice {

namespace {

constexpr char kPrefix[] = "/up/";
constexpr std::size_t kPiece = 256 * 1024;
// What a shared line carries of one connection before the next one's turn.
constexpr std::size_t kLinePiece = 8 * 1024;

using Clock = std::chrono::steady_clock;

Response errorReply(const std::string& reason, int status = 200) {
    Json::Value body;
    body["error"] = reason;
    Response response = jsonReply(body);
    response.status = status;
    return response;
}

Response offsetReply(std::uint64_t offset) {
    Json::Value body;
    body["offset"] = static_cast<Json::UInt64>(offset);
    return jsonReply(body);
}

Response linkReply(const std::string& link) {
    Json::Value body;
    body["url"] = link;
    return jsonReply(body);
}

Response dropped() {
    Response response;
    response.dropConnection = true;
    return response;
}

struct ContentRange {
    std::uint64_t first = 0;
    std::uint64_t end = 0; // one past the last byte: first when the range is empty
    std::uint64_t size = 0;
};

// "bytes F-L/S". An empty range is written with L one below F ("S-(S-1)/S", and
// "0--1/0" for an empty file).
std::optional<ContentRange> readContentRange(const std::optional<std::string>& header) {
    if (!header || header->rfind("bytes ", 0) != 0)
        return std::nullopt;
    const std::string spec = header->substr(6);
    const auto dash = spec.find('-');
    const auto slash = spec.find('/');
    if (dash == std::string::npos || slash == std::string::npos || slash < dash)
        return std::nullopt;
    const auto first = plainDecimal(spec.substr(0, dash));
    const std::string lastText = spec.substr(dash + 1, slash - dash - 1);
    const auto size = plainDecimal(spec.substr(slash + 1));
    if (!first || !size)
        return std::nullopt;
    if (lastText == "-1" ||
        (!lastText.empty() && plainDecimal(lastText) && *plainDecimal(lastText) + 1 == *first))
        return ContentRange{*first, *first, *size};
    const auto last = plainDecimal(lastText);
    if (!last || *last < *first || *last >= *size)
        return std::nullopt;
    return ContentRange{*first, *last + 1, *size};
}

std::string tokenOf(const Request& request) {
    return request.path().substr(sizeof kPrefix - 1);
}

bool isUsable(Service& service, const std::string& token) {
    return service.uploads().find(token) && !service.uploadStore().isInvalid(token);
}

Response offsetQuery(Service& service, const Request& request) {
    const std::string token = tokenOf(request);
    if (!isUsable(service, token))
        return errorReply("INVALID_UPLOAD_SESSION");
    return offsetReply(service.uploadStore().progress(token).received);
}

// "name (n).ext" for the first n that is free in the folder.
std::string freeName(const FileTree& tree, const std::string& folder, const std::string& name) {
    if (!tree.childNamed(folder, name))
        return name;
    const auto dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > 0;
    const std::string stem = hasExtension ? name.substr(0, dot) : name;
    const std::string extension = hasExtension ? name.substr(dot) : std::string();
    for (int n = 1;; ++n) {
        const std::string candidate = stem + " (" + std::to_string(n) + ")" + extension;
        if (!tree.childNamed(folder, candidate))
            return candidate;
    }
}

// Adds a number kept as text (or as a JSON number) to itself; other values stay.
void addToUsed(Json::Value& value, std::uint64_t bytes) {
    if (value.isUInt64())
        value = static_cast<Json::UInt64>(value.asUInt64() + bytes);
    else if (value.isString() && plainDecimal(value.asString()))
        value = std::to_string(*plainDecimal(value.asString()) + bytes);
}

// The whole file is there: it moves out of the part file and joins the target folder
// (the top level when that folder has gone meanwhile). Empty on failure.
std::string finish(Service& service, const std::string& token, const UploadSlot& slot) {
    UploadStore& store = service.uploadStore();
    const std::string content = store.finishedPath(token);
    const int fd = ::open(store.partPath(token).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return std::string();
    ::close(fd); // an empty file has no part file yet
    if (::rename(store.partPath(token).c_str(), content.c_str()) != 0)
        return std::string();

    std::string linkcode;
    service.files().edit(slot.accountId, [&](FileTree& tree) {
        FileEntry entry;
        entry.parent = tree.find(slot.folder) ? slot.folder : std::string();
        entry.name = freeName(tree, entry.parent, slot.name);
        entry.size = slot.size;
        entry.contentFile = content;
        entry.secure = slot.secured != 0;
        entry.created = entry.modified = static_cast<std::int64_t>(std::time(nullptr));
        linkcode = tree.add(std::move(entry)).linkcode;
        return true;
    });
    service.accounts().update(slot.accountId, [&](Account& account) {
        addToUsed(account.profile[slot.secured ? "webspace_secure_used" : "webspace_used"],
                  slot.size);
    });
    const std::string link =
        shareLink("localhost:" + std::to_string(service.port()), false, linkcode);
    store.setComplete(token, linkcode, link);
    return link;
}

// Writes the body to the part file at `first`, as it arrives, keeping what arrived when
// the client goes or a scripted cut strikes. False when the connection is to be dropped.
bool receive(Service& service, const Request& request, const std::string& token,
             std::uint64_t first, bool& stored) {
    UploadStore& store = service.uploadStore();
    const std::uint64_t length = request.bodyReader ? request.bodyLength : request.body.size();
    const auto cut = length > 0 ? store.takeCut() : std::nullopt;
    const std::uint64_t wanted = cut ? std::min(*cut, length) : length;
    const std::uint64_t cap = store.bandwidthCap();

    stored = true;
    const int fd = ::open(store.partPath(token).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        stored = false;
        return true;
    }
    std::vector<char> buffer(kPiece);
    const Clock::time_point start = Clock::now();
    std::uint64_t got = 0;
    bool alive = true;
    while (got < wanted && alive) {
        std::size_t ask = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, wanted - got));
        if (cap > 0) // small pieces keep a capped stream smooth
            ask = std::min<std::size_t>(ask, std::max<std::uint64_t>(cap / 50, 4096));
        if (store.sharesLine())
            ask = std::min<std::size_t>(ask, kLinePiece);
        long n = 0;
        if (request.bodyReader) {
            n = request.bodyReader(buffer.data(), ask);
        } else {
            n = static_cast<long>(ask);
            request.body.copy(buffer.data(), ask, static_cast<std::size_t>(got));
        }
        if (n <= 0) {
            alive = false;
            break;
        }
        if (::pwrite(fd, buffer.data(), static_cast<std::size_t>(n),
                     static_cast<off_t>(first + got)) != n) {
            stored = false;
            break;
        }
        // A shared line passes the pieces of all connections one after another.
        const auto lineDue = store.bookSharedLine(static_cast<std::uint64_t>(n));
        const auto lineNow = Clock::now();
        if (lineDue > lineNow &&
            !service.pause(std::chrono::duration_cast<std::chrono::milliseconds>(
                lineDue - lineNow + std::chrono::microseconds(999))))
            alive = false;
        got += static_cast<std::uint64_t>(n);
        store.setReceived(token, first + got);
        if (cap > 0) {
            const auto due = start + std::chrono::microseconds(got * 1000000 / cap);
            const auto now = Clock::now();
            if (due > now && !service.pause(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 due - now + std::chrono::microseconds(999))))
                alive = false;
        }
    }
    ::close(fd);
    return alive && !cut;
}

Response takeChunk(Service& service, const Request& request) {
    const std::string token = tokenOf(request);
    const auto slot = service.uploads().find(token);
    if (!slot || service.uploadStore().isInvalid(token))
        return errorReply("INVALID_UPLOAD_SESSION");
    const auto range = readContentRange(request.header("Content-Range"));
    const std::uint64_t length = request.bodyReader ? request.bodyLength : request.body.size();
    if (!range || range->end - range->first != length)
        return errorReply("BAD_CONTENT_RANGE", 400);
    if (range->size != slot->size)
        return errorReply("FILE_SIZE_MISS_MATCH");

    UploadStore& store = service.uploadStore();
    const auto locationLock = store.lockOf(token);
    std::lock_guard<std::mutex> lock(*locationLock);
    const UploadStore::Progress held = store.progress(token);
    if (held.complete)
        return linkReply(held.link);
    if (range->first != held.received) {
        Json::Value body;
        body["error"] = "OFFSET_MISS_MATCH";
        body["offset"] = static_cast<Json::UInt64>(held.received);
        return jsonReply(body);
    }
    bool stored = true;
    if (!receive(service, request, token, range->first, stored))
        return dropped();
    if (!stored)
        return errorReply("STORAGE_FAILED", 500);
    const std::uint64_t received = store.progress(token).received;
    if (received < slot->size) {
        store.countChunk(token);
        return offsetReply(received);
    }
    const std::string link = finish(service, token, *slot);
    if (link.empty())
        return errorReply("STORAGE_FAILED", 500);
    if (length > 0 && store.linkReply() == UploadStore::LinkReply::FinalRequest)
        return offsetReply(received);
    return linkReply(link);
}

} // namespace

void addUploadEndpoints(Service& service) {
    Service* s = &service;
    service.routePrefix("GET", kPrefix, [s](const Request& r) { return offsetQuery(*s, r); });
    service.routeStreamed("POST", kPrefix, [s](const Request& r) { return takeChunk(*s, r); });
}

bool setStorageQuota(Service& service, const std::string& login, const StorageQuota& quota) {
    const auto account = service.accounts().findByLogin(login);
    if (!account)
        return false;
    return service.accounts().update(account->id, [&](Account& changed) {
        changed.profile["webspace"] = quota.webspace;
        changed.profile["webspace_used"] = quota.webspaceUsed;
        changed.profile["webspace_secure"] = quota.secure;
        changed.profile["webspace_secure_used"] = quota.secureUsed;
    });
}

} // namespace devservice
