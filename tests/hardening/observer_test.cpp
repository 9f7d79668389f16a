#include "invariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace zandiro::hardening {
namespace {

// A game one turn in, with the code window loaded, one key typed and left by Q.
struct Played {
    PlayPlatform platform;
    Program program{platform};
    std::unique_ptr<Observer> observer;

    Played() {
        program.start();
        observer = std::make_unique<Observer>(program);
        const Event events[] = {pressAt(250, 330),
                                releaseAt(250, 330),
                                doubleClickAt(250, 330),
                                keyDown(GameWindow::Code, 0x4B),
                                keyDown(GameWindow::Code, 0x51),
                                {activateAt(button(1)), 1},
                                activateAt(category(13))};
        for (const Event& e : events) {
            observer->before(program, e);
            deliver(program, platform, e);
            const auto fault = observer->after(program, platform, e);
            EXPECT_FALSE(fault.has_value()) << describe(e) << ": " << *fault;
        }
    }
};

struct Corruption {
    const char* what;
    std::function<void(Program&)> apply;
    const char* rule;
};

// Each rule must be able to fail: a state broken behind the game's back is
// reported under the rule that covers it.
TEST(Observer, ReportsEveryKindOfBrokenState) {
    const Corruption corruptions[] = {
        {"filled counted twice", [](Program& p) { ++p.zandiro.filled; }, "filled"},
        {"a die of 7", [](Program& p) { p.zandiro.dice[3] = 7; }, "dice"},
        {"negative rolls", [](Program& p) { p.zandiro.rolls = -1; }, "rolls"},
        {"total caption stale", [](Program& p) { p.zandiro.control("totu").caption = "Total:  1"; },
         "totals"},
        {"lower total off by one", [](Program& p) { ++p.zandiro.lowertotal; }, "totals"},
        {"grand total wrapped", [](Program& p) { p.zandiro.grandtotal = -32768; }, "totals"},
        {"negative caption", [](Program& p) { p.zandiro.control("tott").caption = "Total: -1"; },
         "caption"},
        {"category caption without its score",
         [](Program& p) { p.zandiro.control("chance").caption = "Chance:  99"; }, "caption"},
        {"impossible score", [](Program& p) { p.zandiro.fullhscore = 20; }, "score"},
        {"open category with a score", [](Program& p) { p.zandiro.upper[2] = 2; }, "score"},
        {"restart shown in a game", [](Program& p) { p.zandiro.control("restart").visible = true; },
         "game-over"},
        {"Roll disabled at a turn's start",
         [](Program& p) { p.zandiro.control("press").enabled = false; }, "roll-button"},
        {"scoring open before a roll", [](Program& p) { p.zandiro.numbers(2).enabled = true; },
         "scoring"},
        {"both windows shown", [](Program& p) { p.cheat.window.visible = true; }, "windows"},
        {"rules changed", [](Program& p) { p.module1.rollsperturn = 4; }, "code"},
        {"progress changed", [](Program& p) { p.module1.cheatsteps = 3; }, "code"},
        {"title off", [](Program& p) { p.cheat.window.title = "0 steps are done."; }, "code"},
    };
    for (const Corruption& c : corruptions) {
        Played played;
        ASSERT_FALSE(played.observer->checkAll(played.program).has_value());
        c.apply(played.program);
        const auto fault = played.observer->checkAll(played.program);
        ASSERT_TRUE(fault.has_value()) << c.what;
        EXPECT_EQ(fault->substr(0, fault->find(':')), c.rule) << c.what << ": " << *fault;
    }
}

// A new game shows the layout's total captions until its first turn ends, even
// though the previous game's grand total is still in the variable.
TEST(Observer, NewGameTotalsAreTheLayoutCaptions) {
    Played played;
    played.program.zandiro.control("tott").caption = "Total:  7";
    const auto stale = played.observer->checkAll(played.program);
    ASSERT_TRUE(stale.has_value());

    PlayPlatform platform;
    Program program(platform);
    program.start();
    program.zandiro.grandtotal = 1234;
    const Observer fresh(program);
    EXPECT_FALSE(fresh.checkAll(program).has_value());
    program.zandiro.control("totl").caption = "Total:  0";
    EXPECT_TRUE(fresh.checkAll(program).has_value());
}

// An announcement without a change, a held die the game took for the roll,
// and a box that let an input through are each reported.
TEST(Observer, ReportsWhatAListenerWronglyHears) {
    const std::pair<std::function<void(Program&)>, Input> wrongs[] = {
        {[](Program& p) { ++p.said.serial; }, activateAt({})},
        {[](Program& p) { p.said.kind = Announcement::Kind::Roll; }, activateAt(die(2))},
        {[](Program& p) { p.zandiro.rolls = 5; }, messageClosed()},
    };
    for (const auto& [wrong, input] : wrongs) {
        Played played;
        played.program.handle(pressAt(329, 137)); // the reveal label in the empty slot
        played.program.handle(releaseAt(329, 137));
        const bool box = input.kind == Input::Kind::MessageClosed;
        if (!box) {
            played.program.handle(messageClosed());
        }
        played.observer->before(played.program, input);
        deliver(played.program, played.platform, input);
        wrong(played.program);
        const auto fault = played.observer->after(played.program, played.platform, input);
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(fault->substr(0, fault->find(':')), box ? "message-box" : "speech") << *fault;
    }
}

} // namespace
} // namespace zandiro::hardening
