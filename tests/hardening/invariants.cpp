#include "invariants.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>

namespace zandiro::hardening {
namespace {

constexpr Rgb used{0, 0, 255};

// The thirteen categories as (label, member index).
struct Category {
    const char* name;
    int index;
};
constexpr Category categories[] = {
    {"numbers", 1}, {"numbers", 2},  {"numbers", 3}, {"numbers", 4}, {"numbers", 5},
    {"numbers", 6}, {"thrkind", -1}, {"frkind", -1}, {"fullh", -1},  {"sstr", -1},
    {"lstr", -1},   {"fvkind", -1},  {"chance", -1},
};

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

constexpr const char* upperPrefixes[] = {"Aces:", "Twos:", "Threes:", "Fours:", "Fives:", "Sixes:"};
constexpr const char* revealUnlimited = "Code is: k, ;, /, Shift, Insert, End.";
constexpr const char* revealRollCount =
    "Code is: Page Up, Backspace, m, -, F2, a number from 1 to 5.";
constexpr const char* verdictFive =
    "5 points is such a terrible score that you must have been trying to get it. Good game!";

std::string text(std::int64_t n) {
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

// The layout puts every control at the same place in every new window, so the
// place where a control was found last is tried first.
const Control* find(const Form& form, std::string_view name, int index = -1) {
    struct Place {
        const char* name = nullptr;
        int index = 0;
        ControlId id = 0;
    };
    thread_local std::array<Place, 256> places{};
    const auto hash =
        reinterpret_cast<std::uintptr_t>(name.data()) / 8 + 7u * static_cast<unsigned>(index + 1);
    Place& place = places[hash % places.size()];
    if (place.name == name.data() && place.index == index && place.id < form.size()) {
        const Control& c = form.at(place.id);
        if (c.index == index && c.name == name) {
            return &c;
        }
    }
    for (ControlId id = 0; id < form.size(); ++id) {
        const Control& c = form.at(id);
        if (c.name == name && c.index == index) {
            place = Place{name.data(), index, id};
            return &c;
        }
    }
    return nullptr;
}

bool isUsed(const Control& c) {
    return c.foreground == used;
}

bool showsNegative(const std::string& s) {
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == '-' && s[i + 1] >= '0' && s[i + 1] <= '9') {
            return true;
        }
    }
    return false;
}

// One axis of the dice board: the open intervals of the cells.
int cell(double v, double first, int cells) {
    for (int n = 0; n < cells; ++n) {
        if (v > first + 64 * n && v < first + 64 * n + 60) {
            return n + 1;
        }
    }
    return 0;
}

// The die whose cell holds the point, 0 for none.
int dieAt(double x, double y) {
    const int column = cell(x, 264, 2);
    const int row = cell(y, 8, 3);
    if (column == 0 || row == 0 || (row == 3 && column == 2)) {
        return 0;
    }
    return 2 * row + column - 2;
}

// Labels, buttons and images take their own presses; shapes pass them on.
bool pressReachesWindow(const Form& form, double x, double y) {
    for (const Control& c : form.controls()) {
        const bool takesPress = c.kind == ControlKind::Label || c.kind == ControlKind::PushButton ||
                                c.kind == ControlKind::Image;
        if (takesPress && c.visible && x >= c.left && x < c.left + c.width && y >= c.top &&
            y < c.top + c.height) {
            return false;
        }
    }
    return true;
}

std::array<bool, 6> heldDice(const Form& form) {
    std::array<bool, 6> held{};
    for (int d = 1; d <= 5; ++d) {
        const Control* marker = find(form, "Hold", d);
        held[d] = marker != nullptr && marker->visible;
    }
    return held;
}

std::string expectedCaption(const Zandiro& z, const Category& cat, const Control& label) {
    const std::string_view name = cat.name;
    if (name == "numbers") {
        return upperPrefixes[cat.index - 1] + text(z.upper[cat.index]);
    }
    if (name == "thrkind") {
        return z.thrkindscore == 0 ? "3 of a Kind: 0 " : "3 of a kind: " + text(z.thrkindscore);
    }
    if (name == "frkind") {
        return z.frkindscore == 0 ? "4 of a Kind: 0" : "4 of a kind: " + text(z.frkindscore);
    }
    if (name == "fullh") {
        return z.fullhscore == 25 ? "Full House: 25" : "Full House: 0";
    }
    if (name == "sstr") {
        return z.sstrscore == 30 ? "Small Straight: 30" : "Small Straight: 0";
    }
    if (name == "lstr") {
        return z.lstrscore == 40 ? "Large Straight: 40" : "Large Straight: 0";
    }
    if (name == "fvkind") {
        return z.fvkindscore == 0 ? "Zandiro: 0" : "Zandiro: " + text(z.fvkindscore);
    }
    return isUsed(label) ? "Chance: " + text(z.chancescore) : "Chance: 0";
}

// The score a category may hold, and 0 while it is open (Zandiro scores open).
bool scoreFits(const Zandiro& z, const Category& cat, bool isOpen) {
    const std::string_view name = cat.name;
    std::int64_t score = 0;
    bool fits = true;
    if (name == "numbers") {
        const int k = cat.index;
        score = z.upper[k];
        fits = score % k == 0 && score <= 5 * k;
    } else if (name == "thrkind" || name == "frkind" || name == "chance") {
        score =
            name == "thrkind" ? z.thrkindscore : (name == "frkind" ? z.frkindscore : z.chancescore);
        fits = score <= 30;
    } else if (name == "fullh") {
        score = z.fullhscore;
        fits = score == 0 || score == 25;
    } else if (name == "sstr") {
        score = z.sstrscore;
        fits = score == 0 || score == 30;
    } else if (name == "lstr") {
        score = z.lstrscore;
        fits = score == 0 || score == 40;
    } else {
        return z.fvkindscore >= 0 &&
               (z.fvkindscore == 0 || z.fvkindscore % 100 == 50 ||
                z.fvkindscore > std::numeric_limits<std::int32_t>::max() - 200);
    }
    return fits && score >= 0 && (!isOpen || score == 0);
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
    generation_ = program.zandiro.window.generation;
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
        leaveCodeWindow();
    }
    stepsShown_ = steps_;
}

void Observer::leaveCodeWindow() {
    codeVisible_ = false;
}

std::optional<std::string> Observer::after(const Program& program, const PlayPlatform& platform,
                                           const Event& event) {
    const Zandiro& z = program.zandiro;
    const bool newWindow = z.window.generation != before_.generation;
    if (newWindow) {
        generation_ = z.window.generation;
        newGame();
    }
    switch (event.kind) {
    case EventKind::KeyDown:
        followKey(static_cast<std::int16_t>(event.key));
        break;
    case EventKind::CodeClose:
        leaveCodeWindow();
        break;
    case EventKind::MainClose:
        if (!platform.ended) {
            return "main-close: the close box did not end the program";
        }
        break;
    case EventKind::DblClick:
        if (lastDownOnWindow_) {
            if (!codeLoaded_) {
                codeLoaded_ = true;
                typedSinceLoad_ = false;
                steps_ = 0;
            }
            codeVisible_ = true;
        }
        break;
    case EventKind::MouseDown: {
        lastDownOnWindow_ = before_.pressOnWindow;
        std::array<bool, 6> held = before_.held;
        const int d = lastDownOnWindow_ ? dieAt(event.x, event.y) : 0;
        if (d != 0) {
            held[d] = !held[d];
        }
        if (heldDice(z.form) != held) {
            return "hold: a press toggled the wrong holds";
        }
        break;
    }
    default:
        break;
    }
    if (platform.ended && event.kind != EventKind::MainClose && before_.filled != 13) {
        return "exit: the program ended during a game";
    }

    const bool sameGame = !newWindow;
    const bool counted = z.rolls > before_.rolls;
    const bool pressClicked =
        event.kind == EventKind::Click && event.control == "press" && before_.rollClickable;
    if (sameGame && pressClicked && !counted &&
        before_.rolls != std::numeric_limits<std::int16_t>::max()) {
        return "roll: a click on Roll did not count a roll";
    }
    if (sameGame && (counted || pressClicked)) {
        rollEnabled_ = !(z.rolls >= rollsperturn_ && unlimitedrolls_ == 0);
        if (auto fault = checkRoll(program)) {
            return fault;
        }
    }
    const bool scored = z.filled != before_.filled || z.fvkindscore != before_.fvkindscore;
    if (sameGame && scored) {
        if (before_.rolls <= 0) {
            return "turn-end: a category scored before the turn's first roll";
        }
        if (z.fvkindscore != before_.fvkindscore) {
            const auto& d = before_.dice;
            const bool fiveOfAKind = d[1] >= 1 && d[1] <= 6 && d[1] == d[2] && d[2] == d[3] &&
                                     d[3] == d[4] && d[4] == d[5];
            if (!fiveOfAKind) {
                return "zandiro: scored without five of a kind of a face 1 to 6";
            }
        }
        turnEnded_ = true;
        rollEnabled_ = true;
        if (z.filled != before_.filled && z.filled != before_.filled + 1) {
            return "filled: one click closed more than one category";
        }
        if (auto fault = checkTurnEnd(program)) {
            return fault;
        }
    }
    if (auto fault = checkMessages(program, platform)) {
        return fault;
    }
    return checkAll(program);
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

std::optional<std::string> Observer::checkAll(const Program& program) const {
    if (auto fault = check(program)) {
        return fault;
    }
    return checkModel(program);
}

std::optional<std::string> Observer::check(const Program& program) const {
    const Zandiro& z = program.zandiro;
    const Form& form = z.form;
    if (z.window.visible == program.cheat.window.visible) {
        return "windows: main shown " + std::to_string(z.window.visible) + ", code window shown " +
               std::to_string(program.cheat.window.visible);
    }
    for (int d = 1; d <= 5; ++d) {
        if (z.dice[d] < 0 || z.dice[d] > 6) {
            return "dice: die " + std::to_string(d) + " holds " + std::to_string(z.dice[d]);
        }
    }
    if (z.rolls < 0) {
        return "rolls: " + std::to_string(z.rolls);
    }
    int usedCount = 0;
    for (const Category& cat : categories) {
        const Control* label = find(form, cat.name, cat.index);
        if (label == nullptr) {
            return std::string("layout: no label ") + cat.name;
        }
        usedCount += isUsed(*label) ? 1 : 0;
        if (label->enabled != (z.rolls > 0)) {
            return std::string("scoring: ") + cat.name + " enabled " +
                   std::to_string(label->enabled) + " with rolls " + std::to_string(z.rolls);
        }
        if (!scoreFits(z, cat, !isUsed(*label))) {
            return std::string("score: ") + cat.name + " holds an impossible score";
        }
        if (label->caption != expectedCaption(z, cat, *label)) {
            return std::string("caption: ") + cat.name + " reads \"" + label->caption + "\"";
        }
    }
    if (z.filled < 0 || z.filled > 13 || z.filled != usedCount) {
        return "filled: " + std::to_string(z.filled) + " with " + std::to_string(usedCount) +
               " used labels";
    }
    std::int64_t upperSum = 0;
    for (int f = 1; f <= 6; ++f) {
        upperSum += z.upper[f];
    }
    const std::int64_t upperWithBonus = upperSum > 62 ? upperSum + 35 : upperSum;
    const std::int64_t lowerSum = std::int64_t{z.thrkindscore} + z.frkindscore + z.fullhscore +
                                  z.sstrscore + z.lstrscore + z.fvkindscore + z.chancescore;
    if (z.uppertotal != upperWithBonus ||
        z.lowertotal !=
            std::min<std::int64_t>(lowerSum, std::numeric_limits<std::int32_t>::max())) {
        return "totals: " + std::to_string(z.uppertotal) + " and " + std::to_string(z.lowertotal) +
               " do not add up the scores";
    }
    for (const Control& c : form.controls()) {
        if (showsNegative(c.caption)) {
            return "caption: " + c.name + " shows \"" + c.caption + "\"";
        }
    }
    const Control* press = find(form, "press");
    const Control* restart = find(form, "restart");
    const Control* exitgame = find(form, "exitgame");
    if (press == nullptr || restart == nullptr || exitgame == nullptr) {
        return "layout: a button is missing";
    }
    const bool over = z.filled == 13;
    if (restart->visible != over || exitgame->visible != over || press->visible == over) {
        return "game-over: buttons do not match filled " + std::to_string(z.filled);
    }
    if (program.module1.cheatsteps < 0 || program.module1.cheatsteps > 10) {
        return "code: cheatsteps " + std::to_string(program.module1.cheatsteps);
    }
    return std::nullopt;
}

std::optional<std::string> Observer::checkModel(const Program& program) const {
    const Zandiro& z = program.zandiro;
    const Module1& m = program.module1;
    if (m.cheatsteps != steps_ || m.unlimitedrolls != unlimitedrolls_ ||
        m.rollsperturn != rollsperturn_) {
        return "code: progress " + std::to_string(m.cheatsteps) + ", unlimited " +
               std::to_string(m.unlimitedrolls) + ", rolls per turn " +
               std::to_string(m.rollsperturn) + "; expected " + std::to_string(steps_) + ", " +
               std::to_string(unlimitedrolls_) + ", " + std::to_string(rollsperturn_);
    }
    const WindowFrame& code = program.cheat.window;
    if (code.loaded != codeLoaded_ || code.visible != codeVisible_) {
        return "code: window loaded " + std::to_string(code.loaded) + " shown " +
               std::to_string(code.visible);
    }
    if (codeLoaded_) {
        const std::string title =
            typedSinceLoad_ ? progressTitle(stepsShown_) : std::string("0 steps are done.");
        if (code.title != title) {
            return "code: title \"" + code.title + "\", expected \"" + title + "\"";
        }
    }
    const Control* press = find(z.form, "press");
    if (press->enabled != rollEnabled_) {
        return "roll-button: Roll enabled " + std::to_string(press->enabled) + " after " +
               std::to_string(z.rolls) + " rolls";
    }
    const std::string captions[3] = {find(z.form, "totu")->caption, find(z.form, "totl")->caption,
                                     find(z.form, "tott")->caption};
    const std::int64_t grand = std::min<std::int64_t>(std::int64_t{z.uppertotal} + z.lowertotal,
                                                      std::numeric_limits<std::int16_t>::max());
    if (turnEnded_) {
        if (z.grandtotal != grand) {
            return "totals: grand total " + std::to_string(z.grandtotal) + ", expected " +
                   std::to_string(grand);
        }
        if (captions[0] != "Total: " + text(z.uppertotal) ||
            captions[1] != "Total: " + text(z.lowertotal) ||
            captions[2] != "Total: " + text(z.grandtotal)) {
            return "totals: captions \"" + captions[0] + "\", \"" + captions[1] + "\", \"" +
                   captions[2] + "\"";
        }
    } else if (captions[0] != "Total:  0" || captions[1] != "Total: 0" ||
               captions[2] != "Total: 0") {
        return "totals: a new game shows \"" + captions[0] + "\", \"" + captions[1] + "\", \"" +
               captions[2] + "\"";
    }
    return std::nullopt;
}

} // namespace zandiro::hardening
