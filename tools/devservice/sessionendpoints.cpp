#include "tools/devservice/sessionendpoints.h"

#include "tools/devservice/endpointinput.h"
#include "tools/devservice/jsonfiles.h"
#include "tools/devservice/replies.h"
#include "tools/devservice/service.h"
#include "tools/devservice/urltext.h"
#include "tools/devservice/zipstream.h"

#include <ctime>
#include <limits>

namespace devservice {

namespace {

Response linkMissing() {
    return resultReply(code::kNotFound, "Liên kết không tồn tại hoặc đã bị xóa");
}

Response locationReply(const std::string& location) {
    Json::Value reply;
    reply["code"] = code::kOk;
    reply["msg"] = "OK";
    reply["location"] = location;
    return jsonReply(reply);
}

DownloadItem itemOf(const FileEntry& entry, std::string name) {
    DownloadItem item;
    item.name = std::move(name);
    item.folder = entry.folder;
    item.size = entry.folder ? 0 : entry.size;
    item.seed = entry.seed;
    item.contentFile = entry.contentFile;
    item.modified = entry.modified;
    return item;
}

// What a location of the entry serves: the file itself, or a zip of the file or of the
// folder's contents (what the caller may see of them), named below the folder.
DownloadSource sourceOf(const FileTree& tree, const FileEntry& entry, bool zip,
                        const std::string& viewerId) {
    DownloadSource source;
    source.zip = zip;
    source.fileName = zip ? entry.name + ".zip" : entry.name;
    if (!entry.folder) {
        source.items.push_back(itemOf(entry, entry.name));
        return source;
    }
    const std::size_t base = tree.fullPath(entry.linkcode).size() + 1;
    for (const FileEntry* inside : tree.descendants(entry.linkcode)) {
        if (isVisibleTo(tree, *inside, viewerId))
            source.items.push_back(itemOf(*inside, tree.fullPath(inside->linkcode).substr(base) +
                                                       (inside->folder ? "/" : "")));
    }
    return source;
}

Response downloadSession(Service& service, const Request& request) {
    const PostCall call = readPost(service, request);
    if (call.refusal)
        return *call.refusal;
    RequestMembers in(call.body);
    const auto url = in.text("url");
    const auto zip = in.optionalBool("zipflag");
    const auto password = in.optionalText("password");
    if (const auto refusal = in.refusal())
        return *refusal;
    if (service.refusesMultipleIp(call.session.accountId))
        return resultReply(code::kMultipleIp, kMultipleIpMessage);
    const auto link = parseShareLink(*url);
    if (!link)
        return linkMissing();

    std::optional<Response> refusal;
    std::optional<DownloadSource> source;
    service.files().editOwnerOf(link->code, [&](FileTree& tree) {
        FileEntry& entry = *tree.find(link->code);
        const std::string given = password->empty() ? link->password : *password;
        if (!isVisibleTo(tree, entry, call.session.accountId))
            refusal = linkMissing();
        else if (!entry.password.empty() && given != entry.password)
            refusal = resultReply(code::kPasswordNeeded, "Sai mật khẩu hoặc chưa nhập mật khẩu");
        else if (entry.folder && !*zip)
            refusal = resultReply(code::kNeedsZip, "Thư mục chỉ tải về được dạng zip");
        if (refusal)
            return false;
        source = sourceOf(tree, entry, *zip, call.session.accountId);
        if (source->zip && !ZipStream::make(source->items)) {
            refusal = resultReply(code::kZipTooLarge, "Thư mục quá lớn để nén");
            return false;
        }
        ++entry.downloads;
        entry.lastDownload = static_cast<std::int64_t>(std::time(nullptr));
        return true;
    });
    if (refusal)
        return *refusal;
    if (!source)
        return linkMissing();
    return locationReply(service.baseUrl(request) + "/dl/" +
                         service.downloads().issue(std::move(*source)));
}

std::optional<std::uint64_t> decimalSize(const std::string& text) {
    const auto size = plainDecimal(text);
    if (!size || *size > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    return size;
}

Response uploadSession(Service& service, const Request& request) {
    const PostCall call = readPost(service, request);
    if (call.refusal)
        return *call.refusal;
    RequestMembers in(call.body);
    const auto name = in.text("name");
    const auto sizeText = in.text("size");
    const auto path = in.text("path");
    const auto secured = in.integer("secured");
    if (const auto refusal = in.refusal())
        return *refusal;
    const auto size = decimalSize(*sizeText);
    if (!size)
        return resultReply(code::kWrongType, "\"size\" phải là số byte viết bằng chữ số");
    if (!isValidName(*name))
        return resultReply(code::kBadName, "Tên tập tin không hợp lệ");
    std::optional<std::string> folder;
    service.files().read(call.session.accountId,
                         [&](const FileTree& tree) { folder = folderByReference(tree, *path); });
    if (!folder)
        return resultReply(code::kNotFound, "Thư mục tải lên không tồn tại");
    UploadSlot slot{call.session.accountId, *name, *size, *folder, *secured};
    return locationReply(service.baseUrl(request) + "/up/" + service.uploads().issue(slot));
}

Response latestVersion(Service& service, const Request&) {
    const LatestVersion latest = service.latestVersion();
    Json::Value reply;
    reply["version"] = latest.version;
    reply["link"] = latest.link;
    return jsonReply(reply);
}

// The request log keeps the record; see Service::logRecords().
Response collectLog(Service&, const Request& request) {
    Json::Value record;
    if (!parseJsonObject(request.body, record))
        return resultReply(code::kBadRequest, "Dữ liệu gửi lên không hợp lệ");
    Json::Value reply;
    reply["code"] = code::kOk;
    return jsonReply(reply);
}

} // namespace

void addSessionEndpoints(Service& service) {
    Service* s = &service;
    auto bind = [s](Response (*handler)(Service&, const Request&)) {
        return [s, handler](const Request& r) { return handler(*s, r); };
    };
    service.route("POST", "/api/session/download", bind(downloadSession));
    service.route("POST", "/api/session/upload", bind(uploadSession));
    service.route("GET", "/api/service/getlatestversion", bind(latestVersion));
    service.route("POST", "/", bind(collectLog));
}

} // namespace devservice
