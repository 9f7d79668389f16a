#pragma once

#include <QColor>
#include <QRect>
#include <stdexcept>

namespace zandiro::testing {

// The scorecard as a new game shows it: each label's place, background and
// caption. The two headings are sized to their text and not listed here.
struct LabelBox {
    const char* name;
    int index;
    QRect rect;
    QRgb background;
    const char* caption;
};

inline const QRgb upperGreen = qRgb(0, 255, 0);
inline const QRgb lowerRed = qRgb(255, 0, 0);

inline const LabelBox labelBoxes[] = {
    {"numbers", 1, {8, 32, 88, 23}, upperGreen, "Aces: 0"},
    {"numbers", 2, {8, 64, 88, 23}, upperGreen, "Twos: 0"},
    {"numbers", 3, {8, 96, 88, 23}, upperGreen, "Threes: 0"},
    {"numbers", 4, {8, 128, 88, 23}, upperGreen, "Fours: 0"},
    {"numbers", 5, {8, 160, 88, 23}, upperGreen, "Fives: 0"},
    {"numbers", 6, {8, 192, 88, 23}, upperGreen, "Sixes: 0"},
    {"thrkind", -1, {120, 32, 125, 23}, lowerRed, "3 of a Kind: 0 "},
    {"frkind", -1, {120, 64, 125, 23}, lowerRed, "4 of a Kind: 0"},
    {"fullh", -1, {120, 96, 125, 23}, lowerRed, "Full House: 0"},
    {"sstr", -1, {112, 128, 141, 23}, lowerRed, "Small Straight: 0"},
    {"lstr", -1, {112, 160, 141, 23}, lowerRed, "Large Straight: 0"},
    {"fvkind", -1, {120, 192, 125, 23}, lowerRed, "Zandiro: 0"},
    {"chance", -1, {120, 224, 125, 23}, lowerRed, "Chance: 0"},
    {"totu", -1, {8, 224, 89, 25}, qRgb(128, 255, 128), "Total:  0"},
    {"totl", -1, {120, 256, 121, 25}, qRgb(255, 128, 128), "Total: 0"},
    {"tott", -1, {48, 312, 145, 33}, qRgb(128, 255, 255), "Total: 0"},
};

// The thirteen category labels are the first thirteen boxes.
inline constexpr int categoryCount = 13;

inline const LabelBox& boxOf(const char* name, int index = -1) {
    for (const LabelBox& box : labelBoxes) {
        if (QLatin1String(box.name) == QLatin1String(name) && box.index == index) {
            return box;
        }
    }
    throw std::out_of_range(name);
}

} // namespace zandiro::testing
