#pragma once

#include "form/control.h"
#include "input/keyboard.h"

namespace zandiro {

// The game keeps its own left-to-right pixels in every language. A front end
// that shows a right-to-left language draws the main window and the code
// window as their mirror image, and turns what the player does back into the
// game's pixels and keys with these functions before the game sees it.

// Whether the player's language reads right to left. Its catalogue says so:
// it translates the direction marker "LTR" as "RTL".
bool readsRightToLeft();

// The left edge of a box `width` wide, starting at `left`, in the mirror image
// of a window `windowWidth` wide.
int mirroredLeft(int left, int width, int windowWidth);

// The left edge of a control in the mirrored window: at the mirror image of
// its place, except that a die's body, hold marker and pips keep their places
// within its cell, so that a die shows its face as in left to right.
int mirroredLeft(const Control& c, int windowWidth);

// A position in the mirrored window as the game's own x. A position names the
// pixel it falls in: that pixel's mirror image, at the same place within it,
// so a press on a control's mirrored box is a press on the control.
double mirroredX(double x, int windowWidth);

// An arrow pressed on the mirrored window as the game's key: Left and Right
// swap, so that the focus moves the way the arrow points on screen.
GameKey mirroredKey(GameKey key);

} // namespace zandiro
