#include "tools/devservice/userendpoints.h"

#include "tools/devservice/jsonfiles.h"
#include "tools/devservice/replies.h"
#include "tools/devservice/service.h"

namespace devservice {

namespace {

Response login(Service& service, const Request& request) {
    Json::Value body;
    if (!parseJsonObject(request.body, body))
        return resultReply(code::kBadRequest, "Dữ liệu gửi lên không hợp lệ");
    const Json::Value& appKey = body["app_key"];
    if (!appKey.isString() || appKey.asString() != service.options().appKey)
        return resultReply(code::kWrongAppKey, "Ứng dụng không được phép truy cập (app_key sai)");
    const Json::Value& login = body["user_email"];
    const Json::Value& password = body["password"];
    if (!login.isString() || !password.isString())
        return resultReply(code::kMissingField, "Thiếu email hoặc mật khẩu");

    const auto account = service.accounts().findByLogin(login.asString());
    if (!account || account->password != password.asString())
        return resultReply(code::kWrongCredentials, "Sai email hoặc mật khẩu");

    const Session session = service.sessions().open(account->id);
    Json::Value reply;
    reply["code"] = code::kOk;
    reply["msg"] = "Đăng nhập thành công";
    reply["token"] = session.token;
    reply["session_id"] = session.id;
    Response response = jsonReply(reply);
    response.headers.emplace_back("Set-Cookie", session.setCookie);
    return response;
}

Response logout(Service& service, const Request& request) {
    const auto session = service.authenticate(request);
    if (!session)
        return sessionExpiredReply();
    service.sessions().close(session->id);
    return resultReply(code::kOk, "Đăng xuất thành công");
}

Response accountInfo(Service& service, const Request& request) {
    const auto session = service.authenticate(request);
    const auto account = session ? service.accounts().get(session->accountId) : std::nullopt;
    if (!account)
        return sessionExpiredReply();
    Json::Value reply = account->profile;
    reply["code"] = code::kOk;
    reply["msg"] = "OK";
    return jsonReply(reply);
}

} // namespace

void addUserEndpoints(Service& service) {
    Service* s = &service;
    service.route("POST", "/api/user/login", [s](const Request& r) { return login(*s, r); });
    service.route("GET", "/api/user/logout", [s](const Request& r) { return logout(*s, r); });
    service.route("GET", "/api/user/get", [s](const Request& r) { return accountInfo(*s, r); });
}

} // namespace devservice
