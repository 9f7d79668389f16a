#pragma once

namespace zandiro {

// The dice board: five dice in the cells of a grid of three rows and two
// columns, filled row by row, the sixth cell empty. Rows and columns count
// from 1, positions are pixels of the main window's client area.
inline constexpr int diceCount = 5;
inline constexpr int boardRows = 3;
inline constexpr int boardColumns = 2;

struct Slot {
    int row;
    int column;
};

constexpr Slot slotOf(int die) {
    const int row = (die + 1) / 2;
    return {row, die - 2 * row + 2};
}

// The die in a slot; the empty sixth slot gives a number past diceCount.
constexpr int dieAt(int row, int column) {
    return 2 * row + column - 2;
}

struct Box {
    int left;
    int top;
    int width;
    int height;
};

// A cell of the grid: a die's body fills it, and a press strictly inside it
// reaches that die.
constexpr Box cellOf(int row, int column) {
    constexpr int pitch = 64;
    return {264 + pitch * (column - 1), 8 + pitch * (row - 1), 60, 60};
}

// Die d owns the pips 7d - 6 to 7d; its pip at position pos (0 to 6) is
// pip(7d - pos).
inline constexpr int pipsPerDie = 7;

constexpr int pipOf(int die, int pos) {
    return pipsPerDie * die - pos;
}

struct Point {
    int left;
    int top;
};

// The top-left corner of a die's pip at position pos. The pips stand on a
// 3 x 3 grid, 16 pixels apart, inside the die's cell: position 3 is the
// centre, 6 and 5 the top corners, 4 and 2 the middle of the sides, 1 and 0
// the bottom corners.
constexpr Point pipCorner(int die, int pos) {
    constexpr Point spots[pipsPerDie] = {{2, 2}, {0, 2}, {2, 1}, {1, 1}, {0, 1}, {2, 0}, {0, 0}};
    const Slot slot = slotOf(die);
    const Box cell = cellOf(slot.row, slot.column);
    return {cell.left + 8 + 16 * spots[pos].left, cell.top + 8 + 16 * spots[pos].top};
}

} // namespace zandiro
