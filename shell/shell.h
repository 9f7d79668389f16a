#pragma once

#include "game/platform.h"
#include "game/program.h"

#include <memory>

namespace zandiro {

class MainWindow;
class CheatWindow;

// The program on screen: the game and its two windows, kept in step with it
// after every event.
class Shell {
  public:
    explicit Shell(Platform& platform);
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // Creates and shows the start window.
    void start();
    // Copies the game's state into both windows.
    void refresh();
    // Runs an event of either window in the game, then refreshes.
    void deliver(const EventCall& event);
    // Hides every window for good: the program is ending.
    void end();

    Program& program() { return program_; }
    MainWindow& mainWindow() { return *main_; }
    // The code window, or null while it has never been loaded.
    CheatWindow* cheatWindow() { return cheat_.get(); }

  private:
    Program program_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<CheatWindow> cheat_;
    bool ended_ = false;
};

} // namespace zandiro
