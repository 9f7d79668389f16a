#pragma once

#include "invariants.h"
#include "playevents.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zandiro::hardening {

struct Failure {
    std::size_t event = 0; // index of the event after which the rule broke
    std::string rule;      // "rule: details"
};

// What a run went through, to show that random play reaches the corners.
struct PlayStats {
    std::size_t events = 0; // delivered
    std::size_t rolls = 0;
    std::size_t gamesOver = 0;
    std::size_t restarts = 0;
    std::size_t codesEntered = 0;
    std::size_t zandiroScores = 0;
    std::size_t codeWindowVisits = 0;
    std::size_t programEnds = 0;
    std::size_t keys = 0; // main-window keys
    int mostRolls = 0;

    void add(const PlayStats& other);
};

// One run of the program, fed event by event and checked after each.
class Runner {
  public:
    Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // The broken rule, if the event broke one.
    std::optional<std::string> step(const Event& event);
    std::optional<std::string> startFault() const { return startFault_; }
    bool ended() const { return platform_.ended; }
    const Program& program() const { return program_; }
    const PlayStats& stats() const { return stats_; }

  private:
    Event standsFor(const Event& event) const;

    PlayPlatform platform_;
    Program program_;
    Observer observer_;
    PlayStats stats_;
    std::optional<std::string> startFault_;
};

// Replays events from a fresh start; the first broken rule, if any.
std::optional<Failure> replay(const std::vector<Event>& events);

struct Session {
    std::vector<Event> events;
    std::optional<Failure> failure;
    PlayStats stats;
};

// Random play from a fresh start until the program ends, a rule breaks or
// maxEvents have been generated.
Session playRandom(std::uint64_t seed, std::size_t maxEvents);

// Where a list of events fails, if it does.
using FailsAt = std::function<std::optional<std::size_t>(const std::vector<Event>&)>;

// The shortest list found, by cutting after the failing event and deleting
// halves, quarters and so on down to single events, that still fails.
std::vector<Event> shrinkWith(std::vector<Event> events, const FailsAt& failsAt);

// Shrinks a replayed failure, keeping the rule it breaks.
std::vector<Event> shrink(const std::vector<Event>& events, const Failure& failure);

// The text to print for a failure: seed, rule and the shrunk list to replay.
std::string failureReport(std::uint64_t seed, const Session& session);

} // namespace zandiro::hardening
