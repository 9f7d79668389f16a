#pragma once

namespace zandiro {

// Follows the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) for
// every text of the program: sets the locale and finds the program's message
// catalogues. Called first thing in main().
void useDesktopLanguage();

// Loads Qt's own translation of its texts (the message box's button, the
// command line's help) into the application, once, for the language of the
// program's catalogue in use; nothing under English or without a catalogue.
void translateQtTexts();

} // namespace zandiro
