#include "shellfixture.h"

#include <QPixmapCache>
#include <cstdio>
#include <fstream>
#include <string>

namespace zandiro::testing {
namespace {

// The resident memory of this process in KiB, from /proc/self/status.
long residentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

class RestartLeaks : public ShellTest {
  protected:
    // Each restart's new push buttons get palettes with new cache keys, so
    // the style caches their drawn faces afresh in Qt's pixmap cache, which
    // grows up to its limit (10 MiB) and then stays there. That is the
    // toolkit's bounded cache, not the program's memory, so it is emptied.
    // Restart is run on the game itself: a player reaches it only at the end
    // of a whole game, and a thousand games would be a slow way to the same
    // rebuilds.
    void restart(int times) {
        auto& game = const_cast<Zandiro&>(shell.program().zandiro);
        for (int i = 0; i < times; ++i) {
            game.restart_Click();
            shell.refresh();
            settle();
            QPixmapCache::clear();
        }
    }

    static qsizetype liveWidgets() { return QApplication::allWidgets().size(); }
    qsizetype windowObjects() { return window().findChildren<QObject*>().size(); }
};

// Restart destroys every widget of the main window and builds them anew; a
// thousand of them leave as many widgets and objects as one, and no memory.
TEST_F(RestartLeaks, AThousandRestartsLeaveWidgetsAndMemoryFlat) {
    // The first restart is the player's, after a whole game; fonts, the hold
    // picture and the allocator's pools settle in with it and the next ones.
    playWholeGame();
    clickButton("restart");
    ASSERT_TRUE(button("press")->isVisible());
    restart(20);
    const qsizetype widgets = liveWidgets();
    const qsizetype objects = windowObjects();
    const long memory = residentKib();

    restart(1000);

    const long growth = residentKib() - memory;
    std::printf(
        "live widgets %lld -> %lld, window objects %lld -> %lld, VmRSS %ld KiB -> %ld KiB\n",
        static_cast<long long>(widgets), static_cast<long long>(liveWidgets()),
        static_cast<long long>(objects), static_cast<long long>(windowObjects()), memory,
        memory + growth);
    EXPECT_EQ(liveWidgets(), widgets);
    EXPECT_EQ(windowObjects(), objects);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back on purpose; its leak checker
    // covers this build instead.
#else
    EXPECT_LT(growth, 2048) << "resident memory grew by " << growth << " KiB";
#endif
}

} // namespace
} // namespace zandiro::testing
