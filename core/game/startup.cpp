#include "codewindow/cheat.h"
#include "game/layout.h"
#include "game/zandiro.h"

namespace zandiro {

Zandiro::Zandiro(Module1& module1, Platform& platform, Cheat& cheat)
    : module1_(module1), platform_(platform), cheat_(cheat) {}

void Zandiro::load() {
    form.clear();
    buildMainLayout(form);
    window.title = mainTitle;
    window.loaded = true;
    ++window.generation;
    pressed_ = -1;
    lastPressOnForm_ = false;
    Form_Load();
    window.visible = true;
}

void Zandiro::Form_Load() {
    platform_.randomize();
    rolls = 0;
    module1_.cheatsteps = 0;
    module1_.unlimitedrolls = 0;
    module1_.rollsperturn = 3;
    filled = 0;
    for (int f = 1; f <= 6; ++f) {
        upper[f] = 0;
        facecount[f] = 0;
    }
    uppertotal = 0;
    thrkindscore = 0;
    frkindscore = 0;
    fullhscore = 0;
    sstrscore = 0;
    lstrscore = 0;
    fvkindscore = 0;
    chancescore = 0;
    lowertotal = 0;
    loadimages();
    loadlabels();
    // The first turn waits for a roll like every other turn: scoring now would
    // score dice that were never rolled in this game.
    setCategoriesEnabled(false);
}

void Zandiro::restart_Click() {
    // Unloading destroys the controls; the variables belong to the object and stay.
    form.clear();
    window.loaded = false;
    window.visible = false;
    load();
}

void Zandiro::exitgame_Click() {
    platform_.endProgram();
}

// Closing the window through its frame ends the program, as Exit does.
void Zandiro::closeBox() {
    exitgame_Click();
}

} // namespace zandiro
