#pragma once

#include "form/form.h"

namespace zandiro {

inline constexpr int mainClientWidth = 396;
inline constexpr int mainClientHeight = 355;
inline constexpr Rgb mainBackground{255, 255, 0};
inline constexpr const char* mainTitle = "Zandiro!";

// Fills an empty form with the main window's controls as the window creates
// them, in creation order, each in its initial state.
void buildMainLayout(Form& form);

} // namespace zandiro
