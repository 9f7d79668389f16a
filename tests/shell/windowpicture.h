#pragma once

#include "../core/fakeplatform.h"
#include "game/board.h"
#include "game/program.h"

#include <QImage>
#include <QRect>
#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zandiro::testing {

inline const QRgb yellow = qRgb(255, 255, 0);
inline const QRgb white = qRgb(255, 255, 255);
inline const QRgb black = qRgb(0, 0, 0);
inline const QRgb red = qRgb(255, 0, 0);
inline const QRgb blue = qRgb(0, 0, 255);

// A control of the main window as a new game shows it, read from the core.
inline const Control& newGameControl(std::string_view name, int index = -1) {
    static const Form form = [] {
        FakePlatform platform;
        Program program(platform);
        program.start();
        return program.zandiro.form;
    }();
    return form.get(name, index);
}
// A place in the core (a control, a cell of the dice board) as a rectangle.
inline QRect rectOf(const auto& place) {
    return {place.left, place.top, place.width, place.height};
}

// The dice board in window pixels, as the core lays it out.
inline QRect bodyRect(int die) {
    return rectOf(newGameControl("Rect", die));
}
inline QPoint bodyAt(int die) {
    return bodyRect(die).topLeft();
}
inline QRect markerRect(int die) {
    return rectOf(newGameControl("Hold", die));
}
inline const QRect sixthSlot = rectOf(cellOf(boardRows, boardColumns));
// The cells and the margin around them up to the window's edges.
inline const QRect diceBoard = rectOf(cellOf(1, 1)).united(sixthSlot).adjusted(-8, -8, 8, 8);

// Pip places 1 to 7 on a die: top left, top right, middle left, centre,
// middle right, bottom left, bottom right; die d owns pips 7d - 6 to 7d.
inline QRect pipRect(int die, int place) {
    return rectOf(newGameControl("pip", 7 * (die - 1) + place));
}
inline QPoint pipCentre(int die, int place) {
    return pipRect(die, place).topLeft() + QPoint(6, 6);
}
inline std::initializer_list<int> litPlaces(int face) {
    static const std::initializer_list<int> faces[] = {
        {4}, {1, 7}, {1, 4, 7}, {1, 2, 6, 7}, {1, 2, 4, 6, 7}, {1, 2, 3, 5, 6, 7}};
    return faces[face - 1];
}

inline std::string describe(QRgb colour) {
    return "RGB(" + std::to_string(qRed(colour)) + "," + std::to_string(qGreen(colour)) + "," +
           std::to_string(qBlue(colour)) + ")";
}

inline ::testing::AssertionResult pixelIs(const QImage& image, QPoint at, QRgb expected) {
    const QRgb actual = image.pixel(at);
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "pixel (" << at.x() << "," << at.y() << ") is "
                                         << describe(actual) << ", expected " << describe(expected);
}

inline int countOf(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// Whether the area looks the same mirrored left to right and top to bottom.
inline bool mirrorSymmetric(const QImage& image, const QRect& area) {
    const QImage part = image.copy(area);
    return part == part.mirrored(true, false) && part == part.mirrored(false, true);
}

// The four middles of a rectangle's one-pixel edge.
inline std::array<QPoint, 4> edgeMiddles(const QRect& r) {
    return {QPoint(r.left(), r.center().y()), QPoint(r.right(), r.center().y()),
            QPoint(r.center().x(), r.top()), QPoint(r.center().x(), r.bottom())};
}

} // namespace zandiro::testing
