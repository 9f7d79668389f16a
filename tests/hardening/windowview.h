#pragma once

#include "form/form.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zandiro::hardening {

// The main window as the player reads it: controls by name, the used colour,
// the held dice and where a press lands.

// A number as the game writes it: a blank or a minus sign before the digits.
std::string text(std::int64_t n);

const Control* find(const Form& form, std::string_view name, int index = -1);
bool isUsed(const Control& c);
bool showsNegative(const std::string& s);
// The die whose cell of the dice board holds the point, 0 for none.
int dieAt(double x, double y);
// The control that takes a press at the point: a visible push button, else
// the front-most visible label or image; nullptr where the press reaches the
// window.
const Control* takerAt(const Form& form, double x, double y);
// Whether a press at the point reaches the window rather than a control.
bool pressReachesWindow(const Form& form, double x, double y);
// Which dice show their hold marker, indices 1 to 5.
std::array<bool, 6> heldDice(const Form& form);

} // namespace zandiro::hardening
