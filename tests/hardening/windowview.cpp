#include "windowview.h"

#include "game/board.h"

#include <stdexcept>

namespace zandiro::hardening {

std::string text(std::int64_t n) {
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

const Control* find(const Form& form, std::string_view name, int index) {
    try {
        return &form.at(form.find(name, index));
    } catch (const std::out_of_range&) {
        return nullptr;
    }
}

bool isUsed(const Control& c) {
    return c.foreground == usedColour;
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

// Labels, buttons and images take their own presses; shapes pass them on.
// Buttons lie above everything drawn; among themselves, and among the rest,
// the front-most in drawing order takes it.
const Control* takerAt(const Form& form, double x, double y) {
    const std::vector<ControlId>& order = form.drawingOrder();
    for (const bool buttons : {true, false}) {
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            const Control& c = form.at(*it);
            const bool kind = buttons
                                  ? c.kind == ControlKind::PushButton
                                  : c.kind == ControlKind::Label || c.kind == ControlKind::Image;
            if (kind && c.visible && x >= c.left && x < c.left + c.width && y >= c.top &&
                y < c.top + c.height) {
                return &c;
            }
        }
    }
    return nullptr;
}

bool pressReachesWindow(const Form& form, double x, double y) {
    return takerAt(form, x, y) == nullptr;
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
