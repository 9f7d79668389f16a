#pragma once

namespace zandiro {

// Installs, once, the accessibility interfaces of the main window: the dice
// as check boxes named by their faces, the categories as push buttons, and a
// window that leaves the dice's bodies, markers and pips out of its children.
void installAccessibility();

} // namespace zandiro
