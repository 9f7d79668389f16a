#include "input/speech.h"

#include "game/board.h"
#include "game/scorecard.h"
#include "game/translation.h"

#include <cctype>

namespace zandiro {
namespace {

// The phrases a screen reader speaks, whole, with %1 and %2 where a value goes,
// in the player's language where they are used.
// TRANSLATORS: a die's name, its number and its face (or the word for a blank die).
constexpr const char* dieNamePhrase = N_("Die %1: %2");
// TRANSLATORS: what a screen reader says for a die that shows no face yet.
constexpr const char* blankFace = N_("blank");
constexpr const char* listSeparator = ", ";
// TRANSLATORS: the five faces just rolled, then the rolls left.
constexpr const char* rolledPhrase = N_("Rolled %1");
constexpr const char* rolledWithRollsLeftPhrase = N_("Rolled %1, %2");
constexpr const char* noRollsLeft = N_("no rolls left");
// TRANSLATORS: a category already scored.
constexpr const char* used = N_("used");
// TRANSLATORS: a die held or released by its digit key: its number and its face.
constexpr const char* heldPhrase = N_("Die %1: %2, held");
constexpr const char* releasedPhrase = N_("Die %1: %2, released");
// TRANSLATORS: after a score: the category's caption, then the grand total.
constexpr const char* scoredPhrase = N_("%1, total %2");

std::string faceText(const Zandiro& z, int d) {
    const int face = shownFace(z, d);
    return face == 0 ? translated(blankFace) : std::to_string(face);
}

std::string rollsLeft(int left) {
    if (left <= 0) {
        return translated(noRollsLeft);
    }
    // English says "1 roll left" as it always has; other languages count as they do.
    const auto count = static_cast<std::uint64_t>(left);
    return fill(translatedPlural("%1 roll left", "%1 rolls left", count), {std::to_string(left)});
}

// A caption as it is spoken: words separated by single blanks. (Written
// without streams, which would bring the whole of iostreams into the page's
// WebAssembly.)
std::string evenBlanks(const std::string& caption) {
    std::string text;
    bool blank = false;
    for (const char c : caption) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            blank = true;
            continue;
        }
        if (blank && !text.empty()) {
            text += ' ';
        }
        blank = false;
        text += c;
    }
    return text;
}

std::string holdText(const Zandiro& z, int d) {
    return fill(translated(dieChecked(z, d) ? heldPhrase : releasedPhrase),
                {std::to_string(d), faceText(z, d)});
}

// A category scores by ending the turn; a click that leaves the turn running
// (on a used category) scores nothing.
std::string scoreText(const Zandiro& z, int category) {
    if (z.rolls != 0) {
        return "";
    }
    const ControlRef ref = categoryControl(category);
    return fill(translated(scoredPhrase), {evenBlanks(z.form.get(ref.name, ref.index).caption),
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
    return fill(translated(dieNamePhrase), {std::to_string(d), faceText(z, d)});
}

bool dieChecked(const Zandiro& z, int d) {
    return z.form.get("Hold", d).visible;
}

std::string categoryDescription(const Zandiro& z, int category) {
    const ControlRef ref = categoryControl(category);
    return z.isUsed(ref.name, ref.index) ? translated(used) : "";
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
        return fill(translated(rolledPhrase), {faces});
    }
    return fill(translated(rolledWithRollsLeftPhrase),
                {faces, rollsLeft(rules.rollsperturn - z.rolls)});
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
