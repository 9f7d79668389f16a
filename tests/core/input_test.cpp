#include "game/layout.h"
#include "gamefixture.h"
#include "input/direction.h"
#include "input/virtualkeys.h"

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <libintl.h>

// The WebAssembly build's C library reads no catalogue from a file, so the
// right-to-left window is tested natively.
#ifndef __EMSCRIPTEN__
extern "C" int _nl_msg_cat_cntr; // moved on, gettext reads LANGUAGE afresh
#endif

namespace zandiro::testing {
namespace {

const FocusPlace rollButton{FocusKind::Button, 1};
FocusPlace die(int d) {
    return {FocusKind::Die, d};
}

class InputTest : public GameTest {
  protected:
    bool key(std::int16_t vk, KeyModifiers modifiers = {}, bool repeat = false) {
        return program.handle(keyDown(GameWindow::Main, vk, modifiers, repeat));
    }
    void clickAt(const Control& c, MouseButton button = MouseButton::Left) {
        program.handle(pressAt(c.left + 1, c.top + 1, button));
        program.handle(releaseAt(c.left + 1, c.top + 1, button));
    }
    // A key as a page sends it: Tab at the edges leaves the game.
    bool leavingKey(KeyModifiers modifiers = {}) {
        Input tab = keyDown(GameWindow::Main, vk::tab, modifiers);
        tab.tabLeaves = true;
        return program.handle(tab);
    }
};

#ifndef __EMSCRIPTEN__
// A catalogue of one text, the direction marker, in a language read right to
// left: the smallest a right-to-left language can be, in gettext's format.
class RightToLeft {
  public:
    RightToLeft() {
        std::filesystem::create_directories(root_ / "rtl" / "LC_MESSAGES");
        std::ofstream mo(root_ / "rtl" / "LC_MESSAGES" / ZANDIRO_TEXT_DOMAIN ".mo");
        // Magic, revision, one text, its tables at 28 and 36, no hash table;
        // the English (18 bytes) at 44, its translation (3 bytes) at 63.
        const std::uint32_t header[] = {0x950412de, 0, 1, 28, 36, 0, 44, 18, 44, 3, 63};
        const char texts[] = "text direction\4LTR\0RTL";
        mo.write(reinterpret_cast<const char*>(header), sizeof header).write(texts, sizeof texts);
        mo.close();
        use(root_.c_str(), "rtl", "C.UTF-8");
    }
    ~RightToLeft() {
        use("", "", "C");
        std::filesystem::remove_all(root_);
    }

  private:
    static void use(const char* dir, const char* language, const char* locale) {
        bindtextdomain(ZANDIRO_TEXT_DOMAIN, dir);
        std::setlocale(LC_MESSAGES, locale);
        setenv("LANGUAGE", language, 1);
        ++_nl_msg_cat_cntr;
    }
    std::filesystem::path root_ = std::filesystem::temp_directory_path() / "zandiro-rtl-test";
};

TEST_F(InputTest, AMirroredWindowSwapsTheArrowsAndThePressesBack) {
    const RightToLeft language;
    ASSERT_TRUE(readsRightToLeft());
    program.keyboard.focusOn(die(1));
    key(vk::left);
    EXPECT_EQ(program.keyboard.focus(), die(2)) << "Left on screen is the game's Right";
    key(vk::right);
    EXPECT_EQ(program.keyboard.focus(), die(1));
    const Control& body = z.Rect(2);
    program.handle(pressAt(mainClientWidth - body.left - 10, body.top + 10));
    EXPECT_TRUE(held(2)) << "a press where die 2 is drawn reaches die 2";
}
#endif

TEST_F(InputTest, PushButtonsTakeTheFocusAndTheSecondPressOfADoubleClick) {
    program.keyboard.focusOn(die(3));
    const Control& button = ctl("press");
    program.handle(pressAt(button.left + 1, button.top + 1));
    EXPECT_EQ(program.keyboard.focus(), rollButton) << "a press focuses the push button";
    platform.rollFaces({1, 2, 3, 4, 5, 1, 2, 3, 4, 5});
    program.handle(releaseAt(button.left + 1, button.top + 1));
    program.handle(zandiro::doubleClickAt(button.left + 1, button.top + 1));
    program.handle(releaseAt(button.left + 1, button.top + 1));
    EXPECT_EQ(z.rolls, 2) << "the second press of a double-click is a press of the button";
    EXPECT_FALSE(program.cheat.window.visible);

    clickAt(ctl("chance"), MouseButton::Right);
    EXPECT_EQ(z.filled, 0) << "the right button clicks no category";
}

TEST_F(InputTest, KeysThatActOnceWhileHeldAndTabAtTheEdges) {
    platform.rollFaces({1, 2, 3, 4, 5});
    key(vk::letterR);
    key(vk::letterR, {}, true);
    key(vk::digit0 + 2, {}, true);
    EXPECT_EQ(z.rolls, 1) << "a held R rolls once";
    EXPECT_FALSE(held(2)) << "a held digit holds nothing";
    program.keyboard.focusOn(die(1));
    key(vk::right, {}, true);
    EXPECT_EQ(program.keyboard.focus(), die(2)) << "a held arrow moves on";

    const std::vector<FocusPlace> order = focusOrder(z);
    program.keyboard.focusOn(order.back());
    EXPECT_FALSE(leavingKey());
    EXPECT_EQ(program.keyboard.focus(), order.back()) << "Tab from the last place leaves";
    EXPECT_TRUE(key(vk::tab));
    EXPECT_EQ(program.keyboard.focus(), order.front()) << "without leaving, Tab goes round";
    EXPECT_FALSE(leavingKey({true}));
    EXPECT_TRUE(leavingKey());
    EXPECT_EQ(program.keyboard.focus(), order[1]) << "Tab within the game moves on";
}

} // namespace
} // namespace zandiro::testing
