#pragma once

#include "form/control.h"

namespace zandiro {

// Contrast between two colours as WCAG 2 measures it: from 1 (the same
// luminance) to 21 (black against white).
double relativeLuminance(Rgb colour);
double contrastRatio(Rgb a, Rgb b);

// The least contrast at which text is readable: 4.5:1, or 3:1 for large
// text, at least 18 points or 14 points in bold.
double readableContrast(double points, bool bold);

// `preferred` where it contrasts with `background` by at least `least`;
// otherwise black or white, whichever contrasts more.
Rgb readableText(Rgb preferred, Rgb background, double least);

// The colour a label's caption is drawn in: its own text colour if it has one; otherwise the
// palette's text colour where it is readable on the label's background (or, for a transparent
// label, on what shows through it), else black or white, whichever contrasts more.
Rgb captionColour(const Control& c, Rgb paletteText, Rgb behind);

} // namespace zandiro
