#include "game/layout.h"

#include "game/translation.h"

namespace zandiro {
namespace {

const Font buttonFont{"Times New Roman", 14.25, 700};
const Font cardFont{"Times New Roman", 12, 700};
const Font grandFont{"Times New Roman", 15.75, 700};
const Font headingFont{"Impact", 14.25, 400};
constexpr Rgb red{255, 0, 0};

// A control of the given kind at its place; every other property its default.
Control placed(const char* name, int index, ControlKind kind, int left, int top, int width,
               int height) {
    Control c;
    c.name = name;
    c.index = index;
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

Control button(const char* name, const char* caption, int top, bool visible, int tab) {
    Control c = placed(name, -1, ControlKind::PushButton, 280, top, 97, 33);
    c.caption = translated(caption);
    c.font = buttonFont;
    c.visible = visible;
    c.tabIndex = tab;
    return c;
}

struct LabelRow {
    const char* name;
    int index;
    const char* caption;
    int left, top, width, height;
    Rgb background;
    const Font* font;
    bool autosize;
    int tab;
};

Control label(const LabelRow& s) {
    Control c = placed(s.name, s.index, ControlKind::Label, s.left, s.top, s.width, s.height);
    c.caption = translated(s.caption);
    c.background = s.background;
    c.font = *s.font;
    c.bordered = true;
    c.align = s.autosize ? Align::Left : Align::Centre;
    c.autosize = s.autosize;
    c.tabIndex = s.tab;
    return c;
}

Control pipTemplate() {
    Control c = placed("pip", 0, ControlKind::Circle, 368, 32, 13, 13);
    c.background = red;
    c.visible = false;
    return c;
}

Control revealLabel(const char* name, const char* caption, int left, int top, int width, int height,
                    int tab) {
    Control c = placed(name, -1, ControlKind::Label, left, top, width, height);
    c.caption = caption;
    c.background = mainBackground;
    c.tabIndex = tab;
    return c;
}

} // namespace

void buildMainLayout(Form& form) {
    form.add(button("exitgame", N_("Exit"), 288, false, 15));
    form.add(button("restart", N_("Restart"), 256, false, 14));
    form.add(button("press", N_("Roll"), 224, true, 13));
    form.add(placed("Hold", 1, ControlKind::Image, 272, 40, 57, 33));
    form.add(placed("Rect", 1, ControlKind::RoundedRect, 264, 136, 60, 60));
    Control label2 = revealLabel("Label2", "", 328, 136, 57, 57, 17);
    label2.transparent = true;
    form.add(label2);
    form.add(revealLabel("Label1", " ", 32, 328, 9, 17, 16));
    form.add(pipTemplate());

    const LabelRow labels[] = {
        {"totl", -1, N_("Total: 0"), 120, 256, 121, 25, {255, 128, 128}, &cardFont, false, 12},
        {"tott", -1, N_("Total: 0"), 48, 312, 145, 33, {128, 255, 255}, &grandFont, false, 11},
        {"totu", -1, N_("Total:  0"), 8, 224, 89, 25, {128, 255, 128}, &cardFont, false, 10},
        {"chance", -1, N_("Chance: 0"), 120, 224, 125, 23, red, &cardFont, false, 9},
        {"fvkind", -1, "Zandiro: 0", 120, 192, 125, 23, red, &cardFont, false, 8},
        {"upscores", -1, N_("Upper Scores"), 0, 0, 109, 27, {0, 192, 0}, &headingFont, true, 7},
        {"lwscores", -1, N_("Lower Scores"), 128, 0, 109, 27, {192, 0, 0}, &headingFont, true, 6},
        {"numbers", 1, N_("Aces:  0"), 8, 32, 88, 23, {0, 255, 0}, &cardFont, false, 5},
        {"thrkind", -1, N_("3 of a Kind: 0 "), 120, 32, 125, 23, red, &cardFont, false, 4},
        {"frkind", -1, N_("4 of a Kind: 0"), 120, 64, 125, 23, red, &cardFont, false, 3},
        {"sstr", -1, N_("Small Straight: 0"), 112, 128, 141, 23, red, &cardFont, false, 2},
        {"lstr", -1, N_("Large Straight: 0"), 112, 160, 141, 23, red, &cardFont, false, 1},
        {"fullh", -1, N_("Full House: 0"), 120, 96, 125, 23, red, &cardFont, false, 0},
    };
    for (const LabelRow& row : labels) {
        form.add(label(row));
    }
}

} // namespace zandiro
