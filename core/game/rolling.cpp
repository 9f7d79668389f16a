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

// One coordinate of the hit grid: the open intervals of the die cells.
int gridCell(float value, float first, int cells) {
    for (int cell = 1; cell <= cells; ++cell) {
        const float low = first + 64.0f * static_cast<float>(cell - 1);
        if (value > low && value < low + 60.0f) {
            return cell;
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
    for (int d = 1; d <= 5; ++d) {
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
    pip(7 * die - pos).visible = true;
}

void Zandiro::Hold_Click(std::int16_t Index) {
    toggleHold(Index);
}

void Zandiro::Form_MouseDown(std::int16_t, std::int16_t, float X, float Y) {
    const int column = gridCell(X, 264.0f, 2);
    const int row = gridCell(Y, 8.0f, 3);
    if (row == 0 || column == 0 || (row == 3 && column == 2)) {
        return;
    }
    toggleHold(2 * row + column - 2);
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
