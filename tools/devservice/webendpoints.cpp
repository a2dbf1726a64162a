#include "tools/devservice/webendpoints.h"

#include "tools/devservice/service.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace devservice {

namespace {

const char kBinaryType[] = "application/octet-stream";

Response binary(std::string body) {
    Response response;
    response.setHeader("Content-Type", kBinaryType);
    response.body = std::move(body);
    return response;
}

// The value of one "name=digits" item of the query; fallback when absent or not a number.
std::uint64_t queryNumber(const Request& request, const std::string& name, std::uint64_t fallback) {
    const std::string query = "&" + request.query();
    const auto at = query.find("&" + name + "=");
    if (at == std::string::npos)
        return fallback;
    const char* digits = query.c_str() + at + name.size() + 2;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(digits, &end, 10);
    return end == digits ? fallback : value;
}

Response slow(Service& service, const Request& request) {
    const std::uint64_t size = queryNumber(request, "size", 100000);
    const std::uint64_t hold = std::min(queryNumber(request, "hold", 50000), size);
    const auto pause = std::chrono::milliseconds(queryNumber(request, "pause", 10000));
    Response response;
    response.setHeader("Content-Type", kBinaryType);
    response.streamLength = size;
    response.producer = [&service, size, hold, pause](const BodySink& sink) {
        const std::string body = slowBody(size);
        if (!sink(body.data(), hold) || !service.pause(pause))
            return;
        sink(body.data() + hold, size - hold);
    };
    return response;
}

} // namespace

std::string setupProgram() {
    return "#!/bin/sh\n# Stand-in setup program: installs nothing.\nexit 0\n";
}

std::string slowBody(std::size_t size) {
    std::string body(size, 'a');
    for (std::size_t i = 0; i < size; ++i)
        body[i] = static_cast<char>('a' + i % 26);
    return body;
}

void addWebEndpoints(Service& service) {
    Service* s = &service;
    for (const char* path : {"/file/VLCSETUP0001", "/file/MPCSETUP0001", kUpdateSetupPath})
        service.route("GET", path, [](const Request&) { return binary(setupProgram()); });
    service.route("GET", "/setup/moved", [s](const Request& request) {
        Response response;
        response.status = 302;
        response.setHeader("Location", s->baseUrl(request) + kUpdateSetupPath);
        response.setHeader("Content-Type", "text/html; charset=utf-8");
        response.body = "<html><body>Moved</body></html>\n";
        return response;
    });
    service.route("GET", "/setup/page.html", [](const Request&) {
        Response response;
        response.setHeader("Content-Type", "text/html; charset=utf-8");
        response.body = "<html><body>Trang bảo trì</body></html>\n";
        return response;
    });
    service.route("GET", "/setup/gone.html", [](const Request&) {
        Response response;
        response.status = 404;
        response.setHeader("Content-Type", "text/html; charset=utf-8");
        response.body = "<html><body>Không tìm thấy</body></html>\n";
        return response;
    });
    service.route("GET", "/setup/missing", [](const Request&) {
        Response response = binary("no such file\n");
        response.status = 404;
        return response;
    });
    service.route("GET", "/setup/slow", [s](const Request& request) { return slow(*s, request); });
}

} // namespace devservice
