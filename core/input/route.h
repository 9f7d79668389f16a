#pragma once

#include "input/input.h"

namespace zandiro {

struct Program;

// Hands one input to the handler that takes it, as a desktop toolkit would
// deliver it: only to a window that is shown. Answers whether the game took
// it; a key it did not take is the host's (a browser's own shortcuts, Tab
// out of the game where it leaves).
bool route(Program& program, const Input& input);

} // namespace zandiro
