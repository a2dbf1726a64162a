#include "platform/hostconfig.h"

#include <cstdlib>

namespace {

// Read on every call, so a host moved after start-up (tests start the stand-in on a
// port chosen at run time) is seen by the next request.
std::string fromEnvironment(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    if (value && *value)
        return value;
    return fallback;
}

} // namespace

namespace hosts {

std::string apiHost() { return fromEnvironment("BRISKO_API_HOST", "api.brisko.vn"); }
std::string webHost() { return fromEnvironment("BRISKO_WEB_HOST", "brisko.vn"); }
std::string logHost() { return fromEnvironment("BRISKO_LOG_HOST", "log.brisko.vn"); }
std::string analyticsHost() {
    return fromEnvironment("BRISKO_ANALYTICS_HOST", "www.google-analytics.com");
}

// Made-up names under the reserved .invalid domain: until a real partner is configured,
// requests fail at once instead of reaching somebody's site.
std::string feedHost() { return fromEnvironment("BRISKO_FEED_HOST", "films.partner.invalid"); }
std::string subtitleHost() {
    return fromEnvironment("BRISKO_SUBTITLE_HOST", "subtitles.partner.invalid");
}

std::string apiUrl(const std::string& path) { return "https://" + apiHost() + path; }

} // namespace hosts
