#include "game/board.h"
#include "game/numbertext.h"
#include "game/scorecard.h"
#include "game/translation.h"
#include "game/zandiro.h"

#include <algorithm>
#include <limits>

namespace zandiro {
namespace {

constexpr std::int32_t bonusThreshold = 62;
constexpr std::int32_t bonus = 35;

std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

// Closes a turn: releases the dice, recomputes and shows the totals, readies
// the next turn and ends the game once every category is closed.
void Zandiro::endturn() {
    for (int d = 1; d <= diceCount; ++d) {
        Hold(d).visible = false;
    }
    uppertotal = 0;
    for (int f = 1; f <= 6; ++f) {
        uppertotal += upper[f];
    }
    if (uppertotal > bonusThreshold) {
        uppertotal += bonus;
    }
    const std::int64_t lower = std::int64_t{thrkindscore} + frkindscore + sstrscore + fullhscore +
                               lstrscore + fvkindscore + chancescore;
    lowertotal = clampToInt32(lower);
    // The grand total is 16-bit: it stops at its limit rather than wrap.
    const std::int64_t grand = std::int64_t{uppertotal} + lowertotal;
    grandtotal = static_cast<std::int16_t>(
        std::min<std::int64_t>(grand, std::numeric_limits<std::int16_t>::max()));
    const std::string total = translated("Total: ");
    control("totu").caption = withNumber(total, uppertotal);
    control("totl").caption = withNumber(total, lowertotal);
    control("tott").caption = withNumber(total, grandtotal);
    rolls = 0;
    control("press").enabled = true;
    setCategoriesEnabled(false);
    if (filled == categoryCount) {
        endgame();
    }
}

} // namespace zandiro
