#pragma once

#include "game/game.h"
#include "game/platform.h"

#include <memory>

namespace zandiro {

class MainWindow;
class CheatWindow;

// The program on screen: the game and its two windows, kept in step with it
// after every input.
class Shell {
  public:
    explicit Shell(Platform& platform);
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // Shows the start window.
    void start();
    // Copies the game's state into both windows.
    void refresh();
    // Hands the game what the player did, then refreshes. Answers whether the
    // game took it.
    bool deliver(const Input& input);
    // Hides every window for good: the program is ending.
    void end();

    const Program& program() const { return game_.program(); }
    MainWindow& mainWindow() { return *main_; }
    // The code window, or null while it has never been loaded.
    CheatWindow* cheatWindow() { return cheat_.get(); }

  private:
    Game game_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<CheatWindow> cheat_;
    bool ended_ = false;
};

} // namespace zandiro
