#include "randomplayer.h"
#include "splitmix.h"

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
constexpr int endKey = 0x23;
constexpr std::array<int, 5> rollCountCode{0x21, 0x08, 0x4D, 0xBD, 0x71};

constexpr const char* categoryLabels[] = {"thrkind", "frkind", "fullh", "sstr",
                                          "lstr",    "fvkind", "chance"};

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
    if (program.cheat.window.visible) {
        onCodeWindow(program, choices, out);
    } else {
        onMainWindow(program, choices, out);
    }
}

void RandomPlayer::press(Choices& c, std::vector<Event>& out) {
    const int button = static_cast<int>(c.below(3));
    const double x = pickX(c);
    const double y = pickY(c);
    out.push_back(mouseDown(button, static_cast<int>(c.below(8)), x, y));
    if (c.below(4) == 0) {
        out.push_back(mouseUp(button, pickX(c), pickY(c), c.drawPlan()));
    } else {
        out.push_back(mouseUp(button, x, y, c.drawPlan()));
    }
}

void RandomPlayer::onMainWindow(const Program& program, Choices& c, std::vector<Event>& out) {
    const Zandiro& z = program.zandiro;
    if (c.below(6) == 0) {
        // A key on the main window: any of them, a digit now and then out of range.
        auto key = static_cast<GameKey>(c.below(10));
        if (key == GameKey::Quit && c.below(20) != 0) {
            key = GameKey::Tab; // Ctrl+Q ends the run, so it comes seldom
        }
        out.push_back(mainKey(key, static_cast<int>(c.below(7)), c.drawPlan()));
        return;
    }
    const std::uint32_t r = c.below(100);
    if (z.filled == 13 && r < 15) {
        // Now and then the player has had enough.
        out.push_back(click(c.below(12) == 0 ? "exitgame" : "restart"));
    } else if (r < 35) {
        out.push_back(click("press", -1, c.drawPlan()));
    } else if (r < 50) {
        out.push_back(click("numbers", static_cast<int>(c.below(6)) + 1));
    } else if (r < 60) {
        out.push_back(click(categoryLabels[c.below(7)]));
    } else if (r < 68) {
        const Control& any =
            z.form.at(static_cast<ControlId>(c.below(static_cast<std::uint32_t>(z.form.size()))));
        out.push_back(click(any.name, any.index, c.drawPlan()));
    } else if (r < 70) {
        out.push_back(click(c.below(2) == 0 ? "Label1" : "Label2"));
    } else if (r < 78) {
        press(c, out);
    } else if (r < 84) {
        // Holds a few dice at once, all five now and then.
        const bool all = c.below(4) == 0;
        for (int d = 1; d <= 5; ++d) {
            if (all || c.below(2) == 0) {
                const double x = d % 2 == 1 ? 294 : 358;
                const double y = 38 + 64 * ((d - 1) / 2);
                out.push_back(mouseDown(0, 0, x, y));
                out.push_back(mouseUp(0, x, y));
            }
        }
    } else if (r < 91) {
        const std::uint32_t lone = c.below(400);
        const int button = static_cast<int>(c.below(3));
        if (lone == 0) {
            out.push_back(closeMain());
        } else if (lone < 150) {
            out.push_back(mouseDown(button, static_cast<int>(c.below(8)), pickX(c), pickY(c)));
        } else if (lone < 300) {
            out.push_back(mouseUp(button, pickX(c), pickY(c), c.drawPlan()));
        } else {
            out.push_back(dblClick(pickX(c), pickY(c)));
        }
    } else {
        // The toolkit's double-click: down, up (with its click), double-click, up.
        const int button = static_cast<int>(c.below(3));
        const double x = pickX(c);
        const double y = pickY(c);
        out.push_back(mouseDown(button, 0, x, y));
        out.push_back(mouseUp(button, x, y, c.drawPlan()));
        out.push_back(dblClick(x, y));
        out.push_back(mouseUp(button, x, y, c.drawPlan()));
    }
}

int RandomPlayer::key(Choices& c, std::vector<Event>& out, int code) {
    out.push_back(keyDown(code, static_cast<int>(c.below(8))));
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
        key(c, out, endKey);
        return;
    }
    const std::uint32_t digit = c.below(8);
    key(c, out, digit < 6 ? 0x31 + static_cast<int>(digit % 5) : interestingKeys[12 + c.below(13)]);
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
            key(c, out, endKey);
        } else if (steps <= 9) {
            key(c, out, rollCountCode[static_cast<std::size_t>(steps - 5)]);
        } else {
            key(c, out, 0x30 + static_cast<int>(c.below(10)));
        }
    } else if (r < 58) {
        key(c, out, lastKey_);
    } else if (r < 66) {
        key(c, out, 0x51);
    } else if (r < 80) {
        key(c, out, static_cast<int>(c.below(65536)) - 32768);
    } else if (r < 96) {
        key(c, out, interestingKeys[c.below(static_cast<std::uint32_t>(interestingKeys.size()))]);
    } else {
        out.push_back(closeCode());
    }
}

} // namespace zandiro::hardening
