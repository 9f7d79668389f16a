#pragma once

namespace zandiro {

// The application's name: a message box's title, for a front end that draws
// the box itself. It is the same in every language.
inline constexpr const char* applicationName = "Zandiro";

// Texts that a desktop toolkit supplies for its own windows and boxes, in the
// player's language, for a front end that draws those itself: the message
// box's one button, the name of a window's close box, and what is left on
// screen once the program has ended where it cannot close its window.
const char* okButtonText();
const char* closeBoxName();
const char* endedText();

} // namespace zandiro
