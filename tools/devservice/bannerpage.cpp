#include "tools/devservice/bannerpage.h"

#include "tools/devservice/service.h"

#include <cctype>
#include <string>

namespace devservice {

namespace {

// The value of one query item, as sent; "" when absent.
std::string queryValue(const std::string& query, const std::string& name) {
    const std::string items = "&" + query;
    const auto at = items.find("&" + name + "=");
    if (at == std::string::npos)
        return {};
    const auto start = at + name.size() + 2;
    return items.substr(start, items.find('&', start) - start);
}

// Only digits go back into the page: the id comes from the address.
std::string digits(const std::string& text) {
    std::string kept;
    for (char c : text)
        if (std::isdigit(static_cast<unsigned char>(c)))
            kept += c;
    return kept;
}

struct Texts {
    const char* headline;
    const char* line;
    const char* features[3];
    const char* button;
    const char* member;
};

const Texts kVietnamese = {"Tải nhanh hơn với tài khoản VIP",
                           "Không giới hạn tốc độ, không chờ đợi, lưu trữ an toàn.",
                           {"Tốc độ tối đa", "Tải nhiều tập tin cùng lúc", "1 TB lưu trữ"},
                           "Nâng cấp VIP",
                           "Thành viên #"};
const Texts kEnglish = {"Download faster with a VIP account",
                        "No speed limits, no waiting, safe storage.",
                        {"Full speed", "Many files at once", "1 TB of storage"},
                        "Upgrade to VIP",
                        "Member #"};

std::string page(const Texts& texts, const std::string& site, const std::string& uid) {
    std::string html =
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>"
        "html,body{margin:0;height:100%;overflow:hidden;font-family:sans-serif;}"
        "body{background:linear-gradient(90deg,#225390,#2f6db5 60%,#4a8bd0);color:#fff;}"
        ".box{display:flex;align-items:center;height:100%;padding:0 28px;box-sizing:border-box;}"
        ".text{flex:1;}h1{font-size:22px;margin:0 0 6px;}p{margin:0 0 12px;font-size:13px;"
        "opacity:.9;}.chip{display:inline-block;margin-right:8px;padding:4px 10px;"
        "border-radius:12px;background:rgba(255,255,255,.18);font-size:12px;}"
        ".go{background:#fff;color:#225390;padding:10px 22px;border-radius:18px;"
        "font-weight:bold;text-decoration:none;font-size:14px;}"
        ".who{font-size:12px;opacity:.8;margin-bottom:6px;}"
        "</style></head><body><div class=\"box\"><div class=\"text\">";
    if (!uid.empty())
        html += "<div class=\"who\">" + std::string(texts.member) + uid + "</div>";
    html += "<h1>" + std::string(texts.headline) + "</h1><p>" + texts.line + "</p>";
    for (const char* feature : texts.features)
        html += "<span class=\"chip\">" + std::string(feature) + "</span>";
    html += "</div><a class=\"go\" href=\"" + site + "/vip\">" + texts.button +
            "</a></div></body></html>\n";
    return html;
}

} // namespace

void addBannerPage(Service& service) {
    Service* s = &service;
    service.route("GET", "/site/advantage", [s](const Request& request) {
        const std::string query = request.query();
        const Texts& texts = queryValue(query, "lang") == "en" ? kEnglish : kVietnamese;
        Response response;
        response.setHeader("Content-Type", "text/html; charset=utf-8");
        response.body = page(texts, s->baseUrl(request), digits(queryValue(query, "uid")));
        return response;
    });
}

} // namespace devservice
