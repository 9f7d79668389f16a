#pragma once

#include "form/control.h"

#include <QFont>

namespace zandiro {

// The Qt font for a layout font: its faces and pixel size as the core gives
// them (form/fontfaces.h), drawn where a face is missing in its stand-ins.
QFont qtFont(const Font& font);

} // namespace zandiro
