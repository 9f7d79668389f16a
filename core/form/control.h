#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zandiro {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb usedColour{0, 0, 255};

struct Font {
    std::string face;
    double points = 0;
    int weight = 400;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class ControlKind { Label, PushButton, Image, RoundedRect, Circle };
enum class Align { Left, Centre };

// One control of a window as plain data. Positions and sizes are pixels of the
// window's client area. An unset colour or font means the platform's default.
struct Control {
    std::string name;
    int index = -1; // member index in a control array, -1 for a single control
    ControlKind kind = ControlKind::Label;
    std::string caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<Rgb> background;
    bool transparent = false;
    std::optional<Rgb> foreground;
    std::optional<Font> font;
    bool bordered = false;
    Align align = Align::Left;
    bool autosize = false;
    bool wordWrap = false;
    bool visible = true;
    bool enabled = true;
    int tabIndex = -1;
    bool hasPicture = false;

    bool contains(double x, double y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    bool isShape() const { return kind == ControlKind::RoundedRect || kind == ControlKind::Circle; }
    friend bool operator==(const Control&, const Control&) = default;
};

} // namespace zandiro
