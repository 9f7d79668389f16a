#pragma once

#include "form/control.h"
#include "form/form.h"
#include "game/program.h"

#include <string>
#include <string_view>
#include <vector>

namespace zandiro::web {

// Everything the page draws and tells a screen reader, read from the game as
// it stands, as one JSON object: the direction the language reads in, both
// windows and their controls (place from the window's inline start, look,
// caption in the colour it is drawn in, font as a CSS font stack, drawing
// order), the focused place, the last announcement, the message box waiting
// to be shown and whether the program has ended. `paletteText` is the text
// colour of the page's colour scheme, which captions without a colour of
// their own are drawn in where they can be read.
std::string viewJson(const Program& program, Rgb paletteText);

// How the page draws a control, for the view and for the first frame the
// build writes into the page: a colour as #rrggbb; a control's fill as one,
// or "" where it has none and what is behind it shows; the kind's name
// ("label", "button", "image", "roundrect", "circle"); the font's family
// stack, quoted but for generic families; the distance from the window's
// edge where its lines start to the control's own (in a language read right
// to left from the right, where the window is drawn mirrored but for a die's
// parts, which keep their places within its cell so that its face is drawn as
// in left to right); each control's place in the drawing order, by id.
std::string cssColour(Rgb rgb);
std::string cssFill(const Control& c);
const char* kindName(ControlKind kind);
std::string fontFamilies(const Font& font);
int inlineStart(const Control& c, int windowWidth);
std::vector<int> drawingDepths(const Form& form);

// The id of the page element that stands for a place: "die-3", "category-7",
// "button-1".
std::string placeId(FocusPlace place);
// The place an element's id stands for; none for any other text.
FocusPlace placeFromId(std::string_view id);

} // namespace zandiro::web
