#include "tools/devservice/fileendpoints.h"

#include "tools/devservice/endpointinput.h"
#include "tools/devservice/entryjson.h"
#include "tools/devservice/replies.h"
#include "tools/devservice/service.h"
#include "tools/devservice/textsearch.h"
#include "tools/devservice/urltext.h"

#include <algorithm>

namespace devservice {

namespace {

constexpr char kListPath[] = "/api/fileops/list";
constexpr char kPhotosPath[] = "/api/photos/list";
constexpr long long kDefaultLimit = 2000;
constexpr std::size_t kSearchPage = 50;
constexpr std::size_t kPhotoPage = 50;

Response folderMissing() {
    return resultReply(code::kNotFound, "Thư mục không tồn tại");
}

Response linkMissing() {
    return resultReply(code::kNotFound, "Liên kết không tồn tại hoặc đã bị xóa");
}

Response badQuery() {
    return resultReply(code::kWrongType, "Tham số không hợp lệ");
}

// Entries [first, first + count) of `entries` as a JSON array of listing elements.
Json::Value page(const FileTree& tree, const std::vector<const FileEntry*>& entries,
                 std::size_t first, std::size_t count, const std::string& viewerId) {
    Json::Value array(Json::arrayValue);
    for (std::size_t i = first; i < entries.size() && i - first < count; ++i)
        array.append(listingJson(tree, *entries[i], viewerId));
    return array;
}

// The folder a listing path names: the raw path after the endpoint's own, decoded.
std::optional<std::string> listedFolder(const FileTree& tree, const Request& request,
                                        const std::string& endpoint) {
    const auto decoded = percentDecode(request.path().substr(endpoint.size()));
    if (!decoded || (!decoded->empty() && decoded->front() != '/'))
        return std::nullopt;
    return tree.folderAt(accountPath(*decoded));
}

Response list(Service& service, const Request& request) {
    const auto session = service.authenticate(request);
    if (!session)
        return sessionExpiredReply();
    const auto pageIndex = queryNumber(request, "pageIndex", 0);
    const auto dirOnly = queryNumber(request, "dirOnly", 0);
    const auto limit = queryNumber(request, "limit", kDefaultLimit);
    if (!pageIndex || !dirOnly || !limit || *limit <= 0)
        return badQuery();
    std::optional<Response> reply;
    service.files().read(session->accountId, [&](const FileTree& tree) {
        const auto folder = listedFolder(tree, request, kListPath);
        if (!folder) {
            reply = folderMissing();
            return;
        }
        std::vector<const FileEntry*> entries = tree.children(*folder);
        if (*dirOnly)
            entries.erase(std::remove_if(entries.begin(), entries.end(),
                                         [](const FileEntry* e) { return !e->folder; }),
                          entries.end());
        const auto size = static_cast<std::size_t>(*limit);
        reply = jsonReply(page(tree, entries, static_cast<std::size_t>(*pageIndex) * size, size,
                               session->accountId));
    });
    return *reply;
}

// Runs `answer` on the entry a share link names, when the caller may see it.
template <class Answer>
Response onLinkedEntry(Service& service, const PostCall& call, const std::string& url,
                       Answer answer) {
    const auto link = parseShareLink(url);
    std::optional<Response> reply;
    if (link) {
        service.files().readOwnerOf(link->code, [&](const FileTree& tree) {
            const FileEntry& entry = *tree.find(link->code);
            if (isVisibleTo(tree, entry, call.session.accountId))
                reply = answer(tree, entry);
        });
    }
    return reply ? *reply : linkMissing();
}

Response folderPage(Service& service, const Request& request) {
    const PostCall call = readPost(service, request);
    if (call.refusal)
        return *call.refusal;
    RequestMembers in(call.body);
    const auto url = in.text("url");
    const auto pageIndex = in.integer("page_index");
    const auto pageSize = in.integer("page_size");
    if (const auto refusal = in.refusal())
        return *refusal;
    if (*pageIndex < 0 || *pageSize <= 0)
        return resultReply(code::kWrongType, "\"page_index\" hoặc \"page_size\" không hợp lệ");
    return onLinkedEntry(service, call, *url, [&](const FileTree& tree, const FileEntry& entry) {
        if (!entry.folder)
            return linkMissing();
        const auto size = static_cast<std::size_t>(*pageSize);
        return jsonReply(page(tree, tree.children(entry.linkcode),
                              static_cast<std::size_t>(*pageIndex) * size, size,
                              call.session.accountId));
    });
}

Response folderTotal(Service& service, const Request& request) {
    const PostCall call = readPost(service, request);
    if (call.refusal)
        return *call.refusal;
    RequestMembers in(call.body);
    const auto url = in.text("url");
    if (const auto refusal = in.refusal())
        return *refusal;
    return onLinkedEntry(service, call, *url, [](const FileTree& tree, const FileEntry& entry) {
        if (!entry.folder)
            return linkMissing();
        Json::Value reply;
        reply["total"] = static_cast<Json::UInt64>(tree.children(entry.linkcode).size());
        return jsonReply(reply);
    });
}

Response lookup(Service& service, const Request& request) {
    const PostCall call = readPost(service, request);
    if (call.refusal)
        return *call.refusal;
    RequestMembers in(call.body);
    const auto url = in.text("url");
    if (const auto refusal = in.refusal())
        return *refusal;
    return onLinkedEntry(service, call, *url, [&](const FileTree& tree, const FileEntry& entry) {
        return jsonReply(lookupJson(tree, entry, call.session.accountId));
    });
}

Response search(Service& service, const Request& request) {
    const PostCall call = readPost(service, request);
    if (call.refusal)
        return *call.refusal;
    RequestMembers in(call.body);
    const auto keyword = in.text("keyword");
    const auto pageIndex = queryNumber(request, "pageIndex", 0);
    if (const auto refusal = in.refusal())
        return *refusal;
    if (!pageIndex)
        return badQuery();
    Json::Value found;
    service.files().read(call.session.accountId, [&](const FileTree& tree) {
        std::vector<const FileEntry*> matches;
        for (const FileEntry* entry : tree.descendants("")) {
            if (containsIgnoringCase(entry->name, *keyword))
                matches.push_back(entry);
        }
        found = page(tree, matches, static_cast<std::size_t>(*pageIndex) * kSearchPage, kSearchPage,
                     call.session.accountId);
    });
    return jsonReply(found);
}

Response photos(Service& service, const Request& request) {
    const auto session = service.authenticate(request);
    if (!session)
        return sessionExpiredReply();
    const auto pageIndex = queryNumber(request, "pageIndex", 0);
    if (!pageIndex)
        return badQuery();
    std::optional<Response> reply;
    service.files().read(session->accountId, [&](const FileTree& tree) {
        const auto folder = listedFolder(tree, request, kPhotosPath);
        if (!folder) {
            reply = folderMissing();
            return;
        }
        Json::Value array(Json::arrayValue);
        std::size_t index = 0;
        const std::size_t first = static_cast<std::size_t>(*pageIndex) * kPhotoPage;
        for (const FileEntry* entry : tree.descendants(*folder)) {
            if (entry->folder || !isImageName(entry->name) || index++ < first)
                continue;
            if (array.size() == kPhotoPage)
                break;
            array.append(photoJson(tree, *entry, service.baseUrl(request)));
        }
        reply = jsonReply(array);
    });
    return *reply;
}

} // namespace

void addFileEndpoints(Service& service) {
    Service* s = &service;
    auto bind = [s](Response (*handler)(Service&, const Request&)) {
        return [s, handler](const Request& r) { return handler(*s, r); };
    };
    service.routePrefix("GET", kListPath, bind(list));
    service.routePrefix("GET", kPhotosPath, bind(photos));
    service.route("POST", "/api/fileops/getFolderListPaging", bind(folderPage));
    service.route("POST", "/api/fileops/getTotalFileInFolder", bind(folderTotal));
    service.route("POST", "/api/fileops/get", bind(lookup));
    service.route("POST", "/api/fileops/search", bind(search));
}

} // namespace devservice
