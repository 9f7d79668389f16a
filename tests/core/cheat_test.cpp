#include "fakeplatform.h"
#include "game/program.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zandiro {
namespace {

// Windows virtual-key codes, written out here so that a wrong constant in the
// game's own key table shows up.
constexpr std::int16_t keyK = 0x4B;
constexpr std::int16_t keySemicolon = 0xBA;
constexpr std::int16_t keySlash = 0xBF;
constexpr std::int16_t keyShift = 0x10;
constexpr std::int16_t keyInsert = 0x2D;
constexpr std::int16_t keyEnd = 0x23;
constexpr std::int16_t keyPageUp = 0x21;
constexpr std::int16_t keyBackspace = 0x08;
constexpr std::int16_t keyM = 0x4D;
constexpr std::int16_t keyMinus = 0xBD;
constexpr std::int16_t keyF2 = 0x71;
constexpr std::int16_t keyQ = 0x51;
constexpr std::int16_t keyA = 0x41;
constexpr std::int16_t digit0 = 48;
constexpr std::int16_t keypad0 = 0x60;

const std::vector<std::int16_t> unlimitedCode{keyK,     keySemicolon, keySlash,
                                              keyShift, keyInsert,    keyEnd};
// The roll-count code without its final digit.
const std::vector<std::int16_t> rollCountKeys{keyPageUp, keyBackspace, keyM, keyMinus, keyF2};

std::string stepsTitle(const std::string& number) {
    return number + " steps are done.";
}

class CodeWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        program.start();
        open();
    }

    void open() { program.zandiro.Form_DblClick(); }
    void type(std::int16_t key) { program.cheat.Form_KeyDown(key, 0); }
    void type(const std::vector<std::int16_t>& keys, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            type(keys.at(i));
        }
    }
    void typeUnlimitedCode() { type(unlimitedCode, unlimitedCode.size()); }
    void typeRollCountCode(int digit) {
        type(rollCountKeys, rollCountKeys.size());
        type(static_cast<std::int16_t>(digit0 + digit));
    }

    const std::string& title() const { return program.cheat.window.title; }
    bool codeWindowShown() const { return program.cheat.window.visible; }
    bool mainWindowShown() const { return program.zandiro.window.visible; }
    std::int32_t steps() const { return program.module1.cheatsteps; }
    const Module1& rules() const { return program.module1; }

    void expectStillTyping(std::int32_t progress) const {
        EXPECT_EQ(steps(), progress);
        EXPECT_TRUE(codeWindowShown());
        EXPECT_FALSE(mainWindowShown());
        EXPECT_EQ(rules().unlimitedrolls, 0);
        EXPECT_EQ(rules().rollsperturn, 3);
    }

    testing::FakePlatform platform;
    Program program{platform};
};

TEST_F(CodeWindow, FirstOpeningLoadsItInPlaceOfTheMainWindow) {
    EXPECT_TRUE(program.cheat.window.loaded);
    EXPECT_TRUE(codeWindowShown());
    EXPECT_FALSE(mainWindowShown());
    EXPECT_EQ(title(), "0 steps are done.") << "no blank before the first count";
}

TEST(CodeWindowLoad, LoadingSetsTheProgressToZero) {
    testing::FakePlatform platform;
    Program program(platform);
    program.start();
    program.module1.cheatsteps = 4;
    program.zandiro.Form_DblClick();
    EXPECT_EQ(program.module1.cheatsteps, 0);
}

TEST_F(CodeWindow, UnlimitedRollsCodeCountsEveryKeyAndThenSwitchesBack) {
    for (std::size_t i = 0; i < 5; ++i) {
        type(unlimitedCode[i]);
        EXPECT_EQ(title(), stepsTitle(" " + std::to_string(i + 1)));
        expectStillTyping(static_cast<std::int32_t>(i + 1));
    }
    type(keyEnd);
    EXPECT_EQ(rules().unlimitedrolls, 1);
    EXPECT_EQ(rules().rollsperturn, 3);
    EXPECT_EQ(steps(), 0);
    EXPECT_EQ(title(), stepsTitle(" 0"));
    EXPECT_FALSE(codeWindowShown());
    EXPECT_TRUE(mainWindowShown());
}

TEST_F(CodeWindow, RollCountCodeTakesEachDigitFromOneToFive) {
    for (int digit = 1; digit <= 5; ++digit) {
        SCOPED_TRACE(digit);
        open();
        for (std::size_t i = 0; i < rollCountKeys.size(); ++i) {
            type(rollCountKeys[i]);
            EXPECT_EQ(steps(), static_cast<std::int32_t>(i + 6));
            EXPECT_EQ(title(), stepsTitle(" " + std::to_string(i + 1)));
        }
        type(static_cast<std::int16_t>(digit0 + digit));
        EXPECT_EQ(rules().rollsperturn, digit);
        EXPECT_EQ(rules().unlimitedrolls, 0);
        EXPECT_EQ(steps(), 0);
        EXPECT_EQ(title(), stepsTitle(" 0"));
        EXPECT_FALSE(codeWindowShown());
        EXPECT_TRUE(mainWindowShown());
    }
}

struct WrongKey {
    const char* what;
    const std::vector<std::int16_t>* code;
    std::size_t typed;
    std::int16_t key;
};

TEST_F(CodeWindow, AnyKeyOutOfTurnStartsAgainFromNothing) {
    const WrongKey cases[] = {
        {"a letter at the start", &unlimitedCode, 0, keyA},
        {"the second key first", &unlimitedCode, 0, keySemicolon},
        {"a digit at the start", &unlimitedCode, 0, digit0 + 1},
        {"a letter inside", &unlimitedCode, 3, keyA},
        {"a key of the other code", &unlimitedCode, 2, keyBackspace},
        {"the first key of the same code", &unlimitedCode, 4, keyK},
        {"the first key of the other code", &unlimitedCode, 1, keyPageUp},
        {"the last key too early", &unlimitedCode, 4, keyEnd},
        {"a repeated key", &unlimitedCode, 1, keyK},
        {"a repeated key", &rollCountKeys, 3, keyM},
        {"the first key of the same code", &rollCountKeys, 2, keyPageUp},
        {"the first key of the other code", &rollCountKeys, 4, keyK},
        {"a key of the other code", &rollCountKeys, 1, keySemicolon},
        {"a digit too early", &rollCountKeys, 4, digit0 + 1},
        {"a key code with no key", &rollCountKeys, 2, 0},
    };
    for (const WrongKey& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " after " + std::to_string(c.typed) + " keys");
        type(*c.code, c.typed);
        type(c.key);
        expectStillTyping(0);
        EXPECT_EQ(title(), stepsTitle(" 0"));
    }
    typeUnlimitedCode();
    EXPECT_EQ(rules().unlimitedrolls, 1) << "the code still works after the wrong keys";
}

TEST_F(CodeWindow, DigitStepTakesOnlyOneToFiveOfTheMainKeyboard) {
    std::vector<std::int16_t> wrongDigits{digit0, digit0 + 6, digit0 + 7, digit0 + 8, digit0 + 9};
    for (std::int16_t k = 0; k <= 9; ++k) {
        wrongDigits.push_back(static_cast<std::int16_t>(keypad0 + k));
    }
    for (const std::int16_t key : wrongDigits) {
        SCOPED_TRACE(key);
        type(rollCountKeys, rollCountKeys.size());
        type(key);
        expectStillTyping(0);
        EXPECT_EQ(title(), stepsTitle(" 0"));
    }
}

TEST_F(CodeWindow, QLeavesAtAnyStepAndTheCodeGoesOnNextTime) {
    for (std::size_t typed = 0; typed <= 5; ++typed) {
        SCOPED_TRACE(typed);
        type(unlimitedCode, typed);
        type(keyQ);
        EXPECT_EQ(steps(), static_cast<std::int32_t>(typed));
        EXPECT_EQ(title(), stepsTitle(" " + std::to_string(typed)));
        EXPECT_FALSE(codeWindowShown());
        EXPECT_TRUE(mainWindowShown());

        open();
        EXPECT_EQ(steps(), static_cast<std::int32_t>(typed)) << "reopening does not load again";
        EXPECT_EQ(title(), stepsTitle(" " + std::to_string(typed)));
        for (std::size_t i = typed; i < unlimitedCode.size(); ++i) {
            type(unlimitedCode[i]);
        }
        EXPECT_EQ(rules().unlimitedrolls, 1);
        program.module1.unlimitedrolls = 0;
        open();
    }
}

TEST_F(CodeWindow, QInTheRollCountCodeShowsTheCountOfItsOwnKeys) {
    type(rollCountKeys, 3);
    type(keyQ);
    EXPECT_EQ(steps(), 8);
    EXPECT_EQ(title(), stepsTitle(" 3"));
    open();
    type(keyF2 - 1); // F1
    EXPECT_EQ(steps(), 0);
}

TEST_F(CodeWindow, QRightAfterLoadingPutsTheBlankIntoTheTitle) {
    type(keyQ);
    EXPECT_EQ(title(), stepsTitle(" 0"));
}

TEST_F(CodeWindow, CloseBoxActsLikeQ) {
    program.cheat.closeBox();
    EXPECT_TRUE(program.cheat.window.loaded);
    EXPECT_EQ(title(), stepsTitle(" 0"));
    open();
    type(rollCountKeys, 2);
    program.cheat.closeBox();
    EXPECT_FALSE(codeWindowShown());
    EXPECT_TRUE(mainWindowShown());
    EXPECT_EQ(steps(), 7);
    EXPECT_EQ(title(), stepsTitle(" 2"));
}

TEST_F(CodeWindow, ALaterCodeReplacesTheDigitButNotUnlimitedRolls) {
    typeRollCountCode(2);
    open();
    typeRollCountCode(4);
    EXPECT_EQ(rules().rollsperturn, 4);
    open();
    typeUnlimitedCode();
    open();
    typeRollCountCode(1);
    EXPECT_EQ(rules().unlimitedrolls, 1);
    EXPECT_EQ(rules().rollsperturn, 1);
}

TEST_F(CodeWindow, RestartRestoresThreeRollsAndLeavesTheCodeWindowAlone) {
    typeUnlimitedCode();
    open();
    typeRollCountCode(1);
    open();
    type(unlimitedCode, 2);
    type(keyQ);
    program.zandiro.restart_Click();
    EXPECT_EQ(rules().unlimitedrolls, 0);
    EXPECT_EQ(rules().rollsperturn, 3);
    EXPECT_EQ(steps(), 0);
    EXPECT_TRUE(program.cheat.window.loaded);
    EXPECT_FALSE(codeWindowShown());
    EXPECT_EQ(title(), stepsTitle(" 2")) << "the title keeps the last count";
    open();
    EXPECT_EQ(title(), stepsTitle(" 2"));
    type(keySemicolon);
    EXPECT_EQ(steps(), 0) << "the progress was reset, not the title";
}

TEST_F(CodeWindow, ARollRuleEnteredMidTurnWaitsForTheNextRollOrTurn) {
    Zandiro& z = program.zandiro;
    type(keyQ);
    platform.draws.assign(5 * 13, 0.5);
    for (int roll = 0; roll < 3; ++roll) {
        z.press_Click();
    }
    ASSERT_FALSE(z.control("press").enabled);
    open();
    typeUnlimitedCode();
    EXPECT_FALSE(z.control("press").enabled) << "Roll stays disabled until the turn ends";
    z.chance_Click();
    EXPECT_TRUE(z.control("press").enabled);
    for (int roll = 0; roll < 10; ++roll) {
        z.press_Click();
    }
    EXPECT_TRUE(z.control("press").enabled);
}

} // namespace
} // namespace zandiro
