#include "game/translation.h"

#include <libintl.h>
#include <string>

namespace zandiro {

const char* translated(const char* english) {
    return dgettext(ZANDIRO_TEXT_DOMAIN, english);
}

// gettext finds a text with a context under "context\4english" and gives back
// the key itself when the catalogue has no translation.
const char* translatedInContext(const char* context, const char* english) {
    const std::string key = std::string(context) + '\4' + english;
    const char* translation = dgettext(ZANDIRO_TEXT_DOMAIN, key.c_str());
    return translation == key.c_str() ? english : translation;
}

const char* translatedPlural(const char* singular, const char* plural, std::uint64_t count) {
    return dngettext(ZANDIRO_TEXT_DOMAIN, singular, plural, static_cast<unsigned long>(count));
}

std::string fill(const char* phrase, std::initializer_list<std::string> values) {
    std::string text = phrase;
    int n = 1;
    for (const std::string& value : values) {
        const std::string mark = "%" + std::to_string(n++);
        if (const std::size_t at = text.find(mark); at != std::string::npos) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}

} // namespace zandiro
