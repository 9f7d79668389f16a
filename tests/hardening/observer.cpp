#include "input/virtualkeys.h"
#include "game/board.h"
#include "game/scorecard.h"
#include "invariants.h"
#include "scoremodel.h"
#include "windowview.h"

#include <algorithm>
#include <limits>
#include <set>

namespace zandiro::hardening {
namespace {

// The two codes, as (progress, key, next progress): k ; / Shift Insert, then
// End; Page Up, Backspace, m, -, F2, then a digit from 1 to 5.
struct CodeStep {
    int from;
    int key;
    int to;
};
constexpr CodeStep codeSteps[] = {
    {0, vk::letterK, 1},  {1, vk::oem1, 2},  {2, vk::oem2, 3}, {3, vk::shift, 4},
    {4, vk::insert, 5},   {0, vk::prior, 6}, {6, vk::back, 7}, {7, vk::letterM, 8},
    {8, vk::oemMinus, 9}, {9, vk::f2, 10},
};

// Pip positions lit for faces 1 to 6 (pipOf numbers them).
const std::set<int> faces[] = {{3},          {0, 6},          {0, 3, 6},
                               {0, 1, 5, 6}, {0, 1, 3, 5, 6}, {0, 1, 2, 4, 5, 6}};

constexpr const char* revealUnlimited = "Code is: k, ;, /, Shift, Insert, End.";
constexpr const char* revealRollCount =
    "Code is: Page Up, Backspace, m, -, F2, a number from 1 to 5.";
constexpr const char* verdictFive =
    "5 points is such a terrible score that you must have been trying to get it. Good game!";

bool isCategory(std::string_view name) {
    for (const Category& category : scorecard) {
        if (name == category.label.name) {
            return true;
        }
    }
    return false;
}

std::string diceText(const std::array<std::int32_t, 6>& dice) {
    std::string s;
    for (int d = 1; d <= 5; ++d) {
        s += (d > 1 ? "," : "") + std::to_string(dice[d]);
    }
    return s;
}

} // namespace

KeyOutcome keyOutcome(int steps, int key, int unlimitedrolls, int rollsperturn) {
    KeyOutcome out{0, unlimitedrolls, rollsperturn, false};
    const auto step =
        std::find_if(std::begin(codeSteps), std::end(codeSteps),
                     [&](const CodeStep& s) { return s.from == steps && s.key == key; });
    if (step != std::end(codeSteps)) {
        out.steps = step->to;
    } else if (key == vk::end && steps == 5) {
        out.unlimitedrolls = 1;
        out.leaves = true;
    } else if (key >= vk::digit0 + 1 && key <= vk::digit0 + 5 && steps == 10) {
        out.rollsperturn = key - vk::digit0;
        out.leaves = true;
    } else if (key == vk::letterQ) {
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
    pressed_.reset();
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
    const Control* taker = takerAt(z.form, event.x, event.y);
    before_.pressTaker = taker ? std::optional<Target>({taker->name, taker->index}) : std::nullopt;
    before_.clicked = clickedBy(z, event);
    before_.clickedOpen = false;
    if (before_.clicked && isCategory(before_.clicked->name)) {
        before_.clickedOpen = !isUsed(*find(z.form, before_.clicked->name, before_.clicked->index));
    }
}

// A click on a control, or a left press and release on the same one (any
// button on a hold marker); it counts only on a visible, enabled control.
std::optional<Observer::Target> Observer::clickedBy(const Zandiro& z, const Event& event) const {
    const Control* c = nullptr;
    if (event.kind == EventKind::Click) {
        c = find(z.form, event.control, event.index);
    } else if (event.kind == EventKind::MouseUp && pressed_) {
        const Control* at = takerAt(z.form, event.x, event.y);
        const bool same = at != nullptr && Target{at->name, at->index} == *pressed_;
        c = same && (event.button == 0 || at->kind == ControlKind::Image) ? at : nullptr;
    }
    if (c == nullptr || !c->visible || !c->enabled) {
        return std::nullopt;
    }
    return Target{c->name, c->index};
}

bool Observer::clickedIs(std::string_view name) const {
    return before_.clicked && before_.clicked->name == name;
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
    const Zandiro& z = program.zandiro;
    const bool newWindow = z.window.generation != before_.generation;
    if (newWindow != clickedIs("restart")) {
        return newWindow ? "restart: the window was built anew without a click on Restart"
                         : "restart: a click on Restart did not begin a new game";
    }
    if (newWindow) {
        newGame();
    }
    if (auto fault = followEvent(platform, event)) {
        return fault;
    }
    if (!newWindow) {
        if (auto fault = followRoll(program)) {
            return fault;
        }
        if (auto fault = followScore(program)) {
            return fault;
        }
        const bool turnEnded = z.filled != before_.filled || z.rolls < before_.rolls;
        if (auto fault = turnEnded ? std::nullopt : followHolds(program, event)) {
            return fault;
        }
    }
    if (auto fault = checkMessages(program, platform)) {
        return fault;
    }
    return checkAll(program);
}

std::optional<std::string> Observer::followEvent(const PlayPlatform& platform, const Event& event) {
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
        pressed_.reset();
        followDoubleClick();
        break;
    case EventKind::MouseDown:
        followPress();
        break;
    case EventKind::MouseUp:
        pressed_.reset();
        break;
    default:
        break;
    }
    const bool exitClicked = clickedIs("exitgame");
    if (platform.ended != (exitClicked || event.kind == EventKind::MainClose)) {
        return platform.ended ? "exit: the program ended without Exit or the close box"
                              : "exit: a click on Exit did not end the program";
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

void Observer::followPress() {
    lastDownOnWindow_ = before_.pressOnWindow;
    pressed_ = before_.pressTaker;
}

// Within a turn, a press on the window toggles the hold of the die under it and
// a click on a hold marker toggles its own; nothing else changes the holds.
std::optional<std::string> Observer::followHolds(const Program& program, const Event& event) const {
    std::array<bool, 6> held = before_.held;
    const bool onWindow = (event.kind == EventKind::MouseDown && before_.pressOnWindow) ||
                          event.kind == EventKind::FormPress;
    const int pressed = onWindow ? dieAt(event.x, event.y) : 0;
    const int clicked = clickedIs("Hold") ? before_.clicked->index : 0;
    for (const int d : {pressed, clicked}) {
        if (d != 0) {
            held[d] = !held[d];
        }
    }
    if (heldDice(program.zandiro.form) != held) {
        return "hold: the event toggled the wrong holds";
    }
    return std::nullopt;
}

std::optional<std::string> Observer::followRoll(const Program& program) {
    const Zandiro& z = program.zandiro;
    const bool counted = z.rolls > before_.rolls;
    const bool pressClicked = clickedIs("press");
    if (pressClicked && !counted && before_.rolls != std::numeric_limits<std::int16_t>::max()) {
        return "roll: a click on Roll did not count a roll";
    }
    if (counted && !pressClicked) {
        return "roll: the dice rolled without a click on Roll";
    }
    if (!pressClicked) {
        return std::nullopt;
    }
    rollEnabled_ = !(z.rolls >= rollsperturn_ && unlimitedrolls_ == 0);
    return checkRoll(program);
}

// A click on an open category gives it exactly the score the dice shown make,
// closes it (Zandiro stays open while it scores) and ends the turn; nothing
// else scores.
std::optional<std::string> Observer::followScore(const Program& program) {
    const Zandiro& z = program.zandiro;
    const bool scored = z.filled != before_.filled || z.fvkindscore != before_.fvkindscore;
    if (!before_.clickedOpen || before_.rolls <= 0) {
        if (!scored) {
            return std::nullopt;
        }
        return before_.rolls <= 0 ? "turn-end: a category scored before the turn's first roll"
                                  : "score: a category scored without a click on an open one";
    }
    const Target& t = *before_.clicked;
    const ScoreOutcome want = scoreFor(t.name, t.index, before_.dice, before_.fvkindscore);
    const std::int64_t got = scoreOf(z, t.name, t.index);
    const bool closed = isUsed(*find(z.form, t.name, t.index));
    if (got != want.score || closed != want.closes ||
        z.filled != before_.filled + (want.closes ? 1 : 0)) {
        return "score: " + t.name + " holds " + std::to_string(got) +
               (closed ? " closed" : " open") + " for the dice " + diceText(before_.dice) +
               ", expected " + std::to_string(want.score) + (want.closes ? " closed" : " open");
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
            const Control* pip = find(z.form, "pip", pipOf(d, pos));
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
    // A platform may show a box once the event has returned, so an event asks
    // for one at most and changes nothing after asking.
    if (platform.messages.size() > 1) {
        return "message-box: " + std::to_string(platform.messages.size()) + " boxes in one event";
    }
    if (platform.atBox && *platform.atBox != std::pair(sight(program), program.keyboard.focus())) {
        return "message-box: the game changed after it asked for \"" + platform.messages.back() +
               "\"";
    }
    const Zandiro& z = program.zandiro;
    const bool gameOver = before_.filled == categoryCount - 1 && z.filled == categoryCount;
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
