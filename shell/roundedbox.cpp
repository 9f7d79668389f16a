#include "shell/roundedbox.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zandiro {
namespace {

// How far row `row` of the box starts inside its left edge: a pixel belongs
// to the box when its centre lies inside the corner circle.
int rowInset(int row, int height, int radius) {
    const int fromEdge = std::min(row, height - 1 - row);
    if (fromEdge >= radius) {
        return 0;
    }
    const double dy = radius - fromEdge - 0.5;
    const double dx = std::sqrt(static_cast<double>(radius) * radius - dy * dy);
    return static_cast<int>(std::ceil(radius - dx - 0.5));
}

} // namespace

void paintRoundedBox(QPainter& painter, QSize size, int radius, const QColor& fill,
                     const QColor& outline) {
    const int width = size.width();
    const int height = size.height();
    for (int y = 0; y < height; ++y) {
        const int inset = rowInset(y, height, radius);
        const int span = width - 2 * inset;
        if (y == 0 || y == height - 1) {
            painter.fillRect(inset, y, span, 1, outline);
            continue;
        }
        // The outline runs on to where the rows above and below begin, so
        // that it stays closed around the corners.
        const int neighbour =
            std::max(rowInset(y - 1, height, radius), rowInset(y + 1, height, radius));
        const int run = std::min(std::max(1, neighbour - inset), span / 2);
        painter.fillRect(inset, y, run, 1, outline);
        painter.fillRect(width - inset - run, y, run, 1, outline);
        if (span > 2 * run) {
            painter.fillRect(inset + run, y, span - 2 * run, 1, fill);
        }
    }
}

} // namespace zandiro
