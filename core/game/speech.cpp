#include "game/speech.h"

#include "game/board.h"
#include "game/scorecard.h"

namespace zandiro {
namespace {

std::string faceText(const Zandiro& z, int d) {
    const int face = shownFace(z, d);
    return face == 0 ? "blank" : std::to_string(face);
}

std::string rollsLeft(int left) {
    if (left <= 0) {
        return "no rolls left";
    }
    return std::to_string(left) + (left == 1 ? " roll left" : " rolls left");
}

} // namespace

int shownFace(const Zandiro& z, int d) {
    int lit = 0;
    for (int pos = 0; pos < pipsPerDie; ++pos) {
        lit += z.form.get("pip", pipOf(d, pos)).visible ? 1 : 0;
    }
    return lit;
}

std::string dieName(const Zandiro& z, int d) {
    return "Die " + std::to_string(d) + ": " + faceText(z, d);
}

bool dieChecked(const Zandiro& z, int d) {
    return z.form.get("Hold", d).visible;
}

std::string categoryDescription(const Zandiro& z, int category) {
    const ControlRef ref = categoryControl(category);
    return z.isUsed(ref.name, ref.index) ? "used" : "";
}

std::string rollDescription(const Zandiro& z, const Module1& rules) {
    if (z.rolls == 0) {
        return "";
    }
    std::string text = "Rolled ";
    for (int d = 1; d <= diceCount; ++d) {
        text += (d > 1 ? ", " : "") + faceText(z, d);
    }
    if (rules.unlimitedrolls == 0) {
        text += ", " + rollsLeft(rules.rollsperturn - z.rolls);
    }
    return text;
}

} // namespace zandiro
