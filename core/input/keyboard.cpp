#include "input/keyboard.h"

#include "form/hittest.h"
#include "game/board.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <optional>

namespace zandiro {
namespace {

constexpr ControlRef buttons[] = {{"press", -1}, {"restart", -1}, {"exitgame", -1}};
constexpr int buttonCount = static_cast<int>(std::size(buttons));

// The scorecard as two columns, one a section: Aces to Sixes, then 3 of a
// Kind to Chance.
constexpr int upperCount = static_cast<int>(
    std::count_if(std::begin(scorecard), std::end(scorecard),
                  [](const Category& category) { return category.section == Section::Upper; }));
constexpr FocusPlace rollButton{FocusKind::Button, 1};

int columnOf(int category) {
    return scorecard[category - 1].section == Section::Upper ? 0 : 1;
}
int rowOf(int category) {
    return columnOf(category) == 0 ? category : category - upperCount;
}
int columnLength(int column) {
    return column == 0 ? upperCount : categoryCount - upperCount;
}
int categoryAt(int column, int row) {
    return column == 0 ? row : row + upperCount;
}

struct ArrowKey {
    GameKey key;
    Arrow arrow;
};
constexpr ArrowKey arrowKeys[] = {{GameKey::Left, Arrow::Left},
                                  {GameKey::Right, Arrow::Right},
                                  {GameKey::Up, Arrow::Up},
                                  {GameKey::Down, Arrow::Down}};

std::optional<Arrow> arrowOf(GameKey key) {
    for (const ArrowKey& entry : arrowKeys) {
        if (entry.key == key) {
            return entry.arrow;
        }
    }
    return std::nullopt;
}

bool clickable(const Zandiro& z, FocusPlace place) {
    const ControlRef ref = controlOf(place);
    const Control& c = z.form.get(ref.name, ref.index);
    return c.visible && c.enabled;
}

FocusPlace moveInScorecard(const Zandiro& z, int from, Arrow arrow) {
    const int column = columnOf(from);
    const int row = rowOf(from);
    if (arrow == Arrow::Up || arrow == Arrow::Down) {
        const int step = arrow == Arrow::Up ? -1 : 1;
        for (int r = row + step; r >= 1 && r <= columnLength(column); r += step) {
            const FocusPlace next{FocusKind::Category, categoryAt(column, r)};
            if (takesFocus(z, next)) {
                return next;
            }
        }
        return {FocusKind::Category, from};
    }
    const int other = column == 0 ? 1 : 0;
    if ((arrow == Arrow::Left) != (other == 0)) {
        return {FocusKind::Category, from};
    }
    FocusPlace nearest{FocusKind::Category, from};
    int distance = 100;
    for (int r = 1; r <= columnLength(other); ++r) {
        const FocusPlace candidate{FocusKind::Category, categoryAt(other, r)};
        if (takesFocus(z, candidate) && std::abs(r - row) < distance) {
            nearest = candidate;
            distance = std::abs(r - row);
        }
    }
    return nearest;
}

FocusPlace moveOnBoard(int die, Arrow arrow) {
    const Slot from = slotOf(die);
    const int row = from.row + (arrow == Arrow::Up ? -1 : arrow == Arrow::Down ? 1 : 0);
    const int column = from.column + (arrow == Arrow::Left ? -1 : arrow == Arrow::Right ? 1 : 0);
    const bool onBoard = row >= 1 && row <= boardRows && column >= 1 && column <= boardColumns &&
                         dieAt(row, column) <= diceCount;
    return {FocusKind::Die, onBoard ? dieAt(row, column) : die};
}

} // namespace

ControlRef buttonControl(int number) {
    return buttons[number - 1];
}

ControlRef controlOf(FocusPlace place) {
    switch (place.kind) {
    case FocusKind::Button:
        return buttonControl(place.number);
    case FocusKind::Die:
        return {"Rect", place.number};
    case FocusKind::Category:
        return categoryControl(place.number);
    case FocusKind::None:
        break;
    }
    return {"", -1};
}

FocusPlace placeOf(const Control& c) {
    for (int n = 1; n <= buttonCount; ++n) {
        if (c.name == buttonControl(n).name) {
            return {FocusKind::Button, n};
        }
    }
    for (int n = 1; n <= categoryCount; ++n) {
        const ControlRef ref = categoryControl(n);
        if (c.name == ref.name && c.index == ref.index) {
            return {FocusKind::Category, n};
        }
    }
    if (c.name == "Rect" && c.index >= 1) {
        return {FocusKind::Die, c.index};
    }
    return {};
}

bool isPlace(FocusPlace place) {
    switch (place.kind) {
    case FocusKind::Button:
        return place.number >= 1 && place.number <= buttonCount;
    case FocusKind::Die:
        return place.number >= 1 && place.number <= diceCount;
    case FocusKind::Category:
        return place.number >= 1 && place.number <= categoryCount;
    case FocusKind::None:
        break;
    }
    return false;
}

bool takesFocus(const Zandiro& z, FocusPlace place) {
    if (!isPlace(place)) {
        return false;
    }
    switch (place.kind) {
    case FocusKind::Button:
    case FocusKind::Category:
        return clickable(z, place);
    case FocusKind::Die:
        return true;
    case FocusKind::None:
        break;
    }
    return false;
}

std::vector<FocusPlace> focusOrder(const Zandiro& z) {
    std::vector<FocusPlace> order;
    const auto addIfFocusable = [&](FocusKind kind, int count) {
        for (int n = 1; n <= count; ++n) {
            if (takesFocus(z, {kind, n})) {
                order.push_back({kind, n});
            }
        }
    };
    addIfFocusable(FocusKind::Button, buttonCount);
    addIfFocusable(FocusKind::Die, diceCount);
    addIfFocusable(FocusKind::Category, categoryCount);
    return order;
}

FocusPlace arrowMove(const Zandiro& z, FocusPlace from, Arrow arrow) {
    switch (from.kind) {
    case FocusKind::Die:
        return moveOnBoard(from.number, arrow);
    case FocusKind::Category:
        return moveInScorecard(z, from.number, arrow);
    default:
        return from;
    }
}

// The key reaches the die as a click at its middle would: the marker takes it
// while it shows, otherwise the window's own press handler.
void clickDie(Zandiro& z, int d) {
    if (!z.window.visible || d < 1 || d > diceCount) {
        return;
    }
    const Control& body = z.Rect(d);
    const int x = body.left + body.width / 2;
    const int y = body.top + body.height / 2;
    const ControlId target = controlAt(z.form, x, y);
    if (target == noControl) {
        z.Form_MouseDown(0, 0, static_cast<float>(x), static_cast<float>(y));
    } else {
        z.click(target);
    }
}

void activate(Zandiro& z, FocusPlace place) {
    if (place.kind == FocusKind::Die) {
        clickDie(z, place.number);
    } else if (place.kind != FocusKind::None) {
        const ControlRef ref = controlOf(place);
        z.click(z.form.find(ref.name, ref.index));
    }
}

void Keyboard::press(GameKey key, int die) {
    if (!z_.window.visible) {
        return;
    }
    settle();
    if (const std::optional<Arrow> arrow = arrowOf(key)) {
        focus_ = arrowMove(z_, focus_, *arrow);
        return;
    }
    const std::vector<FocusPlace> order = focusOrder(z_);
    const auto at = std::find(order.begin(), order.end(), focus_);
    switch (key) {
    case GameKey::Tab:
        focus_ = at == order.end() || at + 1 == order.end() ? order.front() : *(at + 1);
        break;
    case GameKey::BackTab:
        focus_ = at == order.begin() || at == order.end() ? order.back() : *(at - 1);
        break;
    case GameKey::Activate:
        activate(z_, focus_);
        break;
    case GameKey::Die:
        clickDie(z_, die);
        break;
    case GameKey::Roll:
        activate(z_, rollButton);
        break;
    case GameKey::Quit:
        z_.closeBox();
        break;
    default: // the arrows, moved above
        break;
    }
}

void Keyboard::focusOn(FocusPlace place) {
    settle();
    if (takesFocus(z_, place)) {
        focus_ = place;
    }
}

// A scored category and a new game give the focus to the first place (Roll,
// or Restart once the game is over); a button that goes away passes it on to
// the place after it.
FocusPlace Keyboard::focus() const {
    const FocusPlace last = generation_ == z_.window.generation ? focus_ : FocusPlace{};
    if (takesFocus(z_, last)) {
        return last;
    }
    const std::vector<FocusPlace> order = focusOrder(z_);
    if (last.kind == FocusKind::Button) {
        for (const FocusPlace& place : order) {
            if (place.kind != FocusKind::Button || place.number > last.number) {
                return place;
            }
        }
    }
    return order.front();
}

void Keyboard::settle() {
    focus_ = focus();
    generation_ = z_.window.generation;
}

} // namespace zandiro
