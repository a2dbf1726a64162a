#include "tools/devservice/replies.h"

#include "tools/devservice/jsonfiles.h"

namespace devservice {

Response jsonReply(const Json::Value& body) {
    Response response;
    response.setHeader("Content-Type", "application/json; charset=utf-8");
    response.body = compactJson(body);
    return response;
}

Response resultReply(int code, const std::string& message) {
    Json::Value body;
    body["code"] = code;
    body["msg"] = message;
    return jsonReply(body);
}

Response sessionExpiredReply() {
    return resultReply(code::kSessionExpired, "Phiên đăng nhập đã hết hạn, vui lòng đăng nhập lại");
}

Response notFoundPage() {
    Response response;
    response.status = 404;
    response.setHeader("Content-Type", "text/html; charset=utf-8");
    response.body = "<html><head><title>404 Not Found</title></head>"
                    "<body><h1>Not Found</h1></body></html>\n";
    return response;
}

} // namespace devservice
