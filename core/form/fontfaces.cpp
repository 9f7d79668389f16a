#include "form/fontfaces.h"

#include <cmath>
#include <string_view>

namespace zandiro {
namespace {

constexpr int bold = 700;

struct StandIns {
    std::string_view face;
    bool heavy;                     // heavy at its regular weight: its stand-ins are bold
    std::string_view families[3]{}; // the stand-ins, a generic family last
};

constexpr StandIns standIns[] = {
    {"Times New Roman", false, {"Liberation Serif", "serif"}},
    {"Impact", true, {"Liberation Sans Narrow", "DejaVu Sans Condensed", "sans-serif"}},
};

const StandIns* standInsOf(std::string_view face) {
    for (const StandIns& s : standIns) {
        if (s.face == face) {
            return &s;
        }
    }
    return nullptr;
}

} // namespace

FontFaces fontFaces(const Font& font) {
    FontFaces faces{{font.face}, font.weight, font.weight};
    if (const StandIns* s = standInsOf(font.face)) {
        for (const std::string_view family : s->families) {
            if (!family.empty()) {
                faces.families.emplace_back(family);
            }
        }
        if (s->heavy) {
            faces.standInWeight = bold;
        }
    }
    return faces;
}

int pixelSize(const Font& font) {
    return static_cast<int>(std::lround(font.points * 96.0 / 72.0));
}

bool drawsBold(const Font& font) {
    const StandIns* s = standInsOf(font.face);
    return font.weight >= bold || (s != nullptr && s->heavy);
}

} // namespace zandiro
