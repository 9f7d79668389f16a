#include "form/hittest.h"

namespace zandiro {
namespace {

// The front-most visible control at (x, y) that passes the filter. Walks the
// drawing order with reverse iterators: clang 14 cannot compile libstdc++ 12's
// views::reverse, and the fuzz build uses clang.
template <typename Filter> ControlId frontMost(const Form& form, double x, double y, Filter takes) {
    const std::vector<ControlId>& order = form.drawingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Control& c = form.at(*it);
        if (takes(c) && c.visible && c.contains(x, y)) {
            return *it;
        }
    }
    return noControl;
}

} // namespace

ControlId controlAt(const Form& form, double x, double y) {
    // Push buttons are windows of their own and lie above everything drawn.
    const ControlId button =
        frontMost(form, x, y, [](const Control& c) { return c.kind == ControlKind::PushButton; });
    if (button != noControl) {
        return button;
    }
    return frontMost(form, x, y, [](const Control& c) { return !c.isShape(); });
}

} // namespace zandiro
