#pragma once

#include "form/control.h"

#include <QFont>

namespace zandiro {

// The Qt font for a layout font. Sizes in points are turned into pixels at 96
// dots per inch, the scale the layout was drawn at. Where a face is missing,
// Debian's look-alikes stand in: Liberation Serif for Times New Roman and a
// bold narrow sans for Impact, so headings still fit their boxes.
QFont qtFont(const Font& font);

// Whether the font's letters are drawn bold: Impact is heavy at its regular
// weight, and its stand-ins are bold.
bool drawsBold(const Font& font);

} // namespace zandiro
