#pragma once

#include "game/zandiro.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zandiro::hardening {

// What a click on an open category makes of the dice shown, worked out apart
// from the game: the score the category then holds, and whether it closes
// (Zandiro stays open while it scores five of a kind).
struct ScoreOutcome {
    std::int64_t score = 0;
    bool closes = true;
};
ScoreOutcome scoreFor(std::string_view name, int index, const std::array<std::int32_t, 6>& dice,
                      std::int32_t zandiroBefore);

// The score variable of a category (numbers by face, the others by name).
std::int64_t scoreOf(const Zandiro& z, std::string_view name, int index);

} // namespace zandiro::hardening
