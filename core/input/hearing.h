#pragma once

#include "game/board.h"
#include "game/scorecard.h"
#include "game/zandiro.h"
#include "input/keyboard.h"

#include <array>
#include <string>

namespace zandiro {

// What the player hears after an input: the roll, a die held or released, a
// category scored. It is found from what the input changed, whatever made the
// change (a key, a click, a tap, an assistive technology), and its text is
// made from the game as it stands (speech.h), so that it is ready while the
// verdict of the game's last category is still open.
struct Announcement {
    enum class Kind { None, Roll, Hold, Score };
    Kind kind = Kind::None;
    int number = 0;  // Hold: the die; Score: the category
    FocusPlace from; // the place that had the focus as the input came
    int serial = 0;  // counts the inputs that announced, so that each is said once
};

// What an input may change that a listening player is told of.
struct Hearable {
    int generation = 0;
    int rolls = 0;
    decltype(Zandiro::dice) dice{};
    std::array<bool, diceCount + 1> held{};
    std::array<std::string, categoryCount + 1> captions;
    std::array<bool, categoryCount + 1> used{};
    FocusPlace focus;
};

Hearable hearable(const Zandiro& z, FocusPlace focus);

// What changed from `before` to the game as it stands, as an announcement
// numbered `serial`: a score first (it ends the turn, which releases the
// dice), then a roll, then a die held or released. A die the focus is on
// says its own state, so its hold is not announced again. Kind None when
// nothing a player is told of changed.
Announcement heard(const Hearable& before, const Zandiro& z, int serial);

} // namespace zandiro
