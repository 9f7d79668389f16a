#pragma once

#include "form/control.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zandiro {

using ControlId = int;

// The controls of one window: kept in creation order, addressed by name (and by
// index for control arrays), with a drawing order from back to front.
class Form {
  public:
    ControlId add(Control control);
    void clear();

    // A new array member as a copy of the lowest-index member, hidden until shown.
    ControlId loadMember(std::string_view name, int index);
    void bringToFront(ControlId id);

    Control& at(ControlId id) { return controls_.at(static_cast<std::size_t>(id)); }
    const Control& at(ControlId id) const { return controls_.at(static_cast<std::size_t>(id)); }
    ControlId find(std::string_view name, int index = -1) const;
    Control& get(std::string_view name, int index = -1) { return at(find(name, index)); }
    const Control& get(std::string_view name, int index = -1) const {
        return at(find(name, index));
    }
    int memberCount(std::string_view name) const;

    const std::vector<Control>& controls() const { return controls_; }
    const std::vector<ControlId>& drawingOrder() const { return drawingOrder_; }
    int size() const { return static_cast<int>(controls_.size()); }

  private:
    const std::vector<ControlId>* members(std::string_view name) const;

    std::vector<Control> controls_;
    std::vector<ControlId> drawingOrder_;
    // By name, the ids of a family's members at their index + 1; a single
    // control (index -1) stands at 0, and a missing member is -1.
    std::map<std::string, std::vector<ControlId>, std::less<>> byName_;
};

} // namespace zandiro
