#pragma once

#include "input/gamekeys.h"

#include <cstdint>
#include <string_view>

namespace zandiro::web {

// The Windows virtual-key code of a key, from the browser's name for its place
// on the keyboard (KeyboardEvent.code): the same code with or without Shift,
// and the keypad's digits apart from the main row's. 0 for a key the game
// never reads.
std::int16_t virtualKeyOf(std::string_view code);

// The modifiers held as the game reads them: Shift counts where it changed
// what the key typed (KeyboardEvent.key). On a main-row digit key that is
// whether the key typed its digit: an English keyboard types "!" for Shift+1,
// a French one "&" for 1 and "1" for Shift+&.
KeyModifiers gameModifiers(std::int16_t virtualKey, std::string_view typed, KeyModifiers held);

} // namespace zandiro::web
