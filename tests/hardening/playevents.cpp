#include "playevents.h"
#include "splitmix.h"

#include "form/hittest.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace zandiro::hardening {
namespace {

// Draws on and just below the borders between faces, and the extremes of [0, 1).
const std::array<double, 12> edgeDraws{
    0.0,
    std::nextafter(1.0, 0.0),
    1.0 / 6,
    2.0 / 6,
    3.0 / 6,
    4.0 / 6,
    5.0 / 6,
    std::nextafter(1.0 / 6, 0.0),
    std::nextafter(2.0 / 6, 0.0),
    std::nextafter(3.0 / 6, 0.0),
    std::nextafter(4.0 / 6, 0.0),
    std::nextafter(5.0 / 6, 0.0),
};

MouseButton mouseButton(int button) {
    switch (button) {
    case 1:
        return MouseButton::Right;
    case 2:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

// A replayed list may name a control the layout no longer has.
ControlId findControl(const Form& form, const std::string& name, int index) {
    try {
        return form.find(name, index);
    } catch (const std::out_of_range&) {
        return noControl;
    }
}

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08xu", value);
    return text;
}

std::string coordinates(double x, double y) {
    std::ostringstream out;
    out.precision(17);
    out << x << ", " << y;
    return out.str();
}

} // namespace

Event click(std::string control, int index, std::uint32_t draws) {
    Event e;
    e.kind = EventKind::Click;
    e.control = std::move(control);
    e.index = index;
    e.draws = draws;
    return e;
}

Event mouseDown(int button, int shift, double x, double y) {
    Event e;
    e.kind = EventKind::MouseDown;
    e.button = button;
    e.shift = shift;
    e.x = x;
    e.y = y;
    return e;
}

Event mouseUp(int button, double x, double y, std::uint32_t draws) {
    Event e;
    e.kind = EventKind::MouseUp;
    e.button = button;
    e.x = x;
    e.y = y;
    e.draws = draws;
    return e;
}

Event dblClick(double x, double y) {
    Event e;
    e.kind = EventKind::DblClick;
    e.x = x;
    e.y = y;
    return e;
}

Event closeMain() {
    Event e;
    e.kind = EventKind::MainClose;
    return e;
}

Event keyDown(int key, int shift) {
    Event e;
    e.kind = EventKind::KeyDown;
    e.key = key;
    e.shift = shift;
    return e;
}

Event closeCode() {
    Event e;
    e.kind = EventKind::CodeClose;
    return e;
}

Event mainKey(GameKey key, int die, std::uint32_t draws) {
    Event e;
    e.kind = EventKind::MainKey;
    e.key = static_cast<int>(key);
    e.index = die;
    e.draws = draws;
    return e;
}

Event formPress(double x, double y) {
    Event e;
    e.kind = EventKind::FormPress;
    e.x = x;
    e.y = y;
    return e;
}

std::string describe(const Event& e) {
    switch (e.kind) {
    case EventKind::Click:
        return "click(\"" + e.control + "\", " + std::to_string(e.index) + ", " + hex(e.draws) +
               ")";
    case EventKind::MouseDown:
        return "mouseDown(" + std::to_string(e.button) + ", " + std::to_string(e.shift) + ", " +
               coordinates(e.x, e.y) + ")";
    case EventKind::MouseUp:
        return "mouseUp(" + std::to_string(e.button) + ", " + coordinates(e.x, e.y) + ", " +
               hex(e.draws) + ")";
    case EventKind::DblClick:
        return "dblClick(" + coordinates(e.x, e.y) + ")";
    case EventKind::MainClose:
        return "closeMain()";
    case EventKind::KeyDown:
        return "keyDown(" + std::to_string(e.key) + ", " + std::to_string(e.shift) + ")";
    case EventKind::CodeClose:
        return "closeCode()";
    case EventKind::MainKey:
        return "mainKey(GameKey(" + std::to_string(e.key) + "), " + std::to_string(e.index) + ", " +
               hex(e.draws) + ")";
    case EventKind::FormPress:
        return "formPress(" + coordinates(e.x, e.y) + ")";
    }
    return "?";
}

std::string describe(const std::vector<Event>& events) {
    std::string text = "{\n";
    for (const Event& e : events) {
        text += "    " + describe(e) + ",\n";
    }
    return text + "}";
}

void PlayPlatform::messageBox(const std::string& text) {
    messages.push_back(text);
    if (program_ != nullptr) {
        atBox = std::pair(sight(*program_), program_->keyboard.focus());
    }
}

void PlayPlatform::beginEvent(const Program& program, std::uint32_t draws) {
    program_ = &program;
    plan_ = draws;
    stream_ = draws;
    drawn_ = 0;
    messages.clear();
    atBox.reset();
}

// The low three bits of the plan choose how the dice fall: mostly uniform, a
// quarter of the plans roll one face on every die, one in eight walks the
// borders between faces.
double PlayPlatform::rnd() {
    const std::uint64_t bits = splitmix(stream_);
    const int n = drawn_++;
    switch (plan_ & 7u) {
    case 4:
    case 5: {
        const int face = static_cast<int>((plan_ >> 3) % 6);
        return (face + 0.5) / 6;
    }
    case 6:
        return edgeDraws[(static_cast<std::size_t>(plan_ >> 3) + static_cast<std::size_t>(n)) %
                         edgeDraws.size()];
    default:
        return static_cast<double>(bits >> 11) * (1.0 / 9007199254740992.0);
    }
}

namespace {

// Calls the handler of the event; `clicked` is the control a Click names.
void send(Program& program, const Event& e, ControlId clicked) {
    Zandiro& z = program.zandiro;
    switch (e.kind) {
    case EventKind::Click:
        z.click(clicked);
        break;
    case EventKind::MouseDown:
        z.mouseDown(e.x, e.y);
        break;
    case EventKind::MouseUp:
        z.mouseUp(mouseButton(e.button), e.x, e.y);
        break;
    case EventKind::DblClick:
        z.dblClick(e.x, e.y);
        break;
    case EventKind::MainClose:
        z.closeBox();
        break;
    case EventKind::KeyDown:
        program.cheat.Form_KeyDown(static_cast<std::int16_t>(e.key),
                                   static_cast<std::int16_t>(e.shift));
        break;
    case EventKind::CodeClose:
        program.cheat.closeBox();
        break;
    case EventKind::MainKey:
        program.keyboard.press(static_cast<GameKey>(e.key), e.index);
        break;
    case EventKind::FormPress:
        z.Form_MouseDown(1, 0, static_cast<float>(e.x), static_cast<float>(e.y));
        break;
    }
}

} // namespace

bool deliver(Program& program, PlayPlatform& platform, const Event& e) {
    if (platform.ended) {
        return false;
    }
    const Zandiro& z = program.zandiro;
    const bool toCodeWindow = e.kind == EventKind::KeyDown || e.kind == EventKind::CodeClose;
    const bool shown = toCodeWindow ? program.cheat.window.visible : z.window.visible;
    const ControlId clicked =
        e.kind == EventKind::Click ? findControl(z.form, e.control, e.index) : noControl;
    if (!shown || (e.kind == EventKind::Click && clicked < 0)) {
        return false;
    }
    platform.beginEvent(program, e.draws);
    program.handle([&] { send(program, e, clicked); });
    return true;
}

} // namespace zandiro::hardening
