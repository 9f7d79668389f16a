#include "playrun.h"

#include "randomplayer.h"

#include <algorithm>
#include <exception>

namespace zandiro::hardening {
namespace {

const Program& started(Program& program) {
    program.start();
    return program;
}

std::string ruleName(const std::string& rule) {
    return rule.substr(0, rule.find(':'));
}

} // namespace

void PlayStats::add(const PlayStats& o) {
    events += o.events;
    rolls += o.rolls;
    gamesOver += o.gamesOver;
    restarts += o.restarts;
    codesEntered += o.codesEntered;
    zandiroScores += o.zandiroScores;
    codeWindowVisits += o.codeWindowVisits;
    programEnds += o.programEnds;
    keys += o.keys;
    mostRolls = std::max(mostRolls, o.mostRolls);
}

Runner::Runner() : program_(platform_), observer_(started(program_)) {
    if (auto fault = observer_.checkAll(program_)) {
        startFault_ = "start: " + *fault;
    }
}

// A key on the main window as the observer follows it: the activation of the
// place it acts on, the close box, or an activation of no place. A key the
// game does not know, and a repeat of a key that acts once, do nothing.
Event Runner::standsFor(const Event& event) const {
    const Input& in = event.input;
    if (in.kind != Input::Kind::Key || in.window != GameWindow::Main) {
        return event;
    }
    const std::optional<MainKey> key = mainKey(in.virtualKey, in.modifiers);
    if (!key || (key->once && in.repeat)) {
        return activateAt({});
    }
    switch (key->key) {
    case GameKey::Activate:
        return {activateAt(program_.keyboard.focus()), event.draws};
    case GameKey::Die:
        return activateAt(die(key->die));
    case GameKey::Roll:
        return {activateAt(button(1)), event.draws};
    case GameKey::Quit:
        return closeBoxOf(GameWindow::Main);
    default:
        return activateAt({});
    }
}

std::optional<std::string> Runner::step(const Event& event) {
    const Event seen = standsFor(event);
    observer_.before(program_, seen);
    const Zandiro& z = program_.zandiro;
    const int generation = z.window.generation;
    const std::int16_t rolls = z.rolls;
    const std::int16_t filled = z.filled;
    const std::int32_t fvkindscore = z.fvkindscore;
    const Module1 rules = program_.module1;
    const bool codeShown = program_.cheat.window.visible;
    try {
        deliver(program_, platform_, event);
    } catch (const std::exception& e) {
        return std::string("exception: ") + e.what();
    }
    ++stats_.events;
    const bool sameGame = z.window.generation == generation;
    stats_.rolls += sameGame && z.rolls > rolls ? 1 : 0;
    stats_.mostRolls = std::max<int>(stats_.mostRolls, z.rolls);
    stats_.gamesOver += filled == 12 && z.filled == 13 ? 1 : 0;
    stats_.restarts += sameGame ? 0 : 1;
    stats_.zandiroScores += sameGame && z.fvkindscore > fvkindscore ? 1 : 0;
    stats_.codesEntered += program_.module1.unlimitedrolls != rules.unlimitedrolls ||
                                   program_.module1.rollsperturn != rules.rollsperturn
                               ? (sameGame ? 1 : 0)
                               : 0;
    stats_.codeWindowVisits += !codeShown && program_.cheat.window.visible ? 1 : 0;
    stats_.programEnds += platform_.ended ? 1 : 0;
    stats_.keys += event.input.kind == Input::Kind::Key && event.input.window == GameWindow::Main;
    return observer_.after(program_, platform_, seen);
}

std::optional<Failure> replay(const std::vector<Event>& events) {
    Runner runner;
    if (auto fault = runner.startFault()) {
        return Failure{0, *fault};
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (auto fault = runner.step(events[i])) {
            return Failure{i, *fault};
        }
    }
    return std::nullopt;
}

Session playRandom(std::uint64_t seed, std::size_t maxEvents) {
    Session session;
    Runner runner;
    if (auto fault = runner.startFault()) {
        session.failure = Failure{0, *fault};
        return session;
    }
    SeededChoices choices(seed);
    RandomPlayer player;
    std::vector<Event> gesture;
    while (session.events.size() < maxEvents && !runner.ended()) {
        gesture.clear();
        player.next(runner.program(), choices, gesture);
        for (const Event& event : gesture) {
            session.events.push_back(event);
            if (auto fault = runner.step(event)) {
                session.failure = Failure{session.events.size() - 1, *fault};
                session.stats = runner.stats();
                return session;
            }
        }
    }
    session.stats = runner.stats();
    return session;
}

namespace {

// Deletes events [from, to) if the list still fails without them, and cuts
// what follows the failing event.
bool tryDelete(std::vector<Event>& events, std::size_t from, std::size_t to,
               const FailsAt& failsAt) {
    std::vector<Event> candidate(events.begin(),
                                 events.begin() + static_cast<std::ptrdiff_t>(from));
    candidate.insert(candidate.end(),
                     events.begin() + static_cast<std::ptrdiff_t>(std::min(to, events.size())),
                     events.end());
    const auto at = failsAt(candidate);
    if (!at) {
        return false;
    }
    candidate.resize(std::min(candidate.size(), *at + 1));
    events = std::move(candidate);
    return true;
}

} // namespace

std::vector<Event> shrinkWith(std::vector<Event> events, const FailsAt& failsAt) {
    if (const auto at = failsAt(events)) {
        events.resize(std::min(events.size(), *at + 1));
    }
    for (std::size_t before = events.size() + 1; events.size() < before;) {
        before = events.size();
        // A fault often needs only the last game, so first the longest prefix
        // that can go, then halves, quarters and so on down to single events.
        for (std::size_t cut = events.size(); cut-- > 1;) {
            if (tryDelete(events, 0, cut, failsAt)) {
                break;
            }
        }
        for (std::size_t chunk = std::max<std::size_t>(events.size() / 2, 1);; chunk /= 2) {
            for (std::size_t start = 0; start < events.size();) {
                if (!tryDelete(events, start, start + chunk, failsAt)) {
                    start += chunk;
                }
            }
            if (chunk == 1) {
                break;
            }
        }
    }
    return events;
}

std::vector<Event> shrink(const std::vector<Event>& events, const Failure& failure) {
    const std::string rule = ruleName(failure.rule);
    return shrinkWith(events,
                      [&](const std::vector<Event>& candidate) -> std::optional<std::size_t> {
                          const auto f = replay(candidate);
                          if (f && ruleName(f->rule) == rule) {
                              return f->event;
                          }
                          return std::nullopt;
                      });
}

std::string failureReport(std::uint64_t seed, const Session& session) {
    if (!session.failure) {
        return "no failure";
    }
    const std::vector<Event> shortest = shrink(session.events, *session.failure);
    const auto again = replay(shortest);
    return "seed " + std::to_string(seed) + ": after event " +
           std::to_string(session.failure->event) + " of " + std::to_string(session.events.size()) +
           ": " + session.failure->rule + "\nshortest list that still fails (" +
           std::to_string(shortest.size()) + " events, " + (again ? again->rule : "?") +
           "):\nreplay(" + describe(shortest) + ");\n";
}

} // namespace zandiro::hardening
