#include "ui/form.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zandiro {

ControlId Form::add(Control control) {
    const ControlId id = size();
    controls_.push_back(std::move(control));
    drawingOrder_.push_back(id);
    return id;
}

void Form::clear() {
    controls_.clear();
    drawingOrder_.clear();
}

ControlId Form::loadMember(std::string_view name, int index) {
    const Control* lowest = nullptr;
    for (const Control& c : controls_) {
        if (c.name == name && c.index >= 0 && (lowest == nullptr || c.index < lowest->index)) {
            lowest = &c;
        }
        if (c.name == name && c.index == index) {
            throw std::logic_error("control array member already loaded: " + std::string(name));
        }
    }
    if (lowest == nullptr) {
        throw std::logic_error("no control array named " + std::string(name));
    }
    Control copy = *lowest;
    copy.index = index;
    copy.visible = false;
    return add(std::move(copy));
}

void Form::bringToFront(ControlId id) {
    auto it = std::find(drawingOrder_.begin(), drawingOrder_.end(), id);
    if (it != drawingOrder_.end()) {
        drawingOrder_.erase(it);
    }
    drawingOrder_.push_back(id);
}

ControlId Form::find(std::string_view name, int index) const {
    for (ControlId id = 0; id < size(); ++id) {
        const Control& c = controls_[static_cast<std::size_t>(id)];
        if (c.name == name && c.index == index) {
            return id;
        }
    }
    throw std::out_of_range("no control " + std::string(name) + "(" + std::to_string(index) + ")");
}

int Form::memberCount(std::string_view name) const {
    return static_cast<int>(
        std::count_if(controls_.begin(), controls_.end(),
                      [&](const Control& c) { return c.name == name && c.index >= 0; }));
}

} // namespace zandiro
