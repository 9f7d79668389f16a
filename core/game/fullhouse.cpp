#include "game/translation.h"
#include "game/zandiro.h"

namespace zandiro {

// A full house is one face shown exactly three times and another exactly twice.
void Zandiro::fullh_Click() {
    countFaces();
    bool three = false;
    bool pair = false;
    for (int k = 1; k <= 6; ++k) {
        three = three || facecount[k] == 3;
        pair = pair || facecount[k] == 2;
    }
    if (isUsed("fullh")) {
        return;
    }
    if (three && pair) {
        ++filled;
        fullhouse();
        return;
    }
    control("fullh").foreground = usedColour;
    fullhscore = 0;
    ++filled;
    endturn();
}

void Zandiro::fullhouse() {
    fullhscore = 25;
    Control& c = control("fullh");
    c.caption = translated("Full House: 25");
    c.foreground = usedColour;
    endturn();
}

} // namespace zandiro
