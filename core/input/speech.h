#pragma once

#include "game/zandiro.h"
#include "input/hearing.h"
#include "input/keyboard.h"

#include <string>

namespace zandiro {

// What a screen reader is told about the main window, from what it shows.
// Every text is made in speech.cpp from the whole phrases listed at its top.

// The face die d shows, counted from its lit pips; 0 while it shows none.
int shownFace(const Zandiro& z, int d);
// "Die 1: 4", or "Die 1: blank" while the die shows no pips.
std::string dieName(const Zandiro& z, int d);
// A die is checked while its hold marker shows.
bool dieChecked(const Zandiro& z, int d);
// "used" once the category is closed, empty before.
std::string categoryDescription(const Zandiro& z, int category);
// The result of the turn's last roll, "Rolled 4, 4, 2, 6, 1, 2 rolls left";
// empty before the turn's first roll.
std::string rollDescription(const Zandiro& z, const Module1& rules);

// What the player hears after an input, as the game stands now: the roll as the
// Roll button's description reads; "Die 3: 5, held" or "Die 3: 5, released";
// "Full House: 25, total 78" (the category's caption, blanks evened out, and
// the grand total). Empty when the input changed nothing.
std::string announcementText(const Zandiro& z, const Module1& rules, const Announcement& said);

} // namespace zandiro
