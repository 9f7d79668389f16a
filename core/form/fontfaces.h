#pragma once

#include "form/control.h"

#include <string>
#include <vector>

namespace zandiro {

// The faces a layout font is drawn in: the font's own face first, then its
// stand-ins, a generic family last.
struct FontFaces {
    std::vector<std::string> families;
    int weight;        // the weight the font's own face is drawn at
    int standInWeight; // the weight its stand-ins are drawn at (a heavy face's stand-ins need bold)
};

// Where a face is missing, Debian's look-alikes stand in: Liberation Serif for
// Times New Roman and a bold narrow sans for Impact, so headings still fit
// their boxes. A face without stand-ins is a list of its own.
FontFaces fontFaces(const Font& font);

// The font's size in pixels at 96 pixels to the inch, the scale the layout
// was drawn at.
int pixelSize(const Font& font);

// Whether the font's letters are drawn bold: Impact is heavy at its regular
// weight, and its stand-ins are bold.
bool drawsBold(const Font& font);

} // namespace zandiro
