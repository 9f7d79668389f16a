#pragma once

#include <cstdint>

namespace zandiro::vk {

// Windows virtual-key codes of the keys the game knows.
inline constexpr std::int16_t back = 0x08;
inline constexpr std::int16_t tab = 0x09;
inline constexpr std::int16_t enter = 0x0D;
inline constexpr std::int16_t shift = 0x10;
inline constexpr std::int16_t control = 0x11;
inline constexpr std::int16_t menu = 0x12;
inline constexpr std::int16_t pause = 0x13;
inline constexpr std::int16_t capital = 0x14; // Caps Lock
inline constexpr std::int16_t escape = 0x1B;
inline constexpr std::int16_t space = 0x20;
inline constexpr std::int16_t prior = 0x21; // Page Up
inline constexpr std::int16_t next = 0x22;  // Page Down
inline constexpr std::int16_t end = 0x23;
inline constexpr std::int16_t home = 0x24;
inline constexpr std::int16_t left = 0x25;
inline constexpr std::int16_t up = 0x26;
inline constexpr std::int16_t right = 0x27;
inline constexpr std::int16_t down = 0x28;
inline constexpr std::int16_t snapshot = 0x2C; // Print Screen
inline constexpr std::int16_t insert = 0x2D;
inline constexpr std::int16_t del = 0x2E;
inline constexpr std::int16_t digit0 = 0x30;  // digits 0 to 9 are 0x30 to 0x39
inline constexpr std::int16_t letterA = 0x41; // letters A to Z are 0x41 to 0x5A
inline constexpr std::int16_t letterK = 0x4B;
inline constexpr std::int16_t letterM = 0x4D;
inline constexpr std::int16_t letterQ = 0x51;
inline constexpr std::int16_t letterR = 0x52;
inline constexpr std::int16_t leftWindows = 0x5B;
inline constexpr std::int16_t apps = 0x5D;    // the menu key
inline constexpr std::int16_t numpad0 = 0x60; // keypad digits 0 to 9 are 0x60 to 0x69
inline constexpr std::int16_t multiply = 0x6A;
inline constexpr std::int16_t add = 0x6B;
inline constexpr std::int16_t subtract = 0x6D;
inline constexpr std::int16_t decimal = 0x6E;
inline constexpr std::int16_t divide = 0x6F;
inline constexpr std::int16_t f1 = 0x70; // F1 to F24 are 0x70 to 0x87
inline constexpr std::int16_t f2 = 0x71;
inline constexpr std::int16_t numLock = 0x90;
inline constexpr std::int16_t scrollLock = 0x91;
inline constexpr std::int16_t oem1 = 0xBA;      // ; and :
inline constexpr std::int16_t oemPlus = 0xBB;   // = and +
inline constexpr std::int16_t oemComma = 0xBC;  // , and <
inline constexpr std::int16_t oemMinus = 0xBD;  // - and _
inline constexpr std::int16_t oemPeriod = 0xBE; // . and >
inline constexpr std::int16_t oem2 = 0xBF;      // / and ?
inline constexpr std::int16_t oem3 = 0xC0;      // ` and ~
inline constexpr std::int16_t oem4 = 0xDB;      // [ and {
inline constexpr std::int16_t oem5 = 0xDC;      // \ and |
inline constexpr std::int16_t oem6 = 0xDD;      // ] and }
inline constexpr std::int16_t oem7 = 0xDE;      // ' and "

} // namespace zandiro::vk
