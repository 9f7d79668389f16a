#include "codewindow/cheat.h"
#include "form/hittest.h"
#include "game/scorecard.h"
#include "game/translation.h"
#include "game/zandiro.h"

#include <string_view>

namespace zandiro {
namespace {

struct NamedHandler {
    std::string_view name;
    ClickHandler click;
};

// The handlers of the controls outside the scorecard; a control array's
// handler answers every member.
constexpr NamedHandler clickHandlers[] = {
    {"press", clickSingle<&Zandiro::press_Click>},
    {"restart", clickSingle<&Zandiro::restart_Click>},
    {"exitgame", clickSingle<&Zandiro::exitgame_Click>},
    {"Hold", clickMember<&Zandiro::Hold_Click>},
    {"Label1", clickSingle<&Zandiro::Label1_Click>},
    {"Label2", clickSingle<&Zandiro::Label2_Click>},
};

ClickHandler handlerOf(const Control& c) {
    for (const Category& category : scorecard) {
        if (c.name == category.label.name && c.index == category.label.index) {
            return category.click;
        }
    }
    for (const NamedHandler& entry : clickHandlers) {
        if (entry.name == c.name) {
            return entry.click;
        }
    }
    return nullptr;
}

// A click is the left button, but a hold marker answers any button, as the
// rest of its die does.
bool clicksWith(const Control& c, MouseButton button) {
    return button == MouseButton::Left || c.kind == ControlKind::Image;
}

} // namespace

void Zandiro::click(ControlId id) {
    if (!window.visible || id < 0 || id >= form.size()) {
        return;
    }
    const Control& c = form.at(id);
    if (!c.visible || !c.enabled) {
        return;
    }
    if (const ClickHandler handler = handlerOf(c)) {
        handler(*this, static_cast<std::int16_t>(c.index));
    }
}

void Zandiro::mouseDown(double x, double y) {
    if (!window.visible) {
        return;
    }
    const ControlId target = controlAt(form, x, y);
    lastPressOnForm_ = target == noControl;
    pressed_ = target;
    if (target == noControl) {
        Form_MouseDown(0, 0, static_cast<float>(x), static_cast<float>(y));
    }
}

void Zandiro::mouseUp(MouseButton button, double x, double y) {
    const ControlId pressed = pressed_;
    pressed_ = noControl;
    if (!window.visible || pressed == noControl || controlAt(form, x, y) != pressed) {
        return;
    }
    if (clicksWith(form.at(pressed), button)) {
        click(pressed);
    }
}

// The second press of a double-click arrives as a double-click only, and it
// goes where the first press went.
void Zandiro::dblClick(double, double) {
    pressed_ = noControl;
    if (window.visible && lastPressOnForm_) {
        Form_DblClick();
    }
}

void Zandiro::Form_DblClick() {
    cheat_.show();
    window.visible = false;
}

void Zandiro::Label1_Click() {
    platform_.messageBox(translated("Code is: k, ;, /, Shift, Insert, End."));
}

void Zandiro::Label2_Click() {
    platform_.messageBox(
        translated("Code is: Page Up, Backspace, m, -, F2, a number from 1 to 5."));
}

} // namespace zandiro
