#pragma once

#include "game/scorecard.h"
#include "windowpicture.h"

#include <QColor>
#include <QRect>
#include <string>
#include <vector>

namespace zandiro::testing {

// A label of the scorecard as a new game shows it: its place, background and
// caption, read from the core.
struct LabelBox {
    const char* name;
    int index;
    QRect rect;
    QRgb background;
    std::string caption;
};

inline LabelBox boxOf(const char* name, int index = -1) {
    const Control& c = newGameControl(name, index);
    const Rgb b = c.background.value_or(Rgb{});
    return {name, index, rectOf(c), qRgb(b.r, b.g, b.b), c.caption};
}

// The categories in scorecard order, then the three totals. The two headings
// are sized to their text and not listed here.
inline const std::vector<LabelBox>& labelBoxes() {
    static const std::vector<LabelBox> boxes = [] {
        std::vector<LabelBox> all;
        for (const Category& category : scorecard) {
            all.push_back(boxOf(category.label.name, category.label.index));
        }
        for (const char* total : {"totu", "totl", "tott"}) {
            all.push_back(boxOf(total));
        }
        return all;
    }();
    return boxes;
}

} // namespace zandiro::testing
