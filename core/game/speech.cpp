#include "game/speech.h"

#include "game/board.h"
#include "game/scorecard.h"

#include <initializer_list>
#include <sstream>

namespace zandiro {
namespace {

// The phrases a screen reader speaks, whole, with %1 and %2 where a value goes.
constexpr const char* dieNamePhrase = "Die %1: %2";
constexpr const char* blankFace = "blank";
constexpr const char* listSeparator = ", ";
constexpr const char* rolledPhrase = "Rolled %1";
constexpr const char* rolledWithRollsLeftPhrase = "Rolled %1, %2";
constexpr const char* noRollsLeft = "no rolls left";
constexpr const char* oneRollLeft = "1 roll left";
constexpr const char* rollsLeftPhrase = "%1 rolls left";
constexpr const char* used = "used";
constexpr const char* heldPhrase = "Die %1: %2, held";
constexpr const char* releasedPhrase = "Die %1: %2, released";
constexpr const char* scoredPhrase = "%1, total %2";

// The phrase with %1, %2, ... replaced by the values in order.
std::string fill(const char* phrase, std::initializer_list<std::string> values) {
    std::string text = phrase;
    int n = 1;
    for (const std::string& value : values) {
        const std::string mark = "%" + std::to_string(n++);
        const std::size_t at = text.find(mark);
        if (at != std::string::npos) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}

std::string faceText(const Zandiro& z, int d) {
    const int face = shownFace(z, d);
    return face == 0 ? blankFace : std::to_string(face);
}

std::string rollsLeft(int left) {
    if (left <= 0) {
        return noRollsLeft;
    }
    return left == 1 ? oneRollLeft : fill(rollsLeftPhrase, {std::to_string(left)});
}

// A caption as it is spoken: words separated by single blanks.
std::string evenBlanks(const std::string& caption) {
    std::istringstream words(caption);
    std::string word;
    std::string text;
    while (words >> word) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

std::string holdText(const Zandiro& z, int d) {
    return fill(dieChecked(z, d) ? heldPhrase : releasedPhrase,
                {std::to_string(d), faceText(z, d)});
}

// A category scores by ending the turn; a click that leaves the turn running
// (on a used category) scores nothing.
std::string scoreText(const Zandiro& z, int category) {
    if (z.rolls != 0) {
        return "";
    }
    const ControlRef ref = categoryControl(category);
    return fill(scoredPhrase, {evenBlanks(z.form.get(ref.name, ref.index).caption),
                               std::to_string(z.grandtotal)});
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
    return fill(dieNamePhrase, {std::to_string(d), faceText(z, d)});
}

bool dieChecked(const Zandiro& z, int d) {
    return z.form.get("Hold", d).visible;
}

std::string categoryDescription(const Zandiro& z, int category) {
    const ControlRef ref = categoryControl(category);
    return z.isUsed(ref.name, ref.index) ? used : "";
}

std::string rollDescription(const Zandiro& z, const Module1& rules) {
    if (z.rolls == 0) {
        return "";
    }
    std::string faces;
    for (int d = 1; d <= diceCount; ++d) {
        faces += (d > 1 ? listSeparator : "") + faceText(z, d);
    }
    if (rules.unlimitedrolls != 0) {
        return fill(rolledPhrase, {faces});
    }
    return fill(rolledWithRollsLeftPhrase, {faces, rollsLeft(rules.rollsperturn - z.rolls)});
}

std::string announcementText(const Zandiro& z, const Module1& rules, const Announcement& said) {
    switch (said.kind) {
    case Announcement::Kind::Roll:
        return rollDescription(z, rules);
    case Announcement::Kind::Hold:
        return holdText(z, said.number);
    case Announcement::Kind::Score:
        return scoreText(z, said.number);
    case Announcement::Kind::None:
        break;
    }
    return "";
}

} // namespace zandiro
