#include "randomplayer.h"
#include "splitmix.h"

#include "input/virtualkeys.h"

#include <array>

namespace zandiro::hardening {
namespace {

// Coordinates on and beside the borders of the dice cells, the lanes between
// them, the window's edges and the edges of the buttons and hidden labels.
constexpr std::array<double, 28> borderX{0,   8,     32,    40.5, 41,  120, 245, 263, 264, 265,
                                         267, 280,   320.5, 323,  324, 325, 326, 327, 328, 329,
                                         331, 376.5, 377,   385,  387, 388, 389, 396};
constexpr std::array<double, 31> borderY{0,   7,   8,   9,   33,  44.5, 45,  67,  68,  69,  70,
                                         71,  72,  73,  131, 132, 133,  134, 135, 136, 137, 195,
                                         196, 197, 224, 256, 288, 321,  328, 345, 355};

// The keys of both codes, the digits of both keyboards and Q.
constexpr std::array<int, 34> interestingKeys{0x4B, 0xBA, 0xBF, 0x10, 0x2D, 0x23, 0x21, 0x08, 0x4D,
                                              0xBD, 0x71, 0x51, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35,
                                              0x36, 0x39, 0x60, 0x61, 0x62, 0x65, 0x69, 0x11, 0x12,
                                              0x14, 0x20, 0x2E, 0x22, 0x24, 0x70, 0x00};
constexpr std::array<int, 5> unlimitedCode{0x4B, 0xBA, 0xBF, 0x10, 0x2D};
constexpr std::array<int, 5> rollCountCode{0x21, 0x08, 0x4D, 0xBD, 0x71};

// The main window's keys, its digits out of range and a few it does not know.
constexpr std::array<std::int16_t, 24> mainKeys{
    vk::tab,         vk::tab,        vk::left,       vk::right,       vk::up,
    vk::down,        vk::space,      vk::enter,      vk::letterR,     vk::letterR,
    vk::letterQ,     vk::digit0,     vk::digit0 + 1, vk::digit0 + 2,  vk::digit0 + 3,
    vk::digit0 + 4,  vk::digit0 + 5, vk::digit0 + 6, vk::numpad0 + 1, vk::numpad0 + 3,
    vk::numpad0 + 5, vk::escape,     vk::f1,         vk::home};

double coordinate(Choices& c, double limit, const double* borders, std::size_t count,
                  double boardLow, double boardHigh) {
    const std::uint32_t how = c.below(10);
    const double half = c.below(4) == 0 ? 0.5 : 0.0;
    if (how < 4) {
        return borders[c.below(static_cast<std::uint32_t>(count))];
    }
    if (how < 7) {
        return boardLow + c.below(static_cast<std::uint32_t>(boardHigh - boardLow)) + half;
    }
    const double whole = c.below(static_cast<std::uint32_t>(limit) + 1);
    return whole < limit ? whole + half : whole;
}

double pickX(Choices& c) {
    return coordinate(c, 396, borderX.data(), borderX.size(), 264, 388);
}

double pickY(Choices& c) {
    return coordinate(c, 355, borderY.data(), borderY.size(), 8, 196);
}

} // namespace

std::uint64_t SeededChoices::next() {
    return splitmix(state_);
}

std::uint32_t SeededChoices::below(std::uint32_t n) {
    return static_cast<std::uint32_t>((next() >> 32) % n);
}

std::uint32_t ByteChoices::byte() {
    if (pos_ >= size_) {
        exhausted_ = true;
        return 0;
    }
    return data_[pos_++];
}

std::uint32_t ByteChoices::below(std::uint32_t n) {
    std::uint32_t value = byte();
    if (n > 256) {
        value = value << 8 | byte();
    }
    if (n > 65536) {
        value = value << 16 | byte() << 8 | byte();
    }
    return value % n;
}

std::uint32_t ByteChoices::drawPlan() {
    return byte() | (++plans_ * 0x9e3779b9u) << 8;
}

void RandomPlayer::next(const Program& program, Choices& choices, std::vector<Event>& out) {
    const bool codeShown = program.cheat.window.visible;
    if (program.openMessage() && choices.below(8) != 0) {
        out.push_back(messageClosed());
    } else if (choices.below(40) == 0) {
        // Now and then something for the window that is not shown.
        out.push_back(codeShown ? Event(activateAt(button(1)), choices.drawPlan())
                                : Event(keyDown(GameWindow::Code, vk::letterK)));
    } else if (codeShown) {
        onCodeWindow(program, choices, out);
    } else {
        onMainWindow(program, choices, out);
    }
}

// A press and its release with the same button, mostly at the same point.
void RandomPlayer::click(Choices& c, std::vector<Event>& out, double x, double y) {
    const auto button = static_cast<MouseButton>(c.below(3));
    out.push_back(pressAt(x, y, button));
    if (c.below(4) == 0) {
        out.push_back({releaseAt(pickX(c), pickY(c), button), c.drawPlan()});
    } else {
        out.push_back({releaseAt(x, y, button), c.drawPlan()});
    }
}

// A place, by an assistive technology's activation or a left click at its
// middle; now and then a place the window does not have.
void RandomPlayer::reach(const Zandiro& z, Choices& c, std::vector<Event>& out, FocusPlace place) {
    if (c.below(30) == 0) {
        place.number = c.below(2) == 0 ? 0 : place.number + 20;
    }
    if (c.below(2) == 0 || !isPlace(place)) {
        out.push_back({activateAt(place), c.drawPlan()});
        return;
    }
    const ControlRef ref = controlOf(place);
    const Control& target = z.form.get(ref.name, ref.index);
    const double x = target.left + target.width / 2.0;
    const double y = target.top + target.height / 2.0;
    out.push_back(pressAt(x, y));
    out.push_back({releaseAt(x, y), c.drawPlan()});
}

// A key of the main window, or one it does not know, now and then repeated
// as if held, or sent as a page sends it.
void RandomPlayer::mainWindowKey(Choices& c, std::vector<Event>& out) {
    std::int16_t key = mainKeys[c.below(static_cast<std::uint32_t>(mainKeys.size()))];
    const KeyModifiers modifiers{c.below(4) == 0, c.below(8) == 0, c.below(24) == 0, false};
    const std::optional<MainKey> meaning = mainKey(key, modifiers);
    if (meaning && meaning->key == GameKey::Quit && c.below(20) != 0) {
        key = vk::tab; // Ctrl+Q ends the run, so it comes seldom
    }
    const Input input = keyDown(GameWindow::Main, key, modifiers, c.below(4) == 0);
    out.push_back({c.below(4) == 0 ? tabLeaving(input) : input, c.drawPlan()});
}

void RandomPlayer::onMainWindow(const Program& program, Choices& c, std::vector<Event>& out) {
    const Zandiro& z = program.zandiro;
    if (c.below(5) == 0) {
        mainWindowKey(c, out);
        return;
    }
    const std::uint32_t r = c.below(100);
    if (z.filled == 13 && r < 15) {
        // Now and then the player has had enough.
        reach(z, c, out, button(c.below(12) == 0 ? 3 : 2));
    } else if (r < 35) {
        reach(z, c, out, button(1));
    } else if (r < 60) {
        reach(z, c, out, category(static_cast<int>(c.below(categoryCount)) + 1));
    } else if (r < 70) {
        // Any control, enabled or not, shown or not, and the reveal labels.
        const Control& any =
            z.form.at(static_cast<ControlId>(c.below(static_cast<std::uint32_t>(z.form.size()))));
        const double x = any.left + c.below(static_cast<std::uint32_t>(any.width) + 1);
        click(c, out, x, any.top + c.below(static_cast<std::uint32_t>(any.height) + 1));
    } else if (r < 78) {
        click(c, out, pickX(c), pickY(c));
    } else if (r < 84) {
        // Holds a few dice at once, all five now and then.
        const bool all = c.below(4) == 0;
        for (int d = 1; d <= 5; ++d) {
            if (all || c.below(2) == 0) {
                reach(z, c, out, die(d));
            }
        }
    } else if (r < 91) {
        const std::uint32_t lone = c.below(400);
        const auto button = static_cast<MouseButton>(c.below(3));
        if (lone == 0) {
            out.push_back(closeBoxOf(GameWindow::Main));
        } else if (lone < 150) {
            out.push_back(pressAt(pickX(c), pickY(c), button));
        } else if (lone < 300) {
            out.push_back({releaseAt(pickX(c), pickY(c), button), c.drawPlan()});
        } else {
            out.push_back(doubleClickAt(pickX(c), pickY(c)));
        }
    } else {
        // The toolkit's double-click: press, release, double-click, release.
        const auto button = static_cast<MouseButton>(c.below(3));
        const double x = pickX(c);
        const double y = pickY(c);
        out.push_back(pressAt(x, y, button));
        out.push_back({releaseAt(x, y, button), c.drawPlan()});
        out.push_back(doubleClickAt(x, y));
        out.push_back({releaseAt(x, y, button), c.drawPlan()});
    }
}

int RandomPlayer::key(Choices& c, std::vector<Event>& out, int code) {
    const KeyModifiers modifiers{c.below(4) == 0, c.below(8) == 0, false, false};
    out.push_back(keyDown(GameWindow::Code, static_cast<std::int16_t>(code), modifiers,
                          code == lastKey_ && c.below(2) == 0));
    lastKey_ = code;
    return code;
}

// A whole code, sometimes with a slip: a repeated key or a key of the other code.
void RandomPlayer::typeCode(Choices& c, std::vector<Event>& out) {
    const bool unlimited = c.below(3) == 0;
    const auto& keys = unlimited ? unlimitedCode : rollCountCode;
    const std::uint32_t slipAt = c.below(24);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (slipAt == i) {
            key(c, out, c.below(2) == 0 ? lastKey_ : interestingKeys[c.below(12)]);
        }
        key(c, out, keys[i]);
    }
    if (unlimited) {
        key(c, out, vk::end);
        return;
    }
    const std::uint32_t digit = c.below(8);
    key(c, out,
        digit < 6 ? vk::digit0 + 1 + static_cast<int>(digit % 5)
                  : interestingKeys[12 + c.below(13)]);
}

void RandomPlayer::onCodeWindow(const Program& program, Choices& c, std::vector<Event>& out) {
    const std::uint32_t r = c.below(100);
    if (r < 25) {
        typeCode(c, out);
    } else if (r < 45) {
        // The right key for the progress so far, whichever code it belongs to.
        const int steps = program.module1.cheatsteps;
        if (steps == 0) {
            key(c, out, c.below(2) == 0 ? unlimitedCode[0] : rollCountCode[0]);
        } else if (steps <= 4) {
            key(c, out, unlimitedCode[static_cast<std::size_t>(steps)]);
        } else if (steps == 5) {
            key(c, out, vk::end);
        } else if (steps <= 9) {
            key(c, out, rollCountCode[static_cast<std::size_t>(steps - 5)]);
        } else {
            key(c, out, vk::digit0 + static_cast<int>(c.below(10)));
        }
    } else if (r < 58) {
        key(c, out, lastKey_);
    } else if (r < 66) {
        key(c, out, vk::letterQ);
    } else if (r < 80) {
        key(c, out, static_cast<int>(c.below(65536)) - 32768);
    } else if (r < 96) {
        key(c, out, interestingKeys[c.below(static_cast<std::uint32_t>(interestingKeys.size()))]);
    } else {
        out.push_back(closeBoxOf(GameWindow::Code));
    }
}

} // namespace zandiro::hardening
