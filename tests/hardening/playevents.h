#pragma once

#include "game/platform.h"
#include "game/program.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zandiro::hardening {

// One thing the player does, in a form that can be stored, replayed and
// printed. Controls are named, not numbered, so a printed list still replays
// after the layout gains a control.
enum class EventKind : std::uint8_t {
    Click,
    MouseDown,
    MouseUp,
    DblClick,
    MainClose,
    KeyDown,
    CodeClose,
    MainKey,  // a key on the main window: key is a GameKey, index the die
    FormPress // the window's own press handler, as a press beside every control reaches it
};

struct Event {
    EventKind kind = EventKind::Click;
    std::string control; // Click: the control's name
    int index = -1;      // Click: its member index, -1 for a single control
    int button = 0;      // MouseDown, MouseUp: 0 left, 1 right, 2 middle
    int shift = 0;       // MouseDown, KeyDown: modifier state
    double x = 0;        // mouse events: client coordinates
    double y = 0;
    int key = 0;             // KeyDown: virtual-key code, any 16-bit value
    std::uint32_t draws = 0; // Click, MouseUp: plan for the dice this event may roll
};

Event click(std::string control, int index = -1, std::uint32_t draws = 0);
Event mouseDown(int button, int shift, double x, double y);
Event mouseUp(int button, double x, double y, std::uint32_t draws = 0);
Event dblClick(double x, double y);
Event closeMain();
Event keyDown(int key, int shift = 0);
Event closeCode();
Event mainKey(GameKey key, int die = 0, std::uint32_t draws = 0);
Event formPress(double x, double y);

// The event as a call of the functions above, to paste into a test.
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

// The platform of a played game: message boxes are recorded with what the
// player saw as each was asked for, the end of the program is recorded, and
// each event rolls from its own draw plan, so that deleting an event does not
// change the dice of the others.
class PlayPlatform : public Platform {
  public:
    void messageBox(const std::string& text) override;
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

// Delivers the event as the toolkit would: only to a window that is shown, and
// nothing after the program has ended. Returns whether it was delivered.
bool deliver(Program& program, PlayPlatform& platform, const Event& event);

} // namespace zandiro::hardening
