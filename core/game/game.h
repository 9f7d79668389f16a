#pragma once

#include "game/program.h"

namespace zandiro {

// The game as a front end holds it: started as it is made, it answers the
// player's inputs through its one entry, and shows the whole program only to
// be read. A front end draws what it reads and sends what the player does;
// it never writes the game another way.
class Game {
  public:
    explicit Game(Platform& platform) : program_(platform) { program_.start(); }

    bool handle(const Input& input) { return program_.handle(input); }
    const Program& program() const { return program_; }

  private:
    Program program_;
};

} // namespace zandiro
