#pragma once

#include <string>

namespace zandiro {

// The state of a top-level window that the player can see: its title, whether
// it exists and whether it is shown. `generation` counts the creations of its
// controls, so a view knows when to build its widgets afresh.
struct WindowFrame {
    std::string title;
    bool loaded = false;
    bool visible = false;
    int generation = 0;
};

} // namespace zandiro
