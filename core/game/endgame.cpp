#include "game/translation.h"
#include "game/zandiro.h"

#include <string>

namespace zandiro {
namespace {

struct VerdictBand {
    int lowest;
    // "%1" stands for the score's digits. The English texts carry the blank the
    // number text puts before them, so two blanks stand before the score.
    const char* singular;
    const char* plural;
};

// From the top band down; each band reaches up to the one above it.
// TRANSLATORS: the verdicts are small jokes about the final score; say what
// they mean in your language. %1 is the score, at least 6; the English puts two
// blanks before it, one is enough.
constexpr VerdictBand verdictBands[] = {
    {1001,
     NP_("You have finished the game with an almost impossible score of  %1 points! How'd you "
         "do it?")},
    {751, NP_("You have gotten an amazing score of  %1 points! Yippee!")},
    {501, NP_("You have somehow gotten an astonishing score of  %1 points!")},
    {301, NP_("A wonderful score of  %1 points has found its way into your hands. Cool!")},
    {201, NP_("You must have been lucky to get  %1 points.")},
    {101, NP_("Next time, try to get a higher score - beat  %1 points!")},
    {51, NP_("Figure out a strategy and come back next time.  %1 points is not very good.")},
    {6, NP_("You must have rushed through the game to get  %1 points...")},
};

constexpr const char* fiveVerdict =
    N_("5 points is such a terrible score that you must have been trying to get it. Good game!");

} // namespace

void Zandiro::endgame() {
    control("exitgame").visible = true;
    control("restart").visible = true;
    control("press").visible = false;
    for (const VerdictBand& band : verdictBands) {
        if (grandtotal >= band.lowest) {
            const char* text = translatedPlural(band.singular, band.plural,
                                                static_cast<std::uint64_t>(grandtotal));
            platform_.messageBox(fill(text, {std::to_string(grandtotal)}));
            return;
        }
    }
    if (grandtotal == 5) {
        platform_.messageBox(translated(fiveVerdict));
    }
}

} // namespace zandiro
