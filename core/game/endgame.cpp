#include "game/numbertext.h"
#include "game/zandiro.h"

#include <string>

namespace zandiro {
namespace {

struct VerdictBand {
    int lowest;
    const char* prefix;
    const char* suffix;
};

// From the top band down; each band reaches up to the one above it.
constexpr VerdictBand verdictBands[] = {
    {1001, "You have finished the game with an almost impossible score of ",
     " points! How'd you do it?"},
    {751, "You have gotten an amazing score of ", " points! Yippee!"},
    {501, "You have somehow gotten an astonishing score of ", " points!"},
    {301, "A wonderful score of ", " points has found its way into your hands. Cool!"},
    {201, "You must have been lucky to get ", " points."},
    {101, "Next time, try to get a higher score - beat ", " points!"},
    {51, "Figure out a strategy and come back next time. ", " points is not very good."},
    {6, "You must have rushed through the game to get ", " points..."},
};

constexpr const char* fiveVerdict =
    "5 points is such a terrible score that you must have been trying to get it. Good game!";

} // namespace

void Zandiro::endgame() {
    control("exitgame").visible = true;
    control("restart").visible = true;
    control("press").visible = false;
    for (const VerdictBand& band : verdictBands) {
        if (grandtotal >= band.lowest) {
            platform_.messageBox(band.prefix + numberText(grandtotal) + band.suffix);
            return;
        }
    }
    if (grandtotal == 5) {
        platform_.messageBox(fiveVerdict);
    }
}

} // namespace zandiro
