#include "tools/devservice/textsearch.h"

#include <locale.h>
#include <wctype.h>

namespace devservice {

namespace {

int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead >> 5) == 0x6)
        return 2;
    if ((lead >> 4) == 0xe)
        return 3;
    if ((lead >> 3) == 0x1e)
        return 4;
    return 0;
}

// Decodes UTF-8; a byte that starts no valid sequence stands for itself.
std::u32string decode(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = sequenceLength(lead);
        char32_t code = length == 1 ? lead : lead & (0xff >> (length + 1));
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next >> 6) == 0x2;
            code = (code << 6) | (next & 0x3f);
        }
        out += valid ? code : char32_t(lead);
        i += valid ? length : 1;
    }
    return out;
}

// Lower case by the C.UTF-8 locale's tables (which cover Vietnamese letters), whatever
// locale the program runs in.
std::u32string lower(std::u32string text) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    for (char32_t& c : text)
        c = utf8 ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), utf8))
                 : (c < 0x80 ? static_cast<char32_t>(towlower(static_cast<wint_t>(c))) : c);
    return text;
}

} // namespace

bool containsIgnoringCase(const std::string& text, const std::string& part) {
    return lower(decode(text)).find(lower(decode(part))) != std::u32string::npos;
}

} // namespace devservice
