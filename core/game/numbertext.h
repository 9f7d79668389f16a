#pragma once

#include <cstdint>
#include <string>

namespace zandiro {

// A number as the game shows it: one blank before the digits when it is zero
// or positive, a minus sign in that place otherwise.
std::string numberText(std::int64_t value);

// A caption prefix followed directly by the number text.
inline std::string withNumber(const std::string& prefix, std::int64_t value) {
    return prefix + numberText(value);
}

} // namespace zandiro
