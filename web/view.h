#pragma once

#include "form/control.h"
#include "game/program.h"

#include <string>
#include <string_view>

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

// The id of the page element that stands for a place: "die-3", "category-7",
// "button-1".
std::string placeId(FocusPlace place);
// The place an element's id stands for; none for any other text.
FocusPlace placeFromId(std::string_view id);

} // namespace zandiro::web
