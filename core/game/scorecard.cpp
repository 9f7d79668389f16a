#include "game/translation.h"
#include "game/zandiro.h"

namespace zandiro {
namespace {

constexpr const char* upperCaptions[] = {N_("Aces: 0"),  N_("Twos: 0"),  N_("Threes: 0"),
                                         N_("Fours: 0"), N_("Fives: 0"), N_("Sixes: 0")};

} // namespace

// The label's text colour is the only record of a closed category.
bool Zandiro::isUsed(std::string_view name, int index) const {
    return form.get(name, index).foreground == usedColour;
}

// Completes the upper section: six labels, one per face, in a column.
void Zandiro::loadlabels() {
    for (int k = 1; k <= 6; ++k) {
        if (k > 1) {
            form.loadMember("numbers", k);
        }
        Control& label = numbers(k);
        label.left = 8;
        label.top = 32 * k;
        label.visible = true;
        label.caption = translated(upperCaptions[k - 1]);
        label.background = Rgb{0, 255, 0};
        label.foreground = Rgb{0, 0, 0};
    }
}

} // namespace zandiro
