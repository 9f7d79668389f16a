#pragma once

#include "game/platform.h"
#include "game/program.h"
#include "input/input.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zandiro::hardening {

// One thing the player does, as the game's own input, with the plan for the
// dice it may roll, so that a list can be stored, replayed and printed.
struct Event {
    Event(Input input = {}, std::uint32_t draws = 0) : input(input), draws(draws) {}
    Input input;
    std::uint32_t draws = 0;
};

// Places by number, as printed lists name them.
inline FocusPlace button(int n) {
    return {FocusKind::Button, n};
}
inline FocusPlace die(int n) {
    return {FocusKind::Die, n};
}
inline FocusPlace category(int n) {
    return {FocusKind::Category, n};
}
// A key as a page sends it: Tab at the edges leaves the game.
Input tabLeaving(Input key);

// The event as code to paste into a test.
std::string describe(const Event& event);
std::string describe(const std::vector<Event>& events);

// What the player sees and what the game goes on from: both windows and
// their controls, the game's variables and the roll rules.
inline auto sight(const Program& p) {
    const Zandiro& z = p.zandiro;
    const WindowFrame& main = z.window;
    const WindowFrame& code = p.cheat.window;
    return std::tuple(z.form.controls(), main.title, main.loaded, main.visible, main.generation,
                      code.title, code.loaded, code.visible, code.generation, p.cheat.Label1,
                      z.dice, z.rolls, z.upper, z.uppertotal, z.filled, z.thrkindscore,
                      z.frkindscore, z.fullhscore, z.sstrscore, z.lstrscore, z.fvkindscore,
                      z.chancescore, z.lowertotal, z.grandtotal, p.module1.cheatsteps,
                      p.module1.unlimitedrolls, p.module1.rollsperturn);
}
using Sight = decltype(sight(std::declval<const Program&>()));

// The platform of a played game, as a page's: a message box shows once the
// event has returned and holds the game until it is closed. Message boxes are
// recorded with what the player saw as each was asked for, the end of the
// program is recorded, and each event rolls from its own draw plan, so that
// deleting an event does not change the dice of the others.
class PlayPlatform : public Platform {
  public:
    void messageBox(const std::string& text) override;
    bool showsBoxAfterEvent() const override { return true; }
    void endProgram() override { ended = true; }
    void randomize() override {}
    double rnd() override;

    void beginEvent(const Program& program, std::uint32_t draws);

    std::vector<std::string> messages; // of the current event
    // What the player saw, and the place the focus was to settle on, as the
    // current event asked for its last box.
    std::optional<std::pair<Sight, FocusPlace>> atBox;
    bool ended = false;

  private:
    const Program* program_ = nullptr;
    std::uint32_t plan_ = 0;
    std::uint64_t stream_ = 0;
    int drawn_ = 0;
};

// Hands the event to the game's one entry; answers whether the game took it.
bool deliver(Program& program, PlayPlatform& platform, const Event& event);

} // namespace zandiro::hardening
