#pragma once

#include <cstdint>

namespace zandiro {

// The program-wide roll rules, changed only through the code window and reset
// at every start-up of the main window.
struct Module1 {
    std::int32_t cheatsteps = 0;
    std::int32_t unlimitedrolls = 0;
    std::int16_t rollsperturn = 3;
};

} // namespace zandiro
