#pragma once

#include "game/zandiro.h"

#include <cstdint>
#include <iterator>

namespace zandiro {

// A control by name and member index (-1 for a single control).
struct ControlRef {
    const char* name;
    int index;
};

// A click handler of the main window, given the index of the member clicked;
// the handlers of single controls take none.
using ClickHandler = void (*)(Zandiro& z, std::int16_t index);

template <void (Zandiro::*handler)()> void clickSingle(Zandiro& z, std::int16_t) {
    (z.*handler)();
}

template <void (Zandiro::*handler)(std::int16_t)> void clickMember(Zandiro& z, std::int16_t index) {
    (z.*handler)(index);
}

enum class Section { Upper, Lower };

// One category of the scorecard: the label that shows it, the handler its
// click reaches, and its section.
struct Category {
    ControlRef label;
    ClickHandler click;
    Section section;
};

// Every category, in scorecard order: Aces to Sixes, then 3 of a Kind to Chance.
inline constexpr Category scorecard[] = {
    {{"numbers", 1}, clickMember<&Zandiro::numbers_Click>, Section::Upper},
    {{"numbers", 2}, clickMember<&Zandiro::numbers_Click>, Section::Upper},
    {{"numbers", 3}, clickMember<&Zandiro::numbers_Click>, Section::Upper},
    {{"numbers", 4}, clickMember<&Zandiro::numbers_Click>, Section::Upper},
    {{"numbers", 5}, clickMember<&Zandiro::numbers_Click>, Section::Upper},
    {{"numbers", 6}, clickMember<&Zandiro::numbers_Click>, Section::Upper},
    {{"thrkind", -1}, clickSingle<&Zandiro::thrkind_Click>, Section::Lower},
    {{"frkind", -1}, clickSingle<&Zandiro::frkind_Click>, Section::Lower},
    {{"fullh", -1}, clickSingle<&Zandiro::fullh_Click>, Section::Lower},
    {{"sstr", -1}, clickSingle<&Zandiro::sstr_Click>, Section::Lower},
    {{"lstr", -1}, clickSingle<&Zandiro::lstr_Click>, Section::Lower},
    {{"fvkind", -1}, clickSingle<&Zandiro::fvkind_Click>, Section::Lower},
    {{"chance", -1}, clickSingle<&Zandiro::chance_Click>, Section::Lower},
};

inline constexpr int categoryCount = static_cast<int>(std::size(scorecard));

// The label of category 1 to categoryCount.
inline ControlRef categoryControl(int number) {
    return scorecard[number - 1].label;
}

} // namespace zandiro
