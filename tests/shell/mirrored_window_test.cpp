#include "shellfixture.h"
#include "windowpicture.h"

#include "game/layout.h"
#include "input/direction.h"

namespace zandiro::testing {
namespace {

// The window after a roll of 2 to 6 with die 2 held, in a layout direction.
QImage rolledWindow(Qt::LayoutDirection direction) {
    QApplication::setLayoutDirection(direction);
    FakePlatform platform;
    Shell shell(platform);
    shell.start();
    platform.rollFaces({2, 3, 4, 5, 6});
    shell.deliver(activateAt({FocusKind::Button, 1}));
    shell.deliver(activateAt({FocusKind::Die, 2}));
    QApplication::processEvents();
    const QImage picture =
        shell.mainWindow().grab().toImage().convertToFormat(QImage::Format_RGB32);
    QApplication::setLayoutDirection(Qt::LeftToRight);
    return picture;
}

// A window drawn right to left shows each die at the mirror image of its cell,
// its face, marker and pips drawn as in left to right: a mirrored die would
// show its face mirrored.
TEST(MirroredWindow, DiceShowTheirFacesAsInLeftToRightInMirroredCells) {
    const QImage english = rolledWindow(Qt::LeftToRight);
    const QImage mirrored = rolledWindow(Qt::RightToLeft);
    for (int die = 1; die <= diceCount; ++die) {
        const Box cell = cellOf(slotOf(die).row, slotOf(die).column);
        QRect there = rectOf(cell);
        there.moveLeft(mirroredLeft(cell.left, cell.width, mainClientWidth));
        EXPECT_EQ(mirrored.copy(there), english.copy(rectOf(cell))) << "die " << die;
    }
}

} // namespace
} // namespace zandiro::testing
