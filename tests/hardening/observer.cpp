#include "codewindow/virtualkeys.h"
#include "invariants.h"
#include "windowview.h"

#include <algorithm>
#include <limits>
#include <set>

namespace zandiro::hardening {
namespace {

// The two codes, as (progress, Windows key code, next progress).
struct CodeStep {
    int from;
    int key;
    int to;
};
constexpr CodeStep codeSteps[] = {
    {0, 0x4B, 1}, {1, 0xBA, 2}, {2, 0xBF, 3}, {3, 0x10, 4}, {4, 0x2D, 5},
    {0, 0x21, 6}, {6, 0x08, 7}, {7, 0x4D, 8}, {8, 0xBD, 9}, {9, 0x71, 10},
};
constexpr int keyEnd = 0x23;
constexpr int keyQ = 0x51;

// Pip positions lit for faces 1 to 6; position p of die d is pip 7d - p.
const std::set<int> faces[] = {{3},          {0, 6},          {0, 3, 6},
                               {0, 1, 5, 6}, {0, 1, 3, 5, 6}, {0, 1, 2, 4, 5, 6}};

constexpr const char* revealUnlimited = "Code is: k, ;, /, Shift, Insert, End.";
constexpr const char* revealRollCount =
    "Code is: Page Up, Backspace, m, -, F2, a number from 1 to 5.";
constexpr const char* verdictFive =
    "5 points is such a terrible score that you must have been trying to get it. Good game!";

bool fiveOfAKind(const std::array<std::int32_t, 6>& d) {
    return d[1] >= 1 && d[1] <= 6 && d[1] == d[2] && d[2] == d[3] && d[3] == d[4] && d[4] == d[5];
}

} // namespace

KeyOutcome keyOutcome(int steps, int key, int unlimitedrolls, int rollsperturn) {
    KeyOutcome out{0, unlimitedrolls, rollsperturn, false};
    const auto step =
        std::find_if(std::begin(codeSteps), std::end(codeSteps),
                     [&](const CodeStep& s) { return s.from == steps && s.key == key; });
    if (step != std::end(codeSteps)) {
        out.steps = step->to;
    } else if (key == keyEnd && steps == 5) {
        out.unlimitedrolls = 1;
        out.leaves = true;
    } else if (key > 48 && key < 54 && steps == 10) {
        out.rollsperturn = key - 48;
        out.leaves = true;
    } else if (key == keyQ) {
        out.steps = steps;
        out.leaves = true;
    }
    return out;
}

std::string progressTitle(int steps) {
    return text(steps > 5 ? steps - 5 : steps) + " steps are done.";
}

Observer::Observer(const Program& program) {
    newGame();
    codeLoaded_ = program.cheat.window.loaded;
    codeVisible_ = program.cheat.window.visible;
}

void Observer::newGame() {
    turnEnded_ = false;
    rollEnabled_ = true;
    steps_ = 0;
    unlimitedrolls_ = 0;
    rollsperturn_ = 3;
    lastDownOnWindow_ = false;
}

void Observer::before(const Program& program, const Event& event) {
    const Zandiro& z = program.zandiro;
    before_.generation = z.window.generation;
    before_.rolls = z.rolls;
    before_.filled = z.filled;
    before_.fvkindscore = z.fvkindscore;
    before_.dice = z.dice;
    before_.held = heldDice(z.form);
    const Control* press = find(z.form, "press");
    before_.rollClickable =
        z.window.visible && press != nullptr && press->visible && press->enabled;
    before_.pressOnWindow = pressReachesWindow(z.form, event.x, event.y);
}

void Observer::followKey(int key) {
    typedSinceLoad_ = true;
    const KeyOutcome outcome = keyOutcome(steps_, key, unlimitedrolls_, rollsperturn_);
    steps_ = outcome.steps;
    unlimitedrolls_ = outcome.unlimitedrolls;
    rollsperturn_ = outcome.rollsperturn;
    if (outcome.leaves) {
        codeVisible_ = false;
    }
    stepsShown_ = steps_;
}

std::optional<std::string> Observer::after(const Program& program, const PlayPlatform& platform,
                                           const Event& event) {
    const bool newWindow = program.zandiro.window.generation != before_.generation;
    if (newWindow) {
        newGame();
    }
    if (auto fault = followEvent(program, platform, event)) {
        return fault;
    }
    if (!newWindow) {
        if (auto fault = followRoll(program, event)) {
            return fault;
        }
        if (auto fault = followScore(program)) {
            return fault;
        }
    }
    if (auto fault = checkMessages(program, platform)) {
        return fault;
    }
    return checkAll(program);
}

std::optional<std::string> Observer::followEvent(const Program& program,
                                                 const PlayPlatform& platform, const Event& event) {
    switch (event.kind) {
    case EventKind::KeyDown:
        followKey(static_cast<std::int16_t>(event.key));
        break;
    case EventKind::CodeClose:
        // The close box is the Q key: it leaves and shows the progress.
        followKey(vk::letterQ);
        break;
    case EventKind::MainClose:
        if (!platform.ended) {
            return "main-close: the close box did not end the program";
        }
        break;
    case EventKind::DblClick:
        followDoubleClick();
        break;
    case EventKind::MouseDown:
        return followPress(program, event);
    default:
        break;
    }
    const bool closeBox =
        event.kind == EventKind::MainClose ||
        (event.kind == EventKind::MainKey && static_cast<GameKey>(event.key) == GameKey::Quit);
    if (platform.ended && !closeBox && before_.filled != 13) {
        return "exit: the program ended during a game";
    }
    return std::nullopt;
}

// Only a double-click whose first press reached the window opens the code
// window; the first time, it loads it.
void Observer::followDoubleClick() {
    if (!lastDownOnWindow_) {
        return;
    }
    if (!codeLoaded_) {
        codeLoaded_ = true;
        typedSinceLoad_ = false;
        steps_ = 0;
    }
    codeVisible_ = true;
}

// A press that reaches the window toggles the hold of the die under it, if any.
std::optional<std::string> Observer::followPress(const Program& program, const Event& event) {
    lastDownOnWindow_ = before_.pressOnWindow;
    std::array<bool, 6> held = before_.held;
    const int d = lastDownOnWindow_ ? dieAt(event.x, event.y) : 0;
    if (d != 0) {
        held[d] = !held[d];
    }
    if (heldDice(program.zandiro.form) != held) {
        return "hold: a press toggled the wrong holds";
    }
    return std::nullopt;
}

std::optional<std::string> Observer::followRoll(const Program& program, const Event& event) {
    const Zandiro& z = program.zandiro;
    const bool counted = z.rolls > before_.rolls;
    const bool pressClicked =
        event.kind == EventKind::Click && event.control == "press" && before_.rollClickable;
    if (pressClicked && !counted && before_.rolls != std::numeric_limits<std::int16_t>::max()) {
        return "roll: a click on Roll did not count a roll";
    }
    if (!counted && !pressClicked) {
        return std::nullopt;
    }
    rollEnabled_ = !(z.rolls >= rollsperturn_ && unlimitedrolls_ == 0);
    return checkRoll(program);
}

std::optional<std::string> Observer::followScore(const Program& program) {
    const Zandiro& z = program.zandiro;
    const bool zandiroScored = z.fvkindscore != before_.fvkindscore;
    if (z.filled == before_.filled && !zandiroScored) {
        return std::nullopt;
    }
    if (before_.rolls <= 0) {
        return "turn-end: a category scored before the turn's first roll";
    }
    if (zandiroScored && !fiveOfAKind(before_.dice)) {
        return "zandiro: scored without five of a kind of a face 1 to 6";
    }
    if (z.filled != before_.filled && z.filled != before_.filled + 1) {
        return "filled: one click closed more than one category";
    }
    turnEnded_ = true;
    rollEnabled_ = true;
    return checkTurnEnd(program);
}

std::optional<std::string> Observer::checkRoll(const Program& program) const {
    const Zandiro& z = program.zandiro;
    if (heldDice(z.form) != before_.held) {
        return "roll: a roll changed the holds";
    }
    for (int d = 1; d <= 5; ++d) {
        if (before_.held[d] && z.dice[d] != before_.dice[d]) {
            return "roll: held die " + std::to_string(d) + " changed";
        }
        if (!before_.held[d] && (z.dice[d] < 1 || z.dice[d] > 6)) {
            return "roll: die " + std::to_string(d) + " rolled " + std::to_string(z.dice[d]);
        }
        const int value = z.dice[d];
        for (int pos = 0; pos <= 6; ++pos) {
            const Control* pip = find(z.form, "pip", 7 * d - pos);
            const bool lit = value >= 1 && value <= 6 && faces[value - 1].count(pos) == 1;
            if (pip == nullptr || pip->visible != lit) {
                return "roll: die " + std::to_string(d) + " does not show its face " +
                       std::to_string(value);
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> Observer::checkTurnEnd(const Program& program) const {
    const Zandiro& z = program.zandiro;
    if (z.rolls != 0) {
        return "turn-end: rolls is " + std::to_string(z.rolls) + " after a turn ended";
    }
    for (int d = 1; d <= 5; ++d) {
        if (heldDice(z.form)[d]) {
            return "turn-end: die " + std::to_string(d) + " still held";
        }
    }
    return std::nullopt;
}

std::optional<std::string> Observer::checkMessages(const Program& program,
                                                   const PlayPlatform& platform) const {
    const Zandiro& z = program.zandiro;
    const bool gameOver = before_.filled == 12 && z.filled == 13;
    if (gameOver) {
        const std::size_t expected = z.grandtotal >= 5 ? 1 : 0;
        if (platform.messages.size() != expected) {
            return "verdict: " + std::to_string(platform.messages.size()) +
                   " message boxes for a total of " + std::to_string(z.grandtotal);
        }
        if (expected == 1) {
            const std::string& m = platform.messages.front();
            const bool fits = z.grandtotal == 5
                                  ? m == verdictFive
                                  : m.find(" " + text(z.grandtotal) + " ") != std::string::npos;
            if (!fits || showsNegative(m)) {
                return "verdict: \"" + m + "\" for a total of " + std::to_string(z.grandtotal);
            }
        }
        return std::nullopt;
    }
    for (const std::string& m : platform.messages) {
        if (m != revealUnlimited && m != revealRollCount) {
            return "message: unexpected \"" + m + "\"";
        }
    }
    return std::nullopt;
}

} // namespace zandiro::hardening
