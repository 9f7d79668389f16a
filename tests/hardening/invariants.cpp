#include "invariants.h"
#include "game/scorecard.h"
#include "scoremodel.h"
#include "windowview.h"

#include <algorithm>
#include <limits>

namespace zandiro::hardening {
namespace {

constexpr const char* upperPrefixes[] = {"Aces:", "Twos:", "Threes:", "Fours:", "Fives:", "Sixes:"};

std::string expectedCaption(const Zandiro& z, const ControlRef& cat, const Control& label) {
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

// The score a category may hold, and 0 while it is open (Zandiro scores open,
// 50 and then a hundred more each time). The exact score is checked when the
// category is clicked.
bool scoreFits(const Zandiro& z, const ControlRef& cat, bool isOpen) {
    const std::string_view name = cat.name;
    const std::int64_t score = scoreOf(z, name, cat.index);
    if (name == "fvkind") {
        return score == 0 || score % 100 == 50;
    }
    bool fits = true;
    if (name == "numbers") {
        fits = score % cat.index == 0 && score <= 5 * cat.index;
    } else if (name == "thrkind" || name == "frkind" || name == "chance") {
        fits = score <= 30;
    } else {
        const std::int64_t points = name == "fullh" ? 25 : (name == "sstr" ? 30 : 40);
        fits = score == 0 || score == points;
    }
    return fits && score >= 0 && (!isOpen || score == 0);
}

using Fault = std::optional<std::string>;

// Every category label: enabled exactly while a roll has opened scoring, a
// score it can hold, the caption that shows it, and filled counting the used ones.
Fault checkScorecard(const Zandiro& z) {
    int usedCount = 0;
    for (const Category& category : scorecard) {
        const ControlRef& cat = category.label;
        const Control* label = find(z.form, cat.name, cat.index);
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
    if (z.filled < 0 || z.filled > categoryCount || z.filled != usedCount) {
        return "filled: " + std::to_string(z.filled) + " with " + std::to_string(usedCount) +
               " used labels";
    }
    return std::nullopt;
}

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
    for (const auto& checkPart : {checkScorecard, checkSums, checkButtons}) {
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

std::optional<std::string> Observer::checkCodeWindow(const Program& program) const {
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
    return std::nullopt;
}

// Roll as the rules allow; the totals as the last end of turn showed them, or
// the layout's captions in a game whose first turn has not ended.
std::optional<std::string> Observer::checkTotals(const Zandiro& z) const {
    const Control* press = find(z.form, "press");
    if (press->enabled != rollEnabled_) {
        return "roll-button: Roll enabled " + std::to_string(press->enabled) + " after " +
               std::to_string(z.rolls) + " rolls";
    }
    const std::string captions[3] = {find(z.form, "totu")->caption, find(z.form, "totl")->caption,
                                     find(z.form, "tott")->caption};
    const std::int64_t grand = std::min<std::int64_t>(std::int64_t{z.uppertotal} + z.lowertotal,
                                                      std::numeric_limits<std::int16_t>::max());
    if (!turnEnded_) {
        if (captions[0] != "Total:  0" || captions[1] != "Total: 0" || captions[2] != "Total: 0") {
            return "totals: a new game shows \"" + captions[0] + "\", \"" + captions[1] + "\", \"" +
                   captions[2] + "\"";
        }
        return std::nullopt;
    }
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
    return std::nullopt;
}

} // namespace zandiro::hardening
