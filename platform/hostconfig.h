#pragma once
// The one place that knows where the service lives. Each host can be moved with an
// environment variable ("host[:port]"), which the tests, benchmarks and the demo use to
// point the program at the local stand-in.
#include <string>

namespace hosts {

std::string apiHost();       // BRISKO_API_HOST: the service API
std::string webHost();       // BRISKO_WEB_HOST: the bare domain of share links
std::string logHost();       // BRISKO_LOG_HOST: the transfer-statistics collector
std::string analyticsHost(); // BRISKO_ANALYTICS_HOST: the usage-analytics collector
std::string feedHost();      // BRISKO_FEED_HOST: the partner film site's feeds (plain HTTP)
std::string subtitleHost();  // BRISKO_SUBTITLE_HOST: the subtitle site (plain HTTP)

// "https://" + apiHost() + path
std::string apiUrl(const std::string& path);

} // namespace hosts
