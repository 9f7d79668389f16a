#include "game/board.h"
#include "game/scorecard.h"
#include "game/zandiro.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace zandiro {
namespace {

// The pip positions lit for each face, in the order they are lit.
const std::initializer_list<int> faceTable[] = {
    {3}, {0, 6}, {0, 3, 6}, {0, 1, 5, 6}, {0, 1, 3, 5, 6}, {0, 1, 2, 4, 5, 6},
};

bool strictlyInside(const Box& cell, float x, float y) {
    const auto within = [](float value, int low, int length) {
        return value > static_cast<float>(low) && value < static_cast<float>(low + length);
    };
    return within(x, cell.left, cell.width) && within(y, cell.top, cell.height);
}

// The die whose cell holds the point, or 0 between the cells and in the
// empty slot.
int dieUnder(float x, float y) {
    for (int row = 1; row <= boardRows; ++row) {
        for (int column = 1; column <= boardColumns; ++column) {
            if (strictlyInside(cellOf(row, column), x, y)) {
                const int d = dieAt(row, column);
                return d <= diceCount ? d : 0;
            }
        }
    }
    return 0;
}

// The face a draw rolls: floor(r * 6) + 1 for r in [0, 1). A draw outside that
// range, from a faulty or replaced random source, is held to its nearest end
// (NaN to 0), so a die always shows 1 to 6 and the face count stays in bounds.
std::int32_t faceOf(double r) {
    const double held = std::isnan(r) ? 0.0 : std::clamp(r, 0.0, 1.0);
    return std::min(static_cast<std::int32_t>(std::floor(held * 6)) + 1, 6);
}

} // namespace

void Zandiro::press_Click() {
    const int pipCount = form.memberCount("pip");
    for (int k = 1; k <= pipCount - 1; ++k) {
        pip(k).visible = false;
    }
    for (int d = 1; d <= diceCount; ++d) {
        if (!Hold(d).visible) {
            dice[d] = faceOf(platform_.rnd());
        }
        const int value = dice[d];
        if (value >= 1 && value <= 6) {
            for (int pos : faceTable[value - 1]) {
                pv(d, pos);
            }
        }
    }
    // The counter stays at its limit: with unlimited rolls a further roll
    // still rolls, and the count never wraps.
    if (rolls < std::numeric_limits<std::int16_t>::max()) {
        ++rolls;
    }
    if (rolls >= module1_.rollsperturn && module1_.unlimitedrolls == 0) {
        control("press").enabled = false;
    }
    setCategoriesEnabled(true);
}

void Zandiro::pv(int die, int pos) {
    pip(pipOf(die, pos)).visible = true;
}

void Zandiro::Hold_Click(std::int16_t Index) {
    toggleHold(Index);
}

void Zandiro::Form_MouseDown(std::int16_t, std::int16_t, float X, float Y) {
    const int d = dieUnder(X, Y);
    if (d != 0) {
        toggleHold(d);
    }
}

void Zandiro::toggleHold(int d) {
    Control& marker = Hold(d);
    marker.visible = !marker.visible;
}

void Zandiro::setCategoriesEnabled(bool enabled) {
    for (const Category& category : scorecard) {
        form.get(category.label.name, category.label.index).enabled = enabled;
    }
}

} // namespace zandiro
