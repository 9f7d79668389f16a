#include "game/numbertext.h"
#include "game/translation.h"
#include "game/zandiro.h"

namespace zandiro {

// Chance takes any dice: the sum of all five.
void Zandiro::chance_Click() {
    if (isUsed("chance")) {
        return;
    }
    Control& c = control("chance");
    c.foreground = usedColour;
    ++filled;
    chancescore = diceSum();
    c.caption = withNumber(translated("Chance: "), chancescore);
    endturn();
}

} // namespace zandiro
