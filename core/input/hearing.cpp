#include "input/hearing.h"

#include "game/board.h"

namespace zandiro {
namespace {

int scoredCategory(const Hearable& before, const Hearable& now) {
    for (int c = 1; c <= categoryCount; ++c) {
        if (before.captions[c] != now.captions[c] || before.used[c] != now.used[c]) {
            return c;
        }
    }
    return 0;
}

int toggledDie(const Hearable& before, const Hearable& now) {
    for (int d = 1; d <= diceCount; ++d) {
        if (before.held[d] != now.held[d]) {
            return d;
        }
    }
    return 0;
}

} // namespace

Hearable hearable(const Zandiro& z, FocusPlace focus) {
    Hearable h;
    h.generation = z.window.generation;
    h.rolls = z.rolls;
    h.dice = z.dice;
    for (int d = 1; d <= diceCount; ++d) {
        h.held[d] = z.Hold(d).visible;
    }
    for (int c = 1; c <= categoryCount; ++c) {
        const ControlRef ref = categoryControl(c);
        h.captions[c] = z.form.get(ref.name, ref.index).caption;
        h.used[c] = z.isUsed(ref.name, ref.index);
    }
    h.focus = focus;
    return h;
}

Announcement heard(const Hearable& before, const Zandiro& z, int serial) {
    const Hearable now = hearable(z, before.focus);
    Announcement said{Announcement::Kind::None, 0, before.focus, serial};
    if (now.generation != before.generation) {
        return said;
    }
    if (const int category = scoredCategory(before, now); category != 0) {
        said.kind = Announcement::Kind::Score;
        said.number = category;
    } else if (now.rolls != before.rolls || now.dice != before.dice) {
        said.kind = Announcement::Kind::Roll;
    } else if (const int die = toggledDie(before, now);
               die != 0 && before.focus != FocusPlace{FocusKind::Die, die}) {
        said.kind = Announcement::Kind::Hold;
        said.number = die;
    }
    return said;
}

} // namespace zandiro
