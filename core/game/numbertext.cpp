#include "game/numbertext.h"

namespace zandiro {

std::string numberText(std::int64_t value) {
    if (value < 0) {
        return std::to_string(value);
    }
    std::string text(1, ' ');
    text += std::to_string(value);
    return text;
}

} // namespace zandiro
