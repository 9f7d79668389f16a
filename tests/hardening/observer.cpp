#include "form/hittest.h"
#include "game/board.h"
#include "game/numbertext.h"
#include "game/scorecard.h"
#include "input/speech.h"
#include "invariants.h"
#include "scoremodel.h"
#include "windowview.h"

#include <limits>

namespace zandiro::hardening {
namespace {

std::string diceText(const std::array<std::int32_t, 6>& dice) {
    std::string s;
    for (int d = 1; d <= 5; ++d) {
        s += (d > 1 ? "," : "") + std::to_string(dice[d]);
    }
    return s;
}

// The category a control shows, 0 for none.
int categoryOf(std::string_view name, int index) {
    for (int c = 1; c <= categoryCount; ++c) {
        if (name == categoryControl(c).name && index == categoryControl(c).index) {
            return c;
        }
    }
    return 0;
}

} // namespace

Observer::Observer(const Program& program) : startControls_(program.zandiro.form.controls()) {
    newGame(program);
}

void Observer::newGame(const Program& program) {
    turnEnded_ = false;
    rollEnabled_ = true;
    lastDownOnWindow_ = false;
    pressed_.reset();
    codeRules_ = Module1{};
    scores_.fill(0);
    for (int c = 1; c <= categoryCount; ++c) {
        captions_[c] =
            program.zandiro.form.get(categoryControl(c).name, categoryControl(c).index).caption;
    }
}

void Observer::before(const Program& program, const Event& event) {
    const Zandiro& z = program.zandiro;
    const Input& in = event.input;
    before_ = Before{};
    before_.generation = z.window.generation;
    before_.rolls = z.rolls;
    before_.filled = z.filled;
    before_.fvkindscore = z.fvkindscore;
    before_.dice = z.dice;
    before_.held = heldDice(z.form);
    before_.focus = program.keyboard.focus();
    before_.serial = program.announcement().serial;
    before_.mainShown = z.window.visible;
    before_.codeShown = program.cheat.window.visible;
    if (program.openMessage()) {
        before_.atOpenBox = sight(program);
    }
    const ControlId taker = controlAt(z.form, in.x, in.y);
    before_.pressOnWindow = taker == noControl;
    if (taker != noControl) {
        const Control& c = z.form.at(taker);
        before_.pressTaker = Target{c.name, c.index};
        before_.pressOnButton = c.kind == ControlKind::PushButton;
    }
    before_.clicked = clickedBy(z, in);
    if (before_.clicked) {
        const int c = categoryOf(before_.clicked->name, before_.clicked->index);
        before_.clickedCategory =
            c != 0 && !z.isUsed(before_.clicked->name, before_.clicked->index) ? c : 0;
    }
}

// An activation of a button or a category, or a left press and release on the
// same control (any button on a hold marker); it counts only on a visible,
// enabled control of the shown window.
std::optional<Observer::Target> Observer::clickedBy(const Zandiro& z, const Input& in) const {
    const Control* c = nullptr;
    if (in.kind == Input::Kind::Activate && isPlace(in.place) && in.place.kind != FocusKind::Die) {
        const ControlRef ref = controlOf(in.place);
        c = find(z.form, ref.name, ref.index);
    } else if (in.kind == Input::Kind::Release && pressed_ && before_.pressTaker == pressed_) {
        const Control* at = find(z.form, pressed_->name, pressed_->index);
        c = in.button == MouseButton::Left || at->kind == ControlKind::Image ? at : nullptr;
    }
    if (c == nullptr || !z.window.visible || !c->visible || !c->enabled) {
        return std::nullopt;
    }
    return Target{c->name, c->index};
}

bool Observer::clickedIs(std::string_view name) const {
    return before_.clicked && before_.clicked->name == name;
}

std::optional<std::string> Observer::after(const Program& program, const PlayPlatform& platform,
                                           const Event& event) {
    if (before_.atOpenBox) {
        return followBox(program, event);
    }
    const Zandiro& z = program.zandiro;
    const bool newWindow = z.window.generation != before_.generation;
    if (newWindow != clickedIs("restart")) {
        return newWindow ? "restart: the window was built anew without a click on Restart"
                         : "restart: a click on Restart did not begin a new game";
    }
    if (newWindow) {
        if (z.form.controls() != startControls_) {
            return "restart: the new game does not show the start window";
        }
        newGame(program);
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
        if (auto fault = turnEnded ? std::nullopt : followHolds(program, event.input)) {
            return fault;
        }
    }
    if (auto fault = followSpeech(program)) {
        return fault;
    }
    if (auto fault = checkMessages(program, platform)) {
        return fault;
    }
    return checkAll(program);
}

// While a box is open the game takes nothing but its closing.
std::optional<std::string> Observer::followBox(const Program& program, const Event& event) const {
    const bool closing = event.input.kind == Input::Kind::MessageClosed;
    if (program.openMessage().has_value() == closing) {
        return closing ? "message-box: closing it left it open" : "message-box: it closed itself";
    }
    if (sight(program) != *before_.atOpenBox || program.keyboard.focus() != before_.focus ||
        program.announcement().serial != before_.serial) {
        return "message-box: the game took an input while its box was open";
    }
    return std::nullopt;
}

std::optional<std::string> Observer::followEvent(const PlayPlatform& platform, const Event& event) {
    const Input& in = event.input;
    const bool onCode = in.window == GameWindow::Code && before_.codeShown;
    if (in.kind == Input::Kind::Key && onCode) {
        codeWindow_.Form_KeyDown(in.virtualKey, 0);
    } else if (in.kind == Input::Kind::Close && onCode) {
        codeWindow_.closeBox();
    } else if (before_.mainShown) {
        followPointer(in);
    }
    const bool closedMain =
        in.kind == Input::Kind::Close && in.window == GameWindow::Main && before_.mainShown;
    if (platform.ended != (clickedIs("exitgame") || closedMain)) {
        return platform.ended ? "exit: the program ended without Exit or the close box"
                              : "exit: Exit or the close box did not end the program";
    }
    return std::nullopt;
}

// A push button takes the second press of a double-click as a press; anywhere
// else a double-click goes where its first press went, and opens the code
// window (loading it the first time) where that reached the window.
void Observer::followPointer(const Input& in) {
    const bool press = in.kind == Input::Kind::Press ||
                       (in.kind == Input::Kind::DoubleClick && before_.pressOnButton);
    if (press) {
        lastDownOnWindow_ = before_.pressOnWindow;
        pressed_ = before_.pressTaker;
    } else if (in.kind == Input::Kind::Release) {
        pressed_.reset();
    } else if (in.kind == Input::Kind::DoubleClick) {
        pressed_.reset();
        if (lastDownOnWindow_) {
            codeWindow_.show();
        }
    }
}

// Within a turn, a press on the window toggles the hold of the die under it,
// an activation of a die and a click on a hold marker that die's; nothing else
// changes the holds.
std::optional<std::string> Observer::followHolds(const Program& program, const Input& in) const {
    std::array<bool, 6> held = before_.held;
    const bool onWindow = in.kind == Input::Kind::Press && before_.pressOnWindow;
    const bool onDie = in.kind == Input::Kind::Activate && in.place.kind == FocusKind::Die;
    const int pressed = onWindow                     ? dieAt(in.x, in.y)
                        : onDie && isPlace(in.place) ? in.place.number
                                                     : 0;
    const int clicked = clickedIs("Hold") ? before_.clicked->index : 0;
    for (const int d : {before_.mainShown ? pressed : 0, clicked}) {
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
    rollEnabled_ = !(z.rolls >= codeRules_.rollsperturn && codeRules_.unlimitedrolls == 0);
    return checkRoll(program);
}

// A click on an open category gives it exactly the score the dice shown make,
// shows it, closes the category (Zandiro stays open while it scores) and ends
// the turn; nothing else scores.
std::optional<std::string> Observer::followScore(const Program& program) {
    const Zandiro& z = program.zandiro;
    const bool scored = z.filled != before_.filled || z.fvkindscore != before_.fvkindscore;
    const int c = before_.clickedCategory;
    if (c == 0 || before_.rolls <= 0) {
        if (!scored) {
            return std::nullopt;
        }
        return before_.rolls <= 0 ? "turn-end: a category scored before the turn's first roll"
                                  : "score: a category scored without a click on an open one";
    }
    const ControlRef t = categoryControl(c);
    const ScoreOutcome want = scoreFor(t.name, t.index, before_.dice, before_.fvkindscore);
    const std::int64_t got = scoreOf(z, t.name, t.index);
    const bool closed = z.isUsed(t.name, t.index);
    if (got != want.score || closed != want.closes ||
        z.filled != before_.filled + (want.closes ? 1 : 0)) {
        return std::string("score: ") + t.name + " holds " + std::to_string(got) +
               (closed ? " closed" : " open") + " for the dice " + diceText(before_.dice) +
               ", expected " + std::to_string(want.score) + (want.closes ? " closed" : " open");
    }
    const std::string& caption = z.form.get(t.name, t.index).caption;
    if (!caption.ends_with(numberText(got)) && !(got == 0 && caption == captions_[c])) {
        return std::string("caption: ") + t.name + " reads \"" + caption + "\" for a score of " +
               std::to_string(got);
    }
    scores_[c] = got;
    captions_[c] = caption;
    turnEnded_ = true;
    rollEnabled_ = true;
    return checkTurnEnd(program);
}

// A listening player hears what the event changed: the category scored, else
// the roll, else the die held or released unless the focus was on it, which
// says its own state; nothing when nothing changed, and nothing twice.
std::optional<std::string> Observer::followSpeech(const Program& program) const {
    const Zandiro& z = program.zandiro;
    Announcement want;
    const auto expect = [&](Announcement::Kind kind, int number) {
        want.kind = kind;
        want.number = number;
    };
    const std::array<bool, 6> held = heldDice(z.form);
    if (z.window.generation != before_.generation) {
        // a new game says nothing
    } else if (z.filled != before_.filled || z.fvkindscore != before_.fvkindscore) {
        expect(Announcement::Kind::Score, before_.clickedCategory);
    } else if (z.rolls != before_.rolls || z.dice != before_.dice) {
        expect(Announcement::Kind::Roll, 0);
    } else {
        for (int d = 1; d <= diceCount; ++d) {
            if (held[d] != before_.held[d] && before_.focus != FocusPlace{FocusKind::Die, d}) {
                expect(Announcement::Kind::Hold, d);
            }
        }
    }
    const Announcement& said = program.announcement();
    const bool spoke = said.serial != before_.serial;
    if (spoke != (want.kind != Announcement::Kind::None) ||
        (spoke && (said.serial != before_.serial + 1 || said.kind != want.kind ||
                   said.number != want.number))) {
        return "speech: announcement " + std::to_string(static_cast<int>(said.kind)) + " " +
               std::to_string(said.number) + " numbered " + std::to_string(said.serial) +
               ", expected " + std::to_string(static_cast<int>(want.kind)) + " " +
               std::to_string(want.number) + " after " + std::to_string(before_.serial);
    }
    const std::string text = spoke ? announcementText(z, program.module1, said) : "";
    if (spoke && (text.empty() || (want.kind == Announcement::Kind::Roll &&
                                   text != rollDescription(z, program.module1)))) {
        return "speech: \"" + text + "\"";
    }
    return std::nullopt;
}

// Every die not held rolled a face and shows it; the held ones kept theirs.
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
        if (shownFace(z, d) != z.dice[d]) {
            return "roll: die " + std::to_string(d) + " shows " + std::to_string(shownFace(z, d)) +
                   " for " + std::to_string(z.dice[d]);
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

// A platform may show a box once the event has returned, so an event asks for
// one at most and changes nothing after asking. The verdict comes with the
// last category of a total of 5 or more; a reveal label shows its code.
std::optional<std::string> Observer::checkMessages(const Program& program,
                                                   const PlayPlatform& platform) const {
    const std::vector<std::string>& messages = platform.messages;
    if (messages.size() > 1) {
        return "message-box: " + std::to_string(messages.size()) + " boxes in one event";
    }
    if (platform.atBox && *platform.atBox != std::pair(sight(program), program.keyboard.focus())) {
        return "message-box: the game changed after it asked for \"" + messages.back() + "\"";
    }
    if (program.openMessage().has_value() != !messages.empty()) {
        return "message-box: the game holds no box for the one it asked for";
    }
    const Zandiro& z = program.zandiro;
    if (before_.filled == categoryCount - 1 && z.filled == categoryCount) {
        const std::size_t expected = z.grandtotal >= 5 ? 1 : 0;
        if (messages.size() != expected) {
            return "verdict: " + std::to_string(messages.size()) +
                   " message boxes for a total of " + std::to_string(z.grandtotal);
        }
        const std::string& m = expected == 1 ? messages.front() : "";
        if (expected == 1 &&
            ((z.grandtotal != 5 && m.find(numberText(z.grandtotal) + " ") == std::string::npos) ||
             showsNegative(m))) {
            return "verdict: \"" + m + "\" for a total of " + std::to_string(z.grandtotal);
        }
        return std::nullopt;
    }
    const bool revealed = clickedIs("Label1") || clickedIs("Label2");
    if (messages.size() != (revealed ? 1u : 0u)) {
        return "message: " + std::to_string(messages.size()) + " boxes" +
               (revealed ? " for a reveal label" : ", unexpected");
    }
    return std::nullopt;
}

} // namespace zandiro::hardening
