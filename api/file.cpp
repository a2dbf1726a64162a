#include "api/file.h"

#include <cctype>
#include <limits>
#include <tuple>

namespace brisko {

std::int64_t parse_decimal(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // Accumulate as a negative number so that the most negative value fits; saturate.
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        const int digit = text[i] - '0';
        if (value < (lowest + digit) / 10) {
            value = lowest;
            break;
        }
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<std::int64_t>::max() : -value;
}

bool file::operator==(const file& o) const {
    auto fields = [](const file& f) {
        return std::tie(f.id, f.linkcode_, f.name_, f.secure_, f.public_, f.copied_, f.shared_,
                        f.directlink_, f.type_, f.path_, f.hash_index_, f.owner_id_, f.pid_,
                        f.size, f.downloadcount_, f.deleted_, f.description_, f.created_,
                        f.lastdownload_, f.modified_, f.t_index_, f.url_, f.pwd_);
    };
    return fields(*this) == fields(o);
}

} // namespace brisko
