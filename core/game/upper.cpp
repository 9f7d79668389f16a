#include "game/numbertext.h"
#include "game/translation.h"
#include "game/zandiro.h"

namespace zandiro {
namespace {

constexpr const char* upperPrefixes[] = {N_("Aces:"),  N_("Twos:"),  N_("Threes:"),
                                         N_("Fours:"), N_("Fives:"), N_("Sixes:")};

} // namespace

// Scores the dice showing face k, then clears all five dice so that no face of
// this turn can be carried into the next one.
void Zandiro::numbers_Click(std::int16_t Index) {
    const int k = Index;
    if (isUsed("numbers", k)) {
        return;
    }
    upper[k] = 0;
    for (int i = 1; i <= 5; ++i) {
        if (dice[i] == k) {
            upper[k] += k;
        }
        dice[i] = 0;
    }
    ++filled;
    numbers(k).caption = withNumber(translated(upperPrefixes[k - 1]), upper[k]);
    numbers(k).foreground = usedColour;
    endturn();
}

} // namespace zandiro
