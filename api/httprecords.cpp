#include "api/httprecords.h"

#include <strings.h>

namespace utils {

std::string http_response::header(const std::string& name, bool* found) const {
    for (const auto& entry : headers) {
        if (strcasecmp(entry.first.c_str(), name.c_str()) == 0) {
            if (found)
                *found = true;
            return entry.second;
        }
    }
    if (found)
        *found = false;
    return std::string();
}

} // namespace utils
