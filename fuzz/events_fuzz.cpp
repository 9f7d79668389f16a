// Fuzzes the core with event sequences: the input's bytes are the player's
// decisions (which control, where the mouse goes, which key), decoded by the
// same random player that the seeded random-play test uses, and every event is
// followed by the same checks. A broken rule prints the shortest event list
// that still breaks it, ready to paste into replay_test.cpp, and aborts.

#include "playrun.h"
#include "randomplayer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace zandiro::hardening;

namespace {

constexpr std::size_t maxEvents = 4096;

[[noreturn]] void brokenRule(const std::vector<Event>& events, const Failure& failure) {
    const std::vector<Event> shortest = shrink(events, failure);
    std::fprintf(stderr, "rule broken after event %zu: %s\nreplay(%s);\n", failure.event,
                 failure.rule.c_str(), describe(shortest).c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteChoices choices(data, size);
    RandomPlayer player;
    Runner runner;
    std::vector<Event> events;
    if (auto fault = runner.startFault()) {
        brokenRule(events, Failure{0, *fault});
    }
    std::vector<Event> gesture;
    while (!choices.exhausted() && !runner.ended() && events.size() < maxEvents) {
        gesture.clear();
        player.next(runner.program(), choices, gesture);
        for (const Event& event : gesture) {
            events.push_back(event);
            if (auto fault = runner.step(event)) {
                brokenRule(events, Failure{events.size() - 1, *fault});
            }
        }
    }
    return 0;
}
