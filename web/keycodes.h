#pragma once

#include <cstdint>
#include <string_view>

namespace zandiro::web {

// The Windows virtual-key code of a key, from the browser's name for its place
// on the keyboard (KeyboardEvent.code): the same code with or without Shift,
// and the keypad's digits apart from the main row's. 0 for a key the game
// never reads.
std::int16_t virtualKeyOf(std::string_view code);

} // namespace zandiro::web
