#pragma once

#include "form/form.h"

namespace zandiro {

inline constexpr ControlId noControl = -1;

// The control that takes a press at (x, y): the front-most visible control
// there, shapes excepted (presses on them reach the window). noControl means
// the window itself.
ControlId controlAt(const Form& form, double x, double y);

} // namespace zandiro
