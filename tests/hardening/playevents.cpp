#include "playevents.h"
#include "splitmix.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

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

std::string buttonArgument(MouseButton button) {
    switch (button) {
    case MouseButton::Right:
        return ", MouseButton::Right";
    case MouseButton::Middle:
        return ", MouseButton::Middle";
    default:
        return "";
    }
}

std::string windowName(GameWindow window) {
    return window == GameWindow::Main ? "GameWindow::Main" : "GameWindow::Code";
}

std::string placeText(FocusPlace place) {
    const char* names[] = {"{}", "button", "die", "category"};
    const auto kind = static_cast<std::size_t>(place.kind);
    return kind == 0 ? names[0] : names[kind] + ("(" + std::to_string(place.number) + ")");
}

std::string keyText(const Input& in) {
    const KeyModifiers& m = in.modifiers;
    const auto flag = [](bool on) { return on ? "true" : "false"; };
    const bool plain = !m.shift && !m.control && !m.alt && !m.meta;
    const std::string modifiers = std::string(", {") + flag(m.shift) + ", " + flag(m.control) +
                                  ", " + flag(m.alt) + ", " + flag(m.meta) + "}";
    std::string text = "keyDown(" + windowName(in.window) + ", " + std::to_string(in.virtualKey) +
                       (plain && !in.repeat ? ""
                        : plain             ? ", {}"
                                            : modifiers) +
                       (in.repeat ? ", true)" : ")");
    return in.tabLeaves ? "tabLeaving(" + text + ")" : text;
}

std::string inputText(const Input& in) {
    switch (in.kind) {
    case Input::Kind::Press:
        return "pressAt(" + coordinates(in.x, in.y) + buttonArgument(in.button) + ")";
    case Input::Kind::Release:
        return "releaseAt(" + coordinates(in.x, in.y) + buttonArgument(in.button) + ")";
    case Input::Kind::DoubleClick:
        return "doubleClickAt(" + coordinates(in.x, in.y) + ")";
    case Input::Kind::Key:
        return keyText(in);
    case Input::Kind::Activate:
        return "activateAt(" + placeText(in.place) + ")";
    case Input::Kind::Close:
        return "closeBoxOf(" + windowName(in.window) + ")";
    case Input::Kind::MessageClosed:
        return "messageClosed()";
    }
    return "?";
}

} // namespace

Input tabLeaving(Input key) {
    key.tabLeaves = true;
    return key;
}

std::string describe(const Event& e) {
    const std::string input = inputText(e.input);
    return e.draws == 0 ? input : "{" + input + ", " + hex(e.draws) + "}";
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

bool deliver(Program& program, PlayPlatform& platform, const Event& e) {
    platform.beginEvent(program, e.draws);
    return program.handle(e.input);
}

} // namespace zandiro::hardening
