#include "core/fakeplatform.h"
#include "game/program.h"
#include "invariants.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace zandiro {
namespace {

using hardening::keyOutcome;
using hardening::KeyOutcome;
using hardening::progressTitle;

// Every 16-bit key code, typed at every progress of both codes, is a step of
// a code, Q, a completed code or a wrong key, and nothing else changes.
TEST(CodeWindowKeys, EveryKeyCodeAtEveryStepIsStepQOrWrongKey) {
    testing::FakePlatform platform;
    Program program(platform);
    program.start();
    Zandiro& z = program.zandiro;
    Cheat& cheat = program.cheat;
    const std::vector<Control> mainControls = z.form.controls();
    const auto dice = z.dice;

    auto reopen = [&] {
        z.mouseDown(250, 330);
        z.mouseUp(MouseButton::Left, 250, 330);
        z.dblClick(250, 330);
    };
    reopen();
    int steps = 0;
    int leaves = 0;
    for (int from = 0; from <= 10; ++from) {
        for (int code = -32768; code <= 32767; ++code) {
            if (!cheat.window.visible) {
                reopen();
                ASSERT_TRUE(cheat.window.visible);
            }
            program.module1.cheatsteps = from;
            program.module1.unlimitedrolls = 0;
            program.module1.rollsperturn = 3;
            cheat.Form_KeyDown(static_cast<std::int16_t>(code), 0);

            const KeyOutcome expected = keyOutcome(from, code, 0, 3);
            const Module1& m = program.module1;
            if (m.cheatsteps != expected.steps || m.unlimitedrolls != expected.unlimitedrolls ||
                m.rollsperturn != expected.rollsperturn ||
                cheat.window.visible == expected.leaves || z.window.visible != expected.leaves ||
                cheat.window.title != progressTitle(expected.steps)) {
                FAIL() << "key " << code << " at step " << from << ": progress " << m.cheatsteps
                       << ", rules " << m.unlimitedrolls << "/" << m.rollsperturn << ", title \""
                       << cheat.window.title << "\"";
            }
            steps += expected.steps > from ? 1 : 0;
            leaves += expected.leaves ? 1 : 0;
        }
    }
    // Ten steps, and Q, End at step 5 and the digits 1 to 5 at step 10 leave.
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(leaves, 11 + 1 + 5);
    EXPECT_EQ(z.form.controls(), mainControls);
    EXPECT_EQ(z.dice, dice);
    EXPECT_EQ(z.rolls, 0);
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace zandiro
