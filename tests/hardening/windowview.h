#pragma once

#include "form/form.h"

#include <array>
#include <string>
#include <string_view>

namespace zandiro::hardening {

// The main window as the player reads it: controls by name, the held dice
// and the die a press lands on.

const Control* find(const Form& form, std::string_view name, int index = -1);
bool showsNegative(const std::string& s);
// The die whose cell of the dice board holds the point, 0 for none.
int dieAt(double x, double y);
// Which dice show their hold marker, indices 1 to 5.
std::array<bool, 6> heldDice(const Form& form);

} // namespace zandiro::hardening
