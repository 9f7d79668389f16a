#include "shell/keymap.h"

#include "input/virtualkeys.h"

namespace zandiro {
namespace {

struct KeyCode {
    int qtKey;
    std::int16_t code;
};

// Keys whose code does not follow from a range of letters, digits or F-keys.
constexpr KeyCode namedKeys[] = {
    {Qt::Key_Backspace, vk::back},
    {Qt::Key_Tab, vk::tab},
    {Qt::Key_Return, vk::enter},
    {Qt::Key_Enter, vk::enter},
    {Qt::Key_Shift, vk::shift},
    {Qt::Key_Control, vk::control},
    {Qt::Key_Alt, vk::menu},
    {Qt::Key_Escape, vk::escape},
    {Qt::Key_Space, vk::space},
    {Qt::Key_PageUp, vk::prior},
    {Qt::Key_PageDown, vk::next},
    {Qt::Key_End, vk::end},
    {Qt::Key_Home, vk::home},
    {Qt::Key_Insert, vk::insert},
    {Qt::Key_Delete, vk::del},
    {Qt::Key_Left, vk::left},
    {Qt::Key_Up, vk::up},
    {Qt::Key_Right, vk::right},
    {Qt::Key_Down, vk::down},
    {Qt::Key_CapsLock, vk::capital},
    {Qt::Key_Pause, vk::pause},
    {Qt::Key_Print, vk::snapshot},
    {Qt::Key_NumLock, vk::numLock},
    {Qt::Key_ScrollLock, vk::scrollLock},
    {Qt::Key_Meta, vk::leftWindows},
    {Qt::Key_Menu, vk::apps},
    {Qt::Key_Semicolon, vk::oem1},
    {Qt::Key_Equal, vk::oemPlus},
    {Qt::Key_Comma, vk::oemComma},
    {Qt::Key_Minus, vk::oemMinus},
    {Qt::Key_Period, vk::oemPeriod},
    {Qt::Key_Slash, vk::oem2},
    {Qt::Key_QuoteLeft, vk::oem3},
    {Qt::Key_BracketLeft, vk::oem4},
    {Qt::Key_Backslash, vk::oem5},
    {Qt::Key_BracketRight, vk::oem6},
    {Qt::Key_Apostrophe, vk::oem7},
};

// What Shift makes of a key, with the code of the key that types it, as on a
// US keyboard: Shift+Tab arrives as Backtab, Shift+; as a colon.
constexpr KeyCode shiftedKeys[] = {
    {Qt::Key_Backtab, vk::tab},           {Qt::Key_Colon, vk::oem1},
    {Qt::Key_Plus, vk::oemPlus},          {Qt::Key_Less, vk::oemComma},
    {Qt::Key_Underscore, vk::oemMinus},   {Qt::Key_Greater, vk::oemPeriod},
    {Qt::Key_Question, vk::oem2},         {Qt::Key_AsciiTilde, vk::oem3},
    {Qt::Key_BraceLeft, vk::oem4},        {Qt::Key_Bar, vk::oem5},
    {Qt::Key_BraceRight, vk::oem6},       {Qt::Key_QuoteDbl, vk::oem7},
    {Qt::Key_Exclam, vk::digit0 + 1},     {Qt::Key_At, vk::digit0 + 2},
    {Qt::Key_NumberSign, vk::digit0 + 3}, {Qt::Key_Dollar, vk::digit0 + 4},
    {Qt::Key_Percent, vk::digit0 + 5},    {Qt::Key_AsciiCircum, vk::digit0 + 6},
    {Qt::Key_Ampersand, vk::digit0 + 7},  {Qt::Key_Asterisk, vk::digit0 + 8},
    {Qt::Key_ParenLeft, vk::digit0 + 9},  {Qt::Key_ParenRight, vk::digit0},
};

// The keypad's own keys; with Num Lock off its digits arrive as the
// navigation keys and keep those keys' codes.
constexpr KeyCode keypadKeys[] = {
    {Qt::Key_Asterisk, vk::multiply}, {Qt::Key_Plus, vk::add},     {Qt::Key_Minus, vk::subtract},
    {Qt::Key_Period, vk::decimal},    {Qt::Key_Slash, vk::divide},
};

std::int16_t lookUp(const KeyCode* begin, const KeyCode* end, int qtKey) {
    for (const KeyCode* entry = begin; entry != end; ++entry) {
        if (entry->qtKey == qtKey) {
            return entry->code;
        }
    }
    return 0;
}

std::int16_t offset(std::int16_t first, int steps) {
    return static_cast<std::int16_t>(first + steps);
}

} // namespace

std::int16_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return offset(keypad ? vk::numpad0 : vk::digit0, qtKey - Qt::Key_0);
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return offset(vk::letterA, qtKey - Qt::Key_A);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return offset(vk::f1, qtKey - Qt::Key_F1);
    }
    if (keypad) {
        if (const std::int16_t code = lookUp(std::begin(keypadKeys), std::end(keypadKeys), qtKey)) {
            return code;
        }
    }
    if (const std::int16_t code = lookUp(std::begin(namedKeys), std::end(namedKeys), qtKey)) {
        return code;
    }
    return lookUp(std::begin(shiftedKeys), std::end(shiftedKeys), qtKey);
}

KeyModifiers keyModifiers(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool shifted = lookUp(std::begin(shiftedKeys), std::end(shiftedKeys), qtKey) != 0;
    return {shifted, modifiers.testFlag(Qt::ControlModifier),
            (modifiers & (Qt::AltModifier | Qt::GroupSwitchModifier)) != Qt::NoModifier,
            modifiers.testFlag(Qt::MetaModifier)};
}

} // namespace zandiro
