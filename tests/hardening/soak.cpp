// Random play for a long time: `zandiro_soak [events] [first seed]`. Prints
// what the player went through; on a broken rule prints the seed and the
// shortest event list that still breaks it, and exits with 1.

#include "playrun.h"

#include <chrono>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace zandiro::hardening;
    const std::size_t events = argc > 1 ? std::stoull(argv[1]) : 1000000;
    const std::uint64_t firstSeed = argc > 2 ? std::stoull(argv[2]) : 1000000;
    const auto start = std::chrono::steady_clock::now();
    PlayStats stats;
    std::uint64_t seed = firstSeed;
    for (; stats.events < events; ++seed) {
        const Session session = playRandom(seed, 20000);
        stats.add(session.stats);
        if (session.failure) {
            std::printf("%s", failureReport(seed, session).c_str());
            return 1;
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%zu events in %llu sessions (seeds %llu to %llu), %.1f s\n", stats.events,
                static_cast<unsigned long long>(seed - firstSeed),
                static_cast<unsigned long long>(firstSeed),
                static_cast<unsigned long long>(seed - 1), took.count());
    std::printf("rolls %zu (most in one turn %d), games over %zu, restarts %zu, program ends %zu\n",
                stats.rolls, stats.mostRolls, stats.gamesOver, stats.restarts, stats.programEnds);
    std::printf("code window visits %zu, codes entered %zu, Zandiro scores %zu\n",
                stats.codeWindowVisits, stats.codesEntered, stats.zandiroScores);
    return 0;
}
