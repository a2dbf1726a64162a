#include "tools/devservice/filechangeendpoints.h"

#include "tools/devservice/endpointinput.h"
#include "tools/devservice/replies.h"
#include "tools/devservice/service.h"

#include <ctime>
#include <set>

namespace devservice {

namespace {

using Items = std::vector<std::string>;

std::int64_t now() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

Response done(const std::string& message) {
    return resultReply(code::kOk, message);
}

Response nameTaken(const std::string& name) {
    return resultReply(code::kNameTaken, "Đã có tập tin hoặc thư mục tên \"" + name + "\"");
}

Response badName() {
    return resultReply(code::kBadName, "Tên không hợp lệ");
}

std::optional<Response> missingItem(const FileTree& tree, const Items& items) {
    for (const std::string& code : items) {
        if (!tree.find(code))
            return resultReply(code::kNotFound, "Không tìm thấy tập tin hoặc thư mục " + code);
    }
    return std::nullopt;
}

// Whether the items may go into `target`: no folder into itself or below itself, and
// no name twice in the target. Items already in the target stay put when moving.
std::optional<Response> placementRefusal(const FileTree& tree, const Items& items,
                                         const std::string& target, bool moving) {
    std::set<std::string> arriving;
    for (const std::string& code : items) {
        const FileEntry& entry = *tree.find(code);
        if (entry.folder && tree.isWithin(target, code))
            return resultReply(code::kIntoItself,
                               "Không thể đặt thư mục \"" + entry.name + "\" vào chính nó");
        if (moving && entry.parent == target)
            continue;
        if (tree.childNamed(target, entry.name) || !arriving.insert(entry.name).second)
            return nameTaken(entry.name);
    }
    return std::nullopt;
}

// Runs `change` on the caller's tree and hands back its refusal; the tree is saved
// when there is none.
std::optional<Response>
applyChange(Service& service, const PostCall& call,
            const std::function<std::optional<Response>(FileTree&)>& change) {
    std::optional<Response> refusal;
    service.files().edit(call.session.accountId, [&](FileTree& tree) {
        refusal = change(tree);
        return !refusal;
    });
    return refusal;
}

// The same, answering `success` when the change was made.
Response editTree(Service& service, const PostCall& call, Response success,
                  const std::function<std::optional<Response>(FileTree&)>& change) {
    const auto refusal = applyChange(service, call, change);
    return refusal ? *refusal : success;
}

Response removeItems(Service& service, const PostCall& call) {
    RequestMembers in(call.body);
    const auto items = in.codes("items");
    if (const auto refusal = in.refusal())
        return *refusal;
    return editTree(service, call, done("Đã xóa"), [&](FileTree& tree) {
        if (auto missing = missingItem(tree, *items))
            return missing;
        for (const std::string& code : *items) {
            if (tree.find(code)) // gone already when its folder was among the items
                tree.remove(code);
        }
        return std::optional<Response>();
    });
}

Response createFolder(Service& service, const PostCall& call) {
    RequestMembers in(call.body);
    const auto name = in.text("name");
    const auto where = in.text("in_dir");
    if (const auto refusal = in.refusal())
        return *refusal;
    if (!isValidName(*name))
        return badName();
    Json::Value reply;
    const auto refusal = applyChange(service, call, [&](FileTree& tree) {
        const auto parent = folderByReference(tree, *where);
        if (!parent)
            return std::optional<Response>(
                resultReply(code::kNotFound, "Thư mục cha không tồn tại"));
        if (tree.childNamed(*parent, *name))
            return std::optional<Response>(nameTaken(*name));
        FileEntry folder;
        folder.name = *name;
        folder.folder = true;
        folder.parent = *parent;
        folder.created = folder.modified = now();
        const FileEntry& added = tree.add(folder);
        reply["code"] = code::kOk;
        reply["msg"] = "Tạo thư mục thành công";
        reply["id"] = static_cast<Json::Int64>(added.id);
        reply["linkcode"] = added.linkcode;
        return std::optional<Response>();
    });
    return refusal ? *refusal : jsonReply(reply);
}

Response renameItem(Service& service, const PostCall& call) {
    RequestMembers in(call.body);
    const auto code = in.text("file");
    const auto name = in.text("new_name");
    if (const auto refusal = in.refusal())
        return *refusal;
    if (!isValidName(*name))
        return badName();
    return editTree(service, call, done("Đổi tên thành công"), [&](FileTree& tree) {
        if (auto missing = missingItem(tree, {*code}))
            return missing;
        FileEntry& entry = *tree.find(*code);
        const FileEntry* other = tree.childNamed(entry.parent, *name);
        if (other && other != &entry)
            return std::optional<Response>(nameTaken(*name));
        entry.name = *name;
        entry.modified = now();
        return std::optional<Response>();
    });
}

// changeSecure and SetDirectLink: "status" 0 or 1 into one flag of every item.
Response setFlag(Service& service, const PostCall& call, bool FileEntry::*flag) {
    RequestMembers in(call.body);
    const auto items = in.codes("items");
    const auto status = in.flag("status");
    if (const auto refusal = in.refusal())
        return *refusal;
    return editTree(service, call, done("Cập nhật thành công"), [&](FileTree& tree) {
        if (auto missing = missingItem(tree, *items))
            return missing;
        for (const std::string& code : *items)
            tree.find(code)->*flag = *status == 1;
        return std::optional<Response>();
    });
}

// An empty "pass" takes the password away.
Response setPassword(Service& service, const PostCall& call) {
    RequestMembers in(call.body);
    const auto items = in.codes("items");
    const auto password = in.text("pass");
    if (const auto refusal = in.refusal())
        return *refusal;
    return editTree(service, call, done("Đặt mật khẩu thành công"), [&](FileTree& tree) {
        if (auto missing = missingItem(tree, *items))
            return missing;
        for (const std::string& code : *items)
            tree.find(code)->password = *password;
        return std::optional<Response>();
    });
}

// move and copy; "to" is a folder's link code, "0" for the top level, or a path.
Response place(Service& service, const PostCall& call, bool moving) {
    RequestMembers in(call.body);
    const auto items = in.codes("items");
    const auto to = in.text("to");
    if (const auto refusal = in.refusal())
        return *refusal;
    const auto change = [&](FileTree& tree) -> std::optional<Response> {
        const auto target = folderByReference(tree, *to);
        if (!target)
            return resultReply(code::kTargetMissing, "Thư mục đích không tồn tại");
        if (auto missing = missingItem(tree, *items))
            return missing;
        if (auto refusal = placementRefusal(tree, *items, *target, moving))
            return refusal;
        for (const std::string& code : *items) {
            if (!moving)
                tree.copy(code, *target, now());
            else if (tree.find(code)->parent != *target)
                tree.move(code, *target);
        }
        return std::nullopt;
    };
    return editTree(service, call, done(moving ? "Di chuyển thành công" : "Sao chép thành công"),
                    change);
}

Response shareByMail(Service& service, const PostCall& call) {
    RequestMembers in(call.body);
    const auto items = in.codes("items");
    const auto emails = in.optionalTexts("emails");
    const auto content = in.optionalText("content");
    if (const auto refusal = in.refusal())
        return *refusal;
    const std::string sent =
        "Đã gửi liên kết tới " + std::to_string(emails->size()) + " địa chỉ email";
    return editTree(service, call, done(sent), [&](FileTree& tree) {
        if (auto missing = missingItem(tree, *items))
            return missing;
        for (const std::string& code : *items)
            tree.find(code)->shared = true;
        return std::optional<Response>();
    });
}

} // namespace

void addFileChangeEndpoints(Service& service) {
    using Change = std::function<Response(Service&, const PostCall&)>;
    const std::vector<std::pair<const char*, Change>> changes = {
        {"/api/fileops/delete", removeItems},
        {"/api/fileops/createFolder", createFolder},
        {"/api/fileops/createFolderInPath", createFolder},
        {"/api/fileops/rename", renameItem},
        {"/api/fileops/changeSecure",
         [](Service& s, const PostCall& c) { return setFlag(s, c, &FileEntry::secure); }},
        {"/api/share/SetDirectLink",
         [](Service& s, const PostCall& c) { return setFlag(s, c, &FileEntry::directLink); }},
        {"/api/fileops/createFilePass", setPassword},
        {"/api/fileops/move", [](Service& s, const PostCall& c) { return place(s, c, true); }},
        {"/api/fileops/moveToPath",
         [](Service& s, const PostCall& c) { return place(s, c, true); }},
        {"/api/fileops/copy", [](Service& s, const PostCall& c) { return place(s, c, false); }},
        {"/api/share/createsharelink", shareByMail},
    };
    Service* s = &service;
    for (const auto& [path, change] : changes) {
        service.route("POST", path, [s, change = change](const Request& request) {
            const PostCall call = readPost(*s, request);
            return call.refusal ? *call.refusal : change(*s, call);
        });
    }
}

} // namespace devservice
