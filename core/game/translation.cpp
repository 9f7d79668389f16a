#include "game/translation.h"

#include <libintl.h>

namespace zandiro {

const char* translated(const char* english) {
    return dgettext(ZANDIRO_TEXT_DOMAIN, english);
}

const char* translatedPlural(const char* singular, const char* plural, std::uint64_t count) {
    return dngettext(ZANDIRO_TEXT_DOMAIN, singular, plural, static_cast<unsigned long>(count));
}

std::string substituted(const char* pattern, std::initializer_list<std::string> values) {
    std::string text = pattern;
    std::size_t from = 0;
    for (const std::string& value : values) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos) {
            break;
        }
        text.replace(at, 2, value);
        from = at + value.size();
    }
    return text;
}

} // namespace zandiro
