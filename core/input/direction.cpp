#include "input/direction.h"

#include "game/board.h"
#include "game/translation.h"

#include <cmath>
#include <cstring>

namespace zandiro {

bool readsRightToLeft() {
    // TRANSLATORS: the direction your language reads in: "RTL" for a language
    // written right to left (Arabic, Hebrew), which mirrors the window; keep
    // "LTR" otherwise.
    return std::strcmp(translatedInContext("text direction", "LTR"), "RTL") == 0;
}

int mirroredLeft(int left, int width, int windowWidth) {
    return windowWidth - left - width;
}

int mirroredLeft(const Control& c, int windowWidth) {
    for (int die = 1; die <= diceCount; ++die) {
        const Slot slot = slotOf(die);
        const Box cell = cellOf(slot.row, slot.column);
        if (c.left >= cell.left && c.left + c.width <= cell.left + cell.width &&
            c.top >= cell.top && c.top + c.height <= cell.top + cell.height) {
            return mirroredLeft(cell.left, cell.width, windowWidth) + (c.left - cell.left);
        }
    }
    return mirroredLeft(c.left, c.width, windowWidth);
}

double mirroredX(double x, int windowWidth) {
    const double pixel = std::floor(x);
    return mirroredLeft(static_cast<int>(pixel), 1, windowWidth) + (x - pixel);
}

GameKey mirroredKey(GameKey key) {
    switch (key) {
    case GameKey::Left:
        return GameKey::Right;
    case GameKey::Right:
        return GameKey::Left;
    default:
        return key;
    }
}

} // namespace zandiro
