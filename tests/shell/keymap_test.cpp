#include "shell/keymap.h"

#include <QKeyEvent>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace zandiro {
namespace {

constexpr auto none = Qt::NoModifier;
constexpr auto shift = Qt::ShiftModifier;
constexpr auto keypad = Qt::KeypadModifier;

// One key press as X11 hands it to Qt: the key, the modifiers and the text.
// Shift changes the key of a symbol (Shift+; is Key_Colon); Caps Lock changes
// only the text of a letter and sets no modifier.
struct Press {
    std::string what;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

struct KeyCase {
    std::int16_t code;
    std::vector<Press> presses;
};

std::int16_t mapped(const Press& press) {
    const QKeyEvent event(QEvent::KeyPress, press.key, press.modifiers, press.text);
    return virtualKeyCode(event);
}

void expectAll(const std::vector<KeyCase>& cases) {
    for (const KeyCase& c : cases) {
        for (const Press& press : c.presses) {
            EXPECT_EQ(mapped(press), c.code) << press.what;
        }
    }
}

// Every way of pressing a letter key gives the letter's code.
KeyCase letter(char upper) {
    const int key = Qt::Key_A + (upper - 'A');
    const QString capital(QChar::fromLatin1(upper));
    const QString small = capital.toLower();
    const std::string name(1, upper);
    return {static_cast<std::int16_t>(upper),
            {{name, key, none, small},
             {"Shift+" + name, key, shift, capital},
             {"Caps Lock+" + name, key, none, capital},
             {"Caps Lock+Shift+" + name, key, shift, small}}};
}

// A key that types no character: Shift and Caps Lock leave it alone.
KeyCase plain(const char* name, int key, std::int16_t code) {
    return {code, {{name, key, none, {}}, {std::string("Shift+") + name, key, shift, {}}}};
}

TEST(KeyMap, KeysOfTheUnlimitedRollsCodeWhateverShiftAndCapsLock) {
    expectAll({
        letter('K'),
        {0xBA,
         {{";", Qt::Key_Semicolon, none, ";"},
          {"Shift+;", Qt::Key_Colon, shift, ":"},
          {"Caps Lock+;", Qt::Key_Semicolon, none, ";"}}},
        {0xBF,
         {{"/", Qt::Key_Slash, none, "/"},
          {"Shift+/", Qt::Key_Question, shift, "?"},
          {"Caps Lock+/", Qt::Key_Slash, none, "/"}}},
        {0x10,
         {{"Shift", Qt::Key_Shift, none, {}}, {"Shift with Shift held", Qt::Key_Shift, shift, {}}}},
        plain("Insert", Qt::Key_Insert, 0x2D),
        plain("End", Qt::Key_End, 0x23),
    });
}

TEST(KeyMap, KeysOfTheRollCountCodeWhateverShiftAndCapsLock) {
    expectAll({
        plain("Page Up", Qt::Key_PageUp, 0x21),
        plain("Backspace", Qt::Key_Backspace, 0x08),
        letter('M'),
        {0xBD,
         {{"-", Qt::Key_Minus, none, "-"},
          {"Shift+-", Qt::Key_Underscore, shift, "_"},
          {"Caps Lock+-", Qt::Key_Minus, none, "-"}}},
        plain("F2", Qt::Key_F2, 0x71),
        letter('Q'),
    });
}

TEST(KeyMap, MainKeyboardDigitsWhateverShift) {
    const int shifted[] = {Qt::Key_ParenRight,  Qt::Key_Exclam,    Qt::Key_At,
                           Qt::Key_NumberSign,  Qt::Key_Dollar,    Qt::Key_Percent,
                           Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,
                           Qt::Key_ParenLeft};
    for (int digit = 0; digit <= 9; ++digit) {
        const std::string name = std::to_string(digit);
        const QString text = QString::number(digit);
        expectAll({{static_cast<std::int16_t>(48 + digit),
                    {{name, Qt::Key_0 + digit, none, text},
                     {"Caps Lock+" + name, Qt::Key_0 + digit, none, text},
                     {"Shift+" + name, shifted[digit], shift, {}}}}});
    }
}

TEST(KeyMap, KeypadDigitsAreKeysOfTheirOwn) {
    for (int digit = 0; digit <= 9; ++digit) {
        const std::string name = "keypad " + std::to_string(digit);
        const Press press{name, Qt::Key_0 + digit, keypad, QString::number(digit)};
        EXPECT_EQ(mapped(press), 0x60 + digit) << name;
    }
    // Keypad symbols are not the main keyboard's minus and slash.
    EXPECT_EQ(mapped({"keypad -", Qt::Key_Minus, keypad, "-"}), 0x6D);
    EXPECT_EQ(mapped({"keypad /", Qt::Key_Slash, keypad, "/"}), 0x6F);
    // With Num Lock off the keypad's 1 and 0 are End and Insert, as on Windows.
    EXPECT_EQ(mapped({"keypad End", Qt::Key_End, keypad, {}}), 0x23);
    EXPECT_EQ(mapped({"keypad Insert", Qt::Key_Insert, keypad, {}}), 0x2D);
}

TEST(KeyMap, UnknownKeysGiveNoKeyOfACodeNorQNorADigit) {
    const std::vector<std::int16_t> meaningful{0x4B, 0xBA, 0xBF, 0x10, 0x2D, 0x23, 0x21, 0x08, 0x4D,
                                               0xBD, 0x71, 0x51, 49,   50,   51,   52,   53};
    const Press unknown[] = {{"unknown", Qt::Key_unknown, none, {}},
                             {"a-umlaut", Qt::Key_Adiaeresis, none, "\u00e4"},
                             {"dead grave", Qt::Key_Dead_Grave, none, {}},
                             {"volume up", Qt::Key_VolumeUp, none, {}}};
    for (const Press& press : unknown) {
        const std::int16_t code = mapped(press);
        EXPECT_EQ(std::count(meaningful.begin(), meaningful.end(), code), 0)
            << press.what << " gave " << code;
    }
}

// Qt reports the key Shift made: Shift+Tab is Backtab, with the modifier or
// without, and a digit with Shift held is a digit where the layout types
// digits with Shift (AZERTY), a symbol where it types them without.
TEST(KeyMap, TheMainWindowHearsShiftWhereItMadeTheKey) {
    const struct {
        std::string what;
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<GameKey> game;
        int die;
    } cases[] = {
        {"Backtab", Qt::Key_Backtab, none, GameKey::BackTab, 0},
        {"Shift+Tab", Qt::Key_Backtab, shift, GameKey::BackTab, 0},
        {"US Shift+1", Qt::Key_Exclam, shift, std::nullopt, 0},
        {"AZERTY !", Qt::Key_Exclam, none, std::nullopt, 0},
        {"AZERTY Shift+1", Qt::Key_1, shift, GameKey::Die, 1},
        {"Shift+keypad 5", Qt::Key_5, shift | keypad, GameKey::Die, 5},
        {"Ctrl+Shift+Q", Qt::Key_Q, Qt::ControlModifier | shift, GameKey::Quit, 0},
        {"Mode_switch+R", Qt::Key_R, Qt::GroupSwitchModifier, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        const std::optional<MainKey> key = mainKey(virtualKeyCode(event), keyModifiers(event));
        EXPECT_EQ(key ? std::optional(key->key) : std::nullopt, c.game) << c.what;
        EXPECT_EQ(key ? key->die : 0, c.die) << c.what;
    }
}

} // namespace
} // namespace zandiro
