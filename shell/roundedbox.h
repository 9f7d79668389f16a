#pragma once

#include <QColor>
#include <QSize>

class QPainter;

namespace zandiro {

// Paints a filled box with rounded corners and a one-pixel outline, pixel by
// pixel from the top-left of the painter. The four corners are exact mirror
// images of each other, which Qt's own unsmoothed rounded rectangles are not.
void paintRoundedBox(QPainter& painter, QSize size, int radius, const QColor& fill,
                     const QColor& outline);

} // namespace zandiro
