#include "ui/hittest.h"

#include <ranges>

namespace zandiro {

ControlId controlAt(const Form& form, double x, double y) {
    // Push buttons are windows of their own and lie above everything drawn.
    for (ControlId id : form.drawingOrder() | std::views::reverse) {
        const Control& c = form.at(id);
        if (c.kind == ControlKind::PushButton && c.visible && c.contains(x, y)) {
            return id;
        }
    }
    for (ControlId id : form.drawingOrder() | std::views::reverse) {
        const Control& c = form.at(id);
        if (!c.isShape() && c.visible && c.contains(x, y)) {
            return id;
        }
    }
    return noControl;
}

} // namespace zandiro
