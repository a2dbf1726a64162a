#include "tools/devservice/endpointinput.h"

#include "tools/devservice/jsonfiles.h"
#include "tools/devservice/replies.h"
#include "tools/devservice/service.h"
#include "tools/devservice/urltext.h"

#include <limits>
#include <set>

namespace devservice {

PostCall readPost(Service& service, const Request& request) {
    PostCall call;
    if (!parseJsonObject(request.body, call.body)) {
        // Without a body there is no token to check, so the session decides first.
        call.refusal = service.authenticate(request)
                           ? resultReply(code::kBadRequest, "Dữ liệu gửi lên không hợp lệ")
                           : sessionExpiredReply();
        return call;
    }
    const auto session = service.authenticate(request, &call.body);
    if (!session)
        call.refusal = sessionExpiredReply();
    else
        call.session = *session;
    return call;
}

void RequestMembers::refuse(int code, const std::string& message) {
    if (!refusal_)
        refusal_ = resultReply(code, message);
}

std::optional<std::string> RequestMembers::text(const char* name) {
    const Json::Value& value = body_[name];
    if (value.isString())
        return value.asString();
    if (value.isNull())
        refuse(code::kMissingField, std::string("Thiếu \"") + name + "\"");
    else
        refuse(code::kWrongType, std::string("\"") + name + "\" phải là chuỗi");
    return std::nullopt;
}

std::optional<std::string> RequestMembers::optionalText(const char* name) {
    return body_[name].isNull() ? std::optional<std::string>("") : text(name);
}

std::optional<int> RequestMembers::integer(const char* name) {
    const Json::Value& value = body_[name];
    if (value.isInt())
        return value.asInt();
    if (value.isNull())
        refuse(code::kMissingField, std::string("Thiếu \"") + name + "\"");
    else
        refuse(code::kWrongType, std::string("\"") + name + "\" phải là số nguyên");
    return std::nullopt;
}

std::optional<int> RequestMembers::flag(const char* name) {
    const auto value = integer(name);
    if (value && *value != 0 && *value != 1) {
        refuse(code::kWrongType, std::string("\"") + name + "\" phải là 0 hoặc 1");
        return std::nullopt;
    }
    return value;
}

std::optional<bool> RequestMembers::optionalBool(const char* name) {
    const Json::Value& value = body_[name];
    if (value.isNull() || value.isBool())
        return value.isBool() && value.asBool();
    refuse(code::kWrongType, std::string("\"") + name + "\" phải là true hoặc false");
    return std::nullopt;
}

std::optional<std::vector<std::string>> RequestMembers::codes(const char* name) {
    const auto list = optionalTexts(name);
    if (!list)
        return std::nullopt;
    if (list->empty()) {
        refuse(code::kMissingField, "Chưa chọn tập tin hay thư mục nào");
        return std::nullopt;
    }
    std::vector<std::string> unique;
    std::set<std::string> seen;
    for (const std::string& code : *list) {
        if (seen.insert(code).second)
            unique.push_back(code);
    }
    return unique;
}

std::optional<std::vector<std::string>> RequestMembers::optionalTexts(const char* name) {
    const Json::Value& value = body_[name];
    std::vector<std::string> texts;
    if (value.isNull())
        return texts;
    bool allTexts = value.isArray();
    for (Json::ArrayIndex i = 0; allTexts && i < value.size(); ++i) {
        allTexts = value[i].isString();
        if (allTexts)
            texts.push_back(value[i].asString());
    }
    if (!allTexts) {
        refuse(code::kWrongType, std::string("\"") + name + "\" phải là mảng chuỗi");
        return std::nullopt;
    }
    return texts;
}

std::string accountPath(const std::string& path) {
    const std::vector<std::string> names = pathNames(path);
    std::string rest;
    for (std::size_t i = !names.empty() && names.front() == "home" ? 1 : 0; i < names.size(); ++i)
        rest += "/" + names[i];
    return rest.empty() ? "/" : rest;
}

std::optional<std::string> folderByReference(const FileTree& tree, const std::string& reference) {
    if (reference.empty() || reference == "0")
        return std::string();
    if (reference.front() == '/')
        return tree.folderAt(accountPath(reference));
    const FileEntry* folder = tree.find(reference);
    if (!folder || !folder->folder)
        return std::nullopt;
    return folder->linkcode;
}

bool isValidName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 255)
        return false;
    for (unsigned char c : name) {
        if (c == '/' || c < 0x20 || c == 0x7f)
            return false;
    }
    return true;
}

bool isVisibleTo(const FileTree& tree, const FileEntry& entry, const std::string& viewerId) {
    if (entry.ownerId == viewerId)
        return true;
    for (const FileEntry* e = &entry; e; e = tree.find(e->parent)) {
        if (e->secure)
            return false;
    }
    return true;
}

std::optional<long long> queryNumber(const Request& request, const char* name, long long fallback) {
    const auto value = queryValue(request.query(), name);
    if (!value)
        return fallback;
    const auto number = plainDecimal(*value);
    if (!number || *number > static_cast<std::uint64_t>(std::numeric_limits<long long>::max()))
        return std::nullopt;
    return static_cast<long long>(*number);
}

} // namespace devservice
