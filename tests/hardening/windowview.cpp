#include "windowview.h"

#include "game/board.h"

#include <stdexcept>

namespace zandiro::hardening {

const Control* find(const Form& form, std::string_view name, int index) {
    try {
        return &form.at(form.find(name, index));
    } catch (const std::out_of_range&) {
        return nullptr;
    }
}

bool showsNegative(const std::string& s) {
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == '-' && s[i + 1] >= '0' && s[i + 1] <= '9') {
            return true;
        }
    }
    return false;
}

// A press strictly inside a cell of the board reaches its die.
int dieAt(double x, double y) {
    for (int d = 1; d <= diceCount; ++d) {
        const Box cell = cellOf(slotOf(d).row, slotOf(d).column);
        if (x > cell.left && x < cell.left + cell.width && y > cell.top &&
            y < cell.top + cell.height) {
            return d;
        }
    }
    return 0;
}

std::array<bool, 6> heldDice(const Form& form) {
    std::array<bool, 6> held{};
    for (int d = 1; d <= 5; ++d) {
        const Control* marker = find(form, "Hold", d);
        held[d] = marker != nullptr && marker->visible;
    }
    return held;
}

} // namespace zandiro::hardening
