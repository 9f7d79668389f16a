#pragma once

#include <random>

namespace zandiro {

// Uniform draws in [0, 1), seeded from the clock. Draws 53 random bits and
// scales them, so a draw can never reach 1.0 (which would make a die of 7).
class ClockRandom {
  public:
    void randomize();
    double next();

  private:
    std::mt19937_64 engine_{0};
};

} // namespace zandiro
