#include "game/keyboard.h"

#include "form/hittest.h"

#include <algorithm>
#include <cstdlib>

namespace zandiro {
namespace {

constexpr ControlRef buttons[] = {{"press", -1}, {"restart", -1}, {"exitgame", -1}};
constexpr ControlRef categories[] = {
    {"numbers", 1}, {"numbers", 2},  {"numbers", 3}, {"numbers", 4}, {"numbers", 5},
    {"numbers", 6}, {"thrkind", -1}, {"frkind", -1}, {"fullh", -1},  {"sstr", -1},
    {"lstr", -1},   {"fvkind", -1},  {"chance", -1},
};
constexpr int upperCount = 6;

// The scorecard as two columns: Aces to Sixes, then 3 of a Kind to Chance.
int columnOf(int category) {
    return category <= upperCount ? 0 : 1;
}
int rowOf(int category) {
    return category <= upperCount ? category : category - upperCount;
}
int columnLength(int column) {
    return column == 0 ? upperCount : 13 - upperCount;
}
int categoryAt(int column, int row) {
    return column == 0 ? row : row + upperCount;
}

const Control& controlOf(const Zandiro& z, ControlRef ref) {
    return z.form.get(ref.name, ref.index);
}

bool clickable(const Control& c) {
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

// The dice board as a grid of two columns and three rows, the sixth slot empty.
FocusPlace moveOnBoard(int die, Arrow arrow) {
    int row = (die + 1) / 2;
    int column = die - 2 * row + 2;
    row += arrow == Arrow::Up ? -1 : arrow == Arrow::Down ? 1 : 0;
    column += arrow == Arrow::Left ? -1 : arrow == Arrow::Right ? 1 : 0;
    const int to = 2 * row + column - 2;
    const bool onBoard = row >= 1 && row <= 3 && column >= 1 && column <= 2 && to <= 5;
    return {FocusKind::Die, onBoard ? to : die};
}

} // namespace

ControlRef buttonControl(int number) {
    return buttons[number - 1];
}

ControlRef categoryControl(int number) {
    return categories[number - 1];
}

bool takesFocus(const Zandiro& z, FocusPlace place) {
    switch (place.kind) {
    case FocusKind::Button:
        return clickable(controlOf(z, buttonControl(place.number)));
    case FocusKind::Die:
        return true;
    case FocusKind::Category:
        return clickable(controlOf(z, categoryControl(place.number)));
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
    addIfFocusable(FocusKind::Button, 3);
    addIfFocusable(FocusKind::Die, 5);
    addIfFocusable(FocusKind::Category, 13);
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
    if (!z.window.visible || d < 1 || d > 5) {
        return;
    }
    const Control& body = z.Rect(d);
    const int x = body.left + body.width / 2;
    const int y = body.top + body.height / 2;
    const ControlId target = controlAt(z.form, x, y);
    if (target == noControl) {
        z.Form_MouseDown(1, 0, static_cast<float>(x), static_cast<float>(y));
    } else {
        z.click(target);
    }
}

void activate(Zandiro& z, FocusPlace place) {
    switch (place.kind) {
    case FocusKind::Button: {
        const ControlRef ref = buttonControl(place.number);
        z.click(z.form.find(ref.name, ref.index));
        break;
    }
    case FocusKind::Die:
        clickDie(z, place.number);
        break;
    case FocusKind::Category: {
        const ControlRef ref = categoryControl(place.number);
        z.click(z.form.find(ref.name, ref.index));
        break;
    }
    case FocusKind::None:
        break;
    }
}

void Keyboard::press(GameKey key, int die) {
    if (!z_.window.visible) {
        return;
    }
    settle();
    const std::vector<FocusPlace> order = focusOrder(z_);
    const auto at = std::find(order.begin(), order.end(), focus_);
    switch (key) {
    case GameKey::Tab:
        focus_ = at == order.end() || at + 1 == order.end() ? order.front() : *(at + 1);
        return;
    case GameKey::BackTab:
        focus_ = at == order.begin() || at == order.end() ? order.back() : *(at - 1);
        return;
    case GameKey::Left:
        focus_ = arrowMove(z_, focus_, Arrow::Left);
        return;
    case GameKey::Right:
        focus_ = arrowMove(z_, focus_, Arrow::Right);
        return;
    case GameKey::Up:
        focus_ = arrowMove(z_, focus_, Arrow::Up);
        return;
    case GameKey::Down:
        focus_ = arrowMove(z_, focus_, Arrow::Down);
        return;
    case GameKey::Activate:
        activate(z_, focus_);
        break;
    case GameKey::Die:
        clickDie(z_, die);
        break;
    case GameKey::Roll:
        activate(z_, {FocusKind::Button, 1});
        break;
    case GameKey::Quit:
        z_.closeBox();
        return;
    }
    settle();
}

// A scored category and a new game give the focus to the first place (Roll,
// or Restart once the game is over); a button that goes away passes it on to
// the place after it.
void Keyboard::settle() {
    if (generation_ != z_.window.generation) {
        generation_ = z_.window.generation;
        focus_ = {};
    }
    if (takesFocus(z_, focus_)) {
        return;
    }
    const std::vector<FocusPlace> order = focusOrder(z_);
    if (focus_.kind == FocusKind::Button) {
        for (const FocusPlace& place : order) {
            if (place.kind != FocusKind::Button || place.number > focus_.number) {
                focus_ = place;
                return;
            }
        }
    }
    focus_ = order.front();
}

bool RepeatFilter::isRepeat(int key, std::uint64_t time, bool marked) {
    // Synthesized events carry no time stamp and are never taken for repeats.
    const bool unmarked = hasRelease_ && releasedKey_ == key && releasedAt_ == time && time != 0;
    hasRelease_ = false;
    return marked || unmarked;
}

void RepeatFilter::released(int key, std::uint64_t time) {
    releasedKey_ = key;
    releasedAt_ = time;
    hasRelease_ = true;
}

} // namespace zandiro
