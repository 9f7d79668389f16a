#include "invariants.h"
#include "game/numbertext.h"
#include "game/scorecard.h"
#include "scoremodel.h"
#include "windowview.h"

#include <algorithm>
#include <limits>

namespace zandiro::hardening {
namespace {

using Fault = std::optional<std::string>;

Fault checkSums(const Zandiro& z) {
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
    return std::nullopt;
}

// Roll during a game; Restart and Exit once it is over.
Fault checkButtons(const Zandiro& z) {
    const Control* press = find(z.form, "press");
    const Control* restart = find(z.form, "restart");
    const Control* exitgame = find(z.form, "exitgame");
    if (press == nullptr || restart == nullptr || exitgame == nullptr) {
        return "layout: a button is missing";
    }
    const bool over = z.filled == categoryCount;
    if (restart->visible != over || exitgame->visible != over || press->visible == over) {
        return "game-over: buttons do not match filled " + std::to_string(z.filled);
    }
    return std::nullopt;
}

const std::string& captionIn(const std::vector<Control>& controls, std::string_view name) {
    return std::find_if(controls.begin(), controls.end(),
                        [&](const Control& c) { return c.name == name; })
        ->caption;
}

} // namespace

std::optional<std::string> Observer::checkAll(const Program& program) const {
    if (auto fault = check(program)) {
        return fault;
    }
    if (auto fault = checkCodeWindow(program)) {
        return fault;
    }
    return checkTotals(program.zandiro);
}

std::optional<std::string> Observer::check(const Program& program) const {
    const Zandiro& z = program.zandiro;
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
    if (auto fault = checkScorecard(z)) {
        return fault;
    }
    for (const auto& checkPart : {checkSums, checkButtons}) {
        if (auto fault = checkPart(z)) {
            return fault;
        }
    }
    for (const Control& c : z.form.controls()) {
        if (showsNegative(c.caption)) {
            return "caption: " + c.name + " shows \"" + c.caption + "\"";
        }
    }
    return std::nullopt;
}

// Every category: enabled exactly while a roll has opened scoring, the score
// and caption its clicks gave it, and filled counting the used ones.
std::optional<std::string> Observer::checkScorecard(const Zandiro& z) const {
    int usedCount = 0;
    for (int c = 1; c <= categoryCount; ++c) {
        const ControlRef cat = categoryControl(c);
        const Control& label = z.form.get(cat.name, cat.index);
        usedCount += z.isUsed(cat.name, cat.index) ? 1 : 0;
        if (label.enabled != (z.rolls > 0)) {
            return std::string("scoring: ") + cat.name + " enabled " +
                   std::to_string(label.enabled) + " with rolls " + std::to_string(z.rolls);
        }
        if (scoreOf(z, cat.name, cat.index) != scores_[c]) {
            return std::string("score: ") + cat.name + " holds " +
                   std::to_string(scoreOf(z, cat.name, cat.index)) + ", scored " +
                   std::to_string(scores_[c]);
        }
        if (label.caption != captions_[c]) {
            return std::string("caption: ") + cat.name + " reads \"" + label.caption + "\"";
        }
    }
    if (z.filled < 0 || z.filled > categoryCount || z.filled != usedCount) {
        return "filled: " + std::to_string(z.filled) + " with " + std::to_string(usedCount) +
               " used labels";
    }
    return std::nullopt;
}

std::optional<std::string> Observer::checkCodeWindow(const Program& program) const {
    const Module1& m = program.module1;
    if (m.cheatsteps != codeRules_.cheatsteps || m.unlimitedrolls != codeRules_.unlimitedrolls ||
        m.rollsperturn != codeRules_.rollsperturn) {
        return "code: progress " + std::to_string(m.cheatsteps) + ", unlimited " +
               std::to_string(m.unlimitedrolls) + ", rolls per turn " +
               std::to_string(m.rollsperturn) + "; expected " +
               std::to_string(codeRules_.cheatsteps) + ", " +
               std::to_string(codeRules_.unlimitedrolls) + ", " +
               std::to_string(codeRules_.rollsperturn);
    }
    const WindowFrame& code = program.cheat.window;
    const WindowFrame& want = codeWindow_.window;
    if (code.loaded != want.loaded || code.visible != want.visible || code.title != want.title) {
        return "code: window loaded " + std::to_string(code.loaded) + " shown " +
               std::to_string(code.visible) + " titled \"" + code.title + "\", expected \"" +
               want.title + "\"";
    }
    return std::nullopt;
}

// Roll as the rules allow; the totals as the last end of turn showed them, or
// as the game starts in a game whose first turn has not ended.
std::optional<std::string> Observer::checkTotals(const Zandiro& z) const {
    if (z.control("press").enabled != rollEnabled_) {
        return "roll-button: Roll enabled " + std::to_string(z.control("press").enabled) +
               " after " + std::to_string(z.rolls) + " rolls";
    }
    const std::int64_t grand = std::min<std::int64_t>(std::int64_t{z.uppertotal} + z.lowertotal,
                                                      std::numeric_limits<std::int16_t>::max());
    if (turnEnded_ && z.grandtotal != grand) {
        return "totals: grand total " + std::to_string(z.grandtotal) + ", expected " +
               std::to_string(grand);
    }
    const std::pair<const char*, std::int64_t> totals[] = {
        {"totu", z.uppertotal}, {"totl", z.lowertotal}, {"tott", z.grandtotal}};
    for (const auto& [name, value] : totals) {
        const std::string& caption = z.control(name).caption;
        if (turnEnded_ ? !caption.ends_with(numberText(value))
                       : caption != captionIn(startControls_, name)) {
            return std::string("totals: ") + name + " reads \"" + caption + "\"";
        }
    }
    return std::nullopt;
}

} // namespace zandiro::hardening
