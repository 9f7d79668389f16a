#pragma once

#include <cstdint>

namespace zandiro::hardening {

// The splitmix64 generator: a fast, well-mixed 64-bit stream from any seed,
// the same on every machine, so a seed replays the same play anywhere.
inline std::uint64_t splitmix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace zandiro::hardening
