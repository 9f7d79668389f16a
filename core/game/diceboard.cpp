#include "game/board.h"
#include "game/zandiro.h"

namespace zandiro {
namespace {

// Hold marker picture: 54 x 12 pixels, the word HOLD.
constexpr int holdPictureWidth = 54;
constexpr int holdPictureHeight = 12;

// Where the marker stands in its die's cell.
constexpr int holdInsetLeft = 3;
constexpr int holdInsetTop = 25;

} // namespace

// Builds the five dice: bodies and hold markers slot by slot, then the seven
// pips of every die in the order of their numbers, each brought to the front
// as it is placed.
void Zandiro::loadimages() {
    for (int r = 1; r <= boardRows; ++r) {
        for (int n = 1; n <= boardColumns; ++n) {
            const int d = dieAt(r, n);
            if (d > diceCount) {
                continue;
            }
            const Box cell = cellOf(r, n);
            if (d > 1) {
                form.loadMember("Hold", d);
                form.loadMember("Rect", d);
            }
            const ControlId body = form.find("Rect", d);
            form.at(body).left = cell.left;
            form.at(body).top = cell.top;
            form.at(body).visible = true;
            form.bringToFront(body);

            const ControlId marker = form.find("Hold", d);
            Control& hold = form.at(marker);
            hold.hasPicture = true;
            hold.width = holdPictureWidth;
            hold.height = holdPictureHeight;
            hold.left = cell.left + holdInsetLeft;
            hold.top = cell.top + holdInsetTop;
            hold.visible = false;
            form.bringToFront(marker);
        }
    }
    for (int d = 1; d <= diceCount; ++d) {
        for (int pos = pipsPerDie - 1; pos >= 0; --pos) {
            const ControlId id = form.loadMember("pip", pipOf(d, pos));
            const Point corner = pipCorner(d, pos);
            form.at(id).visible = false;
            form.at(id).top = corner.top;
            form.at(id).left = corner.left;
            form.bringToFront(id);
        }
    }
}

} // namespace zandiro
