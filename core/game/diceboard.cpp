#include "game/zandiro.h"

namespace zandiro {
namespace {

// Hold marker picture: 54 x 12 pixels, the word HOLD.
constexpr int holdPictureWidth = 54;
constexpr int holdPictureHeight = 12;

int pipTop(int row, int j) {
    const int base = 64 * row;
    if (j <= 2) {
        return base + 16;
    }
    return j <= 5 ? base + 32 : base + 48;
}

int pipLeft(int die, int j) {
    const int columnLeft = (die == 2 || die == 4) ? 336 : 272;
    if (j == 4) {
        return columnLeft + 16;
    }
    const bool right = j == 2 || j == 5 || j == 7;
    return right ? columnLeft + 32 : columnLeft;
}

} // namespace

// Builds the five dice: bodies and hold markers slot by slot, then the seven
// pips of every die, each brought to the front as it is placed.
void Zandiro::loadimages() {
    for (int r = 1; r <= 3; ++r) {
        for (int n = 1; n <= 2; ++n) {
            const int d = 2 * r + n - 2;
            if (d >= 6) {
                continue;
            }
            if (d > 1) {
                form.loadMember("Hold", d);
                form.loadMember("Rect", d);
            }
            const ControlId body = form.find("Rect", d);
            form.at(body).left = 200 + 64 * n;
            form.at(body).top = 64 * r - 56;
            form.at(body).visible = true;
            form.bringToFront(body);

            const ControlId marker = form.find("Hold", d);
            Control& hold = form.at(marker);
            hold.hasPicture = true;
            hold.width = holdPictureWidth;
            hold.height = holdPictureHeight;
            hold.left = 203 + 64 * n;
            hold.top = 64 * r - 31;
            hold.visible = false;
            form.bringToFront(marker);
        }
    }
    for (int d = 1; d <= 5; ++d) {
        const int row = (d - 1) / 2;
        for (int j = 1; j <= 7; ++j) {
            const ControlId id = form.loadMember("pip", 7 * d + j - 7);
            form.at(id).visible = false;
            form.at(id).top = pipTop(row, j);
            form.at(id).left = pipLeft(d, j);
            form.bringToFront(id);
        }
    }
}

} // namespace zandiro
