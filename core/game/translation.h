#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// Every English text a player reads or hears goes through the program's
// message catalogue (GNU gettext, domain ZANDIRO_TEXT_DOMAIN). Under the C
// locale, in English and in a language without a catalogue the English text
// comes back unchanged, so the core's own tests always see English.

// Marks a text for the catalogue where a table only stores it; it is
// translated where it is used.
#define N_(english) english
// The same for a text that holds a count, in a table row with a singular and a
// plural field: English says both the same way where the count is never 1.
#define NP_(english) english, english

namespace zandiro {

// The player's language's version of an English text.
const char* translated(const char* english);

// The player's language's version of a text that `context` tells apart from
// the same English elsewhere (gettext's msgctxt).
const char* translatedInContext(const char* context, const char* english);

// The form of the player's language for a text that holds `count`.
const char* translatedPlural(const char* singular, const char* plural, std::uint64_t count);

// A translated text with %1, %2, ... replaced by the values in order; a
// translation may put them in another order.
std::string fill(const char* phrase, std::initializer_list<std::string> values);

} // namespace zandiro
