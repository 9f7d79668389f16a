#include "web/keycodes.h"

#include "input/virtualkeys.h"

#include <iterator>

namespace zandiro::web {
namespace {

struct NamedKey {
    std::string_view code;
    std::int16_t key;
};

// Keys whose code does not follow from a run of letters, digits or F-keys.
constexpr NamedKey namedKeys[] = {
    {"Backspace", vk::back},
    {"Tab", vk::tab},
    {"Enter", vk::enter},
    {"NumpadEnter", vk::enter},
    {"ShiftLeft", vk::shift},
    {"ShiftRight", vk::shift},
    {"ControlLeft", vk::control},
    {"ControlRight", vk::control},
    {"AltLeft", vk::menu},
    {"AltRight", vk::menu},
    {"Pause", vk::pause},
    {"CapsLock", vk::capital},
    {"Escape", vk::escape},
    {"Space", vk::space},
    {"PageUp", vk::prior},
    {"PageDown", vk::next},
    {"End", vk::end},
    {"Home", vk::home},
    {"ArrowLeft", vk::left},
    {"ArrowUp", vk::up},
    {"ArrowRight", vk::right},
    {"ArrowDown", vk::down},
    {"PrintScreen", vk::snapshot},
    {"Insert", vk::insert},
    {"Delete", vk::del},
    {"MetaLeft", vk::leftWindows},
    {"ContextMenu", vk::apps},
    {"NumpadMultiply", vk::multiply},
    {"NumpadAdd", vk::add},
    {"NumpadSubtract", vk::subtract},
    {"NumpadDecimal", vk::decimal},
    {"NumpadDivide", vk::divide},
    {"NumLock", vk::numLock},
    {"ScrollLock", vk::scrollLock},
    {"Semicolon", vk::oem1},
    {"Equal", vk::oemPlus},
    {"Comma", vk::oemComma},
    {"Minus", vk::oemMinus},
    {"Period", vk::oemPeriod},
    {"Slash", vk::oem2},
    {"Backquote", vk::oem3},
    {"BracketLeft", vk::oem4},
    {"Backslash", vk::oem5},
    {"BracketRight", vk::oem6},
    {"Quote", vk::oem7},
};

struct KeyRun {
    std::string_view prefix;
    std::int16_t first;
    int count;
    int firstNumber; // the number the run's first key carries in its name
};

// "KeyA" to "KeyZ", "Digit0" to "Digit9", "Numpad0" to "Numpad9", "F1" to "F24".
constexpr KeyRun runs[] = {
    {"Key", vk::letterA, 26, -1},
    {"Digit", vk::digit0, 10, 0},
    {"Numpad", vk::numpad0, 10, 0},
    {"F", vk::f1, 24, 1},
};

// The position of `rest` in its run: a letter counts from A, a number from
// the run's first number. -1 when it is not in the run.
int positionInRun(const KeyRun& run, std::string_view rest) {
    if (run.firstNumber < 0) {
        return rest.size() == 1 && rest[0] >= 'A' && rest[0] <= 'Z' ? rest[0] - 'A' : -1;
    }
    if (rest.empty() || rest.size() > 2 || (rest[0] == '0' && rest.size() > 1)) {
        return -1;
    }
    int number = 0;
    for (char digit : rest) {
        if (digit < '0' || digit > '9') {
            return -1;
        }
        number = number * 10 + (digit - '0');
    }
    const int position = number - run.firstNumber;
    return position >= 0 && position < run.count ? position : -1;
}

} // namespace

std::int16_t virtualKeyOf(std::string_view code) {
    for (const NamedKey& named : namedKeys) {
        if (named.code == code) {
            return named.key;
        }
    }
    for (const KeyRun& run : runs) {
        if (code.substr(0, run.prefix.size()) == run.prefix) {
            const int position = positionInRun(run, code.substr(run.prefix.size()));
            if (position >= 0) {
                return static_cast<std::int16_t>(run.first + position);
            }
        }
    }
    return 0;
}

KeyModifiers gameModifiers(std::int16_t virtualKey, std::string_view typed, KeyModifiers held) {
    if (virtualKey >= vk::digit0 && virtualKey <= vk::digit0 + 9) {
        held.shift = typed.size() != 1 || typed[0] != '0' + (virtualKey - vk::digit0);
    }
    return held;
}

} // namespace zandiro::web
