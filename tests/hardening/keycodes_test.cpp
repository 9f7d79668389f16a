#include "core/fakeplatform.h"
#include "game/numbertext.h"
#include "game/program.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace zandiro {
namespace {

// Every 16-bit key code, typed at every progress of both codes, is a step of
// a code, a completed code, Q or a wrong key, and nothing else changes: ten
// steps, and Q at every progress, End at the fifth step and the digits 1 to 5
// at the tenth leave the window.
TEST(CodeWindowKeys, EveryKeyCodeAtEveryStepIsStepQOrWrongKey) {
    testing::FakePlatform platform;
    Program program(platform);
    program.start();
    const Zandiro& z = program.zandiro;
    Cheat& cheat = program.cheat;
    const std::vector<Control> mainControls = z.form.controls();
    const auto dice = z.dice;
    const auto reopen = [&] {
        program.handle(pressAt(250, 330));
        program.handle(doubleClickAt(250, 330));
    };
    int steps = 0, completed = 0, quits = 0;
    for (int from = 0; from <= 10; ++from) {
        for (int code = -32768; code <= 32767; ++code) {
            if (!cheat.window.visible) {
                reopen();
                ASSERT_TRUE(cheat.window.visible);
            }
            program.module1 = Module1{from, 0, 3};
            cheat.Form_KeyDown(static_cast<std::int16_t>(code), 0);

            const Module1& m = program.module1;
            const bool left = !cheat.window.visible && z.window.visible;
            const bool kept = m.unlimitedrolls == 0 && m.rollsperturn == 3;
            const bool step = m.cheatsteps == from + 1 || (from == 0 && m.cheatsteps == 6);
            const bool completes =
                left && m.cheatsteps == 0 &&
                ((from == 5 && m.unlimitedrolls == 1 && m.rollsperturn == 3) ||
                 (from == 10 && m.unlimitedrolls == 0 && m.rollsperturn == code - '0'));
            const bool quit = left && kept && m.cheatsteps == from;
            const bool wrong = !left && kept && m.cheatsteps == 0;
            const int shown = m.cheatsteps > 5 ? m.cheatsteps - 5 : m.cheatsteps;
            if (!(step && kept && !left) && !completes && !quit && !wrong) {
                FAIL() << "key " << code << " at step " << from << ": progress " << m.cheatsteps
                       << ", rules " << m.unlimitedrolls << "/" << m.rollsperturn;
            }
            ASSERT_TRUE(cheat.window.title.starts_with(numberText(shown))) << cheat.window.title;
            steps += step && !left ? 1 : 0;
            completed += completes ? 1 : 0;
            quits += quit ? 1 : 0;
        }
    }
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(completed, 1 + 5);
    EXPECT_EQ(quits, 11);
    EXPECT_EQ(z.form.controls(), mainControls);
    EXPECT_EQ(z.dice, dice);
    EXPECT_EQ(z.rolls, 0);
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace zandiro
