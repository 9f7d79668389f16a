#include "game/numbertext.h"
#include "game/translation.h"
#include "game/zandiro.h"

#include <limits>

namespace zandiro {

void Zandiro::thrkind_Click() {
    ofAKind("thrkind", 3, thrkindscore, N_("3 of a kind: "));
}

void Zandiro::frkind_Click() {
    ofAKind("frkind", 4, frkindscore, N_("4 of a kind: "));
}

// 3 and 4 of a Kind: the sum of all five dice when some face shows at least
// `threshold` times, else 0 with the caption left as it was.
void Zandiro::ofAKind(const char* label, int threshold, std::int32_t& score, const char* prefix) {
    countFaces();
    const bool qualifies = anyFaceAtLeast(threshold);
    if (isUsed(label)) {
        return;
    }
    Control& c = control(label);
    ++filled;
    if (qualifies) {
        score = diceSum();
        c.caption = withNumber(translated(prefix), score);
    } else {
        score = 0;
    }
    c.foreground = usedColour;
    endturn();
}

// Zandiro stays open while it scores: 50 for the first five of a kind, 100 more
// for each further one. A click on any other dice closes it.
void Zandiro::fvkind_Click() {
    if (isUsed("fvkind")) {
        return;
    }
    // Five dice without a value are no five of a kind.
    const bool qualifies = dice[1] >= 1 && dice[1] == dice[2] && dice[2] == dice[3] &&
                           dice[3] == dice[4] && dice[4] == dice[5];
    Control& c = control("fvkind");
    if (qualifies) {
        dice[1] = 0;
        if (fvkindscore > 0) {
            constexpr std::int32_t ceiling = std::numeric_limits<std::int32_t>::max() - 100;
            fvkindscore = fvkindscore < ceiling ? fvkindscore + 100 : fvkindscore;
        } else {
            fvkindscore = 50;
        }
        c.caption = withNumber("Zandiro: ", fvkindscore);
    } else {
        ++filled;
        c.foreground = usedColour;
    }
    endturn();
}

} // namespace zandiro
