#include "game/numbertext.h"

namespace zandiro {

std::string numberText(std::int64_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

} // namespace zandiro
