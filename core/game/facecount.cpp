#include "game/zandiro.h"

#include <limits>

namespace zandiro {

// Counts how many dice show each face. Dice without a value go to entry 0,
// which is never cleared and never read; it stops at its limit rather than wrap.
void Zandiro::countFaces() {
    for (int f = 1; f <= 6; ++f) {
        facecount[f] = 0;
    }
    for (int i = 1; i <= 5; ++i) {
        std::int16_t& entry = facecount[dice[i]];
        if (entry < std::numeric_limits<std::int16_t>::max()) {
            ++entry;
        }
    }
}

bool Zandiro::anyFaceAtLeast(int count) const {
    for (int f = 1; f <= 6; ++f) {
        if (facecount[f] >= count) {
            return true;
        }
    }
    return false;
}

std::int32_t Zandiro::diceSum() const {
    return dice[1] + dice[2] + dice[3] + dice[4] + dice[5];
}

} // namespace zandiro
