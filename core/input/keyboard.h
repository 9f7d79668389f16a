#pragma once

#include "game/scorecard.h"
#include "game/zandiro.h"

#include <vector>

namespace zandiro {

// A place on the main window that the keyboard focus can take: one of the
// three buttons, one of the five dice, or one of the scorecard's categories.
enum class FocusKind { None, Button, Die, Category };

struct FocusPlace {
    FocusKind kind = FocusKind::None;
    // Button: 1 Roll, 2 Restart, 3 Exit; Die: 1 to 5; Category: from 1, in
    // scorecard order.
    int number = 0;
    friend bool operator==(const FocusPlace&, const FocusPlace&) = default;
};

// The control behind a button place.
ControlRef buttonControl(int number);
// The control that stands for a place: a button, a die's body, a category's
// label; and the place a control stands for, if any.
ControlRef controlOf(FocusPlace place);
FocusPlace placeOf(const Control& c);

// Whether the place is one of the window's: a number within its kind's count.
bool isPlace(FocusPlace place);
// The places that take the focus now, in Tab order: the shown and enabled
// buttons, the dice, then the enabled categories.
std::vector<FocusPlace> focusOrder(const Zandiro& z);
bool takesFocus(const Zandiro& z, FocusPlace place);

enum class Arrow { Left, Right, Up, Down };
// The place an arrow key moves to within the focused group; it stays at the
// edges and beside the empty sixth slot of the dice board.
FocusPlace arrowMove(const Zandiro& z, FocusPlace from, Arrow arrow);

// What a die does when it is clicked: its hold marker toggles, through the
// handler a click at the middle of the die reaches.
void clickDie(Zandiro& z, int d);
// A click on the control behind a place, with the checks a click has.
void activate(Zandiro& z, FocusPlace place);

// The keys of the main window.
enum class GameKey { Tab, BackTab, Left, Right, Up, Down, Activate, Die, Roll, Quit };

// The keyboard of the main window: which place has the focus and what each
// key does to it and to the game. The game alone decides where the focus is;
// the toolkit's focus only shows it.
class Keyboard {
  public:
    explicit Keyboard(Zandiro& z) : z_(z) {}

    // The place that holds the focus: the one last given it, while it takes
    // the focus; otherwise the place settle() passes the focus to. It can be
    // read in the middle of an event, as a message box opens.
    FocusPlace focus() const;
    // Gives the place the focus if it takes it, as a press of the pointer on
    // a push button does.
    void focusOn(FocusPlace place);
    // die: 1 to 5 for GameKey::Die. Ignored while the window is hidden.
    void press(GameKey key, int die = 0);
    // Ends every event: a place that no longer takes the focus passes it on,
    // and a new game starts with the focus on its first place.
    void settle();

  private:
    Zandiro& z_;
    FocusPlace focus_;
    int generation_ = 0;
};

} // namespace zandiro
