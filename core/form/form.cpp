#include "form/form.h"

#include <algorithm>
#include <stdexcept>

namespace zandiro {
namespace {

constexpr ControlId missing = -1;

std::size_t slotOf(int index) {
    return static_cast<std::size_t>(index + 1);
}

ControlId lowestMember(const std::vector<ControlId>& slots) {
    for (std::size_t slot = 1; slot < slots.size(); ++slot) {
        if (slots[slot] != missing) {
            return slots[slot];
        }
    }
    return missing;
}

} // namespace

ControlId Form::add(Control control) {
    const ControlId id = size();
    std::vector<ControlId>& slots = byName_[control.name];
    if (slots.size() <= slotOf(control.index)) {
        slots.resize(slotOf(control.index) + 1, missing);
    }
    slots[slotOf(control.index)] = id;
    controls_.push_back(std::move(control));
    drawingOrder_.push_back(id);
    return id;
}

void Form::clear() {
    controls_.clear();
    drawingOrder_.clear();
    byName_.clear();
}

ControlId Form::loadMember(std::string_view name, int index) {
    const std::vector<ControlId>* slots = members(name);
    const ControlId lowest = slots == nullptr ? missing : lowestMember(*slots);
    if (lowest == missing) {
        throw std::logic_error("no control array named " + std::string(name));
    }
    if (slotOf(index) < slots->size() && (*slots)[slotOf(index)] != missing) {
        throw std::logic_error("control array member already loaded: " + std::string(name));
    }
    Control copy = at(lowest);
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
    const std::vector<ControlId>* slots = members(name);
    if (slots != nullptr && index >= -1 && slotOf(index) < slots->size() &&
        (*slots)[slotOf(index)] != missing) {
        return (*slots)[slotOf(index)];
    }
    throw std::out_of_range("no control " + std::string(name) + "(" + std::to_string(index) + ")");
}

int Form::memberCount(std::string_view name) const {
    const std::vector<ControlId>* slots = members(name);
    if (slots == nullptr || slots->empty()) {
        return 0;
    }
    return static_cast<int>(std::count_if(slots->begin() + 1, slots->end(),
                                          [](ControlId id) { return id != missing; }));
}

const std::vector<ControlId>* Form::members(std::string_view name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : &it->second;
}

} // namespace zandiro
