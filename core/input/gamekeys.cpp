#include "input/gamekeys.h"

#include "input/virtualkeys.h"

namespace zandiro {
namespace {

// Whether a binding wants a modifier held, not held, or does not care.
enum class Held { No, Yes, Either };

struct Binding {
    std::int16_t code;
    Held control;
    Held shift;
    MainKey meaning;
};

// A key held with Alt or the Windows key is no game key (mainKey below).
constexpr Binding bindings[] = {
    {vk::tab, Held::No, Held::No, {GameKey::Tab, 0, false}},
    {vk::tab, Held::No, Held::Yes, {GameKey::BackTab, 0, false}},
    {vk::left, Held::No, Held::Either, {GameKey::Left, 0, false}},
    {vk::right, Held::No, Held::Either, {GameKey::Right, 0, false}},
    {vk::up, Held::No, Held::Either, {GameKey::Up, 0, false}},
    {vk::down, Held::No, Held::Either, {GameKey::Down, 0, false}},
    {vk::space, Held::No, Held::Either, {GameKey::Activate, 0, true}},
    {vk::enter, Held::No, Held::Either, {GameKey::Activate, 0, true}},
    {vk::letterR, Held::No, Held::Either, {GameKey::Roll, 0, true}},
    {vk::letterQ, Held::Yes, Held::Either, {GameKey::Quit, 0, true}},
    // The main row's digits give their symbols with Shift; the keypad's stay
    // digits.
    {vk::digit0 + 1, Held::No, Held::No, {GameKey::Die, 1, true}},
    {vk::digit0 + 2, Held::No, Held::No, {GameKey::Die, 2, true}},
    {vk::digit0 + 3, Held::No, Held::No, {GameKey::Die, 3, true}},
    {vk::digit0 + 4, Held::No, Held::No, {GameKey::Die, 4, true}},
    {vk::digit0 + 5, Held::No, Held::No, {GameKey::Die, 5, true}},
    {vk::numpad0 + 1, Held::No, Held::Either, {GameKey::Die, 1, true}},
    {vk::numpad0 + 2, Held::No, Held::Either, {GameKey::Die, 2, true}},
    {vk::numpad0 + 3, Held::No, Held::Either, {GameKey::Die, 3, true}},
    {vk::numpad0 + 4, Held::No, Held::Either, {GameKey::Die, 4, true}},
    {vk::numpad0 + 5, Held::No, Held::Either, {GameKey::Die, 5, true}},
};

bool fits(Held wanted, bool held) {
    return wanted == Held::Either || (wanted == Held::Yes) == held;
}

} // namespace

std::optional<MainKey> mainKey(std::int16_t virtualKey, KeyModifiers modifiers) {
    if (modifiers.alt || modifiers.meta) {
        return std::nullopt;
    }
    for (const Binding& b : bindings) {
        if (b.code == virtualKey && fits(b.control, modifiers.control) &&
            fits(b.shift, modifiers.shift)) {
            return b.meaning;
        }
    }
    return std::nullopt;
}

} // namespace zandiro
