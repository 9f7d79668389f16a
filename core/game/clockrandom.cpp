#include "game/clockrandom.h"

#include <chrono>
#include <cstdint>

namespace zandiro {

void ClockRandom::randomize() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(now));
}

double ClockRandom::next() {
    constexpr double scale = 1.0 / 9007199254740992.0; // 2^-53
    return static_cast<double>(engine_() >> 11) * scale;
}

} // namespace zandiro
