#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace zandiro::testing {

inline const QRgb yellow = qRgb(255, 255, 0);
inline const QRgb white = qRgb(255, 255, 255);
inline const QRgb black = qRgb(0, 0, 0);
inline const QRgb red = qRgb(255, 0, 0);
inline const QRgb blue = qRgb(0, 0, 255);

// The dice board in window pixels: dice 1 and 2 in the first row, 3 and 4 in
// the second, 5 alone in the third.
inline QPoint bodyAt(int die) {
    return {264 + 64 * ((die - 1) % 2), 8 + 64 * ((die - 1) / 2)};
}
inline QRect bodyRect(int die) {
    return {bodyAt(die), QSize(60, 60)};
}
inline QRect markerRect(int die) {
    return {bodyAt(die) + QPoint(3, 25), QSize(54, 12)};
}
inline const QRect sixthSlot{328, 136, 60, 60};
inline const QRect diceBoard{256, 0, 140, 204};

// Pip places 1 to 7 on a die: top left, top right, middle left, centre,
// middle right, bottom left, bottom right.
inline QRect pipRect(int die, int place) {
    static const QPoint offsets[] = {{8, 8},   {40, 8}, {8, 24}, {24, 24},
                                     {40, 24}, {8, 40}, {40, 40}};
    return {bodyAt(die) + offsets[place - 1], QSize(13, 13)};
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
