#include "form/contrast.h"

#include "form/fontfaces.h"

#include <algorithm>
#include <cmath>

namespace zandiro {
namespace {

// One sRGB channel made linear.
double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};

} // namespace

double relativeLuminance(Rgb colour) {
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double readableContrast(double points, bool bold) {
    const bool large = points >= 18 || (bold && points >= 14);
    return large ? 3.0 : 4.5;
}

Rgb readableText(Rgb preferred, Rgb background, double least) {
    if (contrastRatio(preferred, background) >= least) {
        return preferred;
    }
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

// The game's own colours (black, blue) stay; a desktop's text colour gives way
// where it cannot be read, as a dark desktop's white on the pastel scorecard.
Rgb captionColour(const Control& c, Rgb paletteText, Rgb behind) {
    if (c.foreground) {
        return *c.foreground;
    }
    const Rgb background = c.background && !c.transparent ? *c.background : behind;
    const double least =
        c.font ? readableContrast(c.font->points, drawsBold(*c.font)) : readableContrast(0, false);
    return readableText(paletteText, background, least);
}

} // namespace zandiro
