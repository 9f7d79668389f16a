#include "game/windowtexts.h"

#include "game/translation.h"

namespace zandiro {

const char* okButtonText() {
    // TRANSLATORS: the one button of a message box.
    return translated("OK");
}

const char* closeBoxName() {
    // TRANSLATORS: what a screen reader calls the close box of the code window.
    return translated("Close");
}

const char* endedText() {
    // TRANSLATORS: shown in a browser after Exit, which cannot close the page.
    return translated("Zandiro has ended. Reload the page to play again.");
}

} // namespace zandiro
