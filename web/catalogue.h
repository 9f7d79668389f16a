#pragma once

#include <cstddef>
#include <string>

namespace zandiro::web {

// The page fetches the compiled catalogue of the player's language and copies
// it here; gettext then reads it as if from a file.
unsigned char* catalogueBuffer(std::size_t size);

// Makes the game speak `language` (a catalogue's name, such as "de" or
// "pt_BR") from the catalogue in the buffer.
void useCatalogue(const std::string& language);

} // namespace zandiro::web
