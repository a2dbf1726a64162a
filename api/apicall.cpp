#include "api/apicall.h"

#include "api/apiresult.h"
#include "api/client.h"
#include "api/httputil.h"

namespace brisko {

std::unique_ptr<utils::http_response> post_api(client& c, const std::string& url,
                                               Json::Value body, bool withToken) {
    // Held for the whole call, so a login on another thread can't pull it away.
    const std::shared_ptr<session> current = c.get_session();
    if (withToken)
        body["token"] = current->get_token();
    const utils::httpReqData request = current->make_request(json::styled(body));
    return std::unique_ptr<utils::http_response>(utils::http_util::post(url, request));
}

std::unique_ptr<utils::http_response> get_api(client& c, const std::string& url) {
    const std::shared_ptr<session> current = c.get_session();
    return std::unique_ptr<utils::http_response>(
        utils::http_util::get(url, current->make_request()));
}

} // namespace brisko
