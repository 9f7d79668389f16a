#include "game/translation.h"
#include "game/zandiro.h"

namespace zandiro {

void Zandiro::sstr_Click() {
    if (isUsed("sstr")) {
        return;
    }
    countFaces();
    const bool holds =
        present(3) && present(4) &&
        ((present(1) && present(2)) || (present(2) && present(5)) || (present(5) && present(6)));
    straight("sstr", holds, sstrscore, 30, N_("Small Straight: 30"));
}

void Zandiro::lstr_Click() {
    if (isUsed("lstr")) {
        return;
    }
    countFaces();
    const bool holds =
        present(2) && present(3) && present(4) && present(5) && (present(1) || present(6));
    straight("lstr", holds, lstrscore, 40, N_("Large Straight: 40"));
}

// Closes a straight with its fixed points, or with 0 and its caption unchanged.
void Zandiro::straight(const char* label, bool holds, std::int32_t& score, std::int32_t points,
                       const char* caption) {
    Control& c = control(label);
    ++filled;
    score = holds ? points : 0;
    if (holds) {
        c.caption = translated(caption);
    }
    c.foreground = usedColour;
    endturn();
}

} // namespace zandiro
