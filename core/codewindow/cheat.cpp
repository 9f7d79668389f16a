#include "codewindow/cheat.h"

#include "game/numbertext.h"
#include "game/translation.h"
#include "input/virtualkeys.h"

#include <array>
#include <optional>

namespace zandiro {
namespace {

// The steps of the two codes: the key that advances from each progress value.
// Progress 1 to 5 is the unlimited-rolls code, 6 to 10 the roll-count code.
struct Step {
    std::int32_t from;
    std::int16_t key;
    std::int32_t to;
};

constexpr std::array<Step, 10> steps{{
    {0, vk::letterK, 1},
    {1, vk::oem1, 2},
    {2, vk::oem2, 3},
    {3, vk::shift, 4},
    {4, vk::insert, 5},
    {0, vk::prior, 6},
    {6, vk::back, 7},
    {7, vk::letterM, 8},
    {8, vk::oemMinus, 9},
    {9, vk::f2, 10},
}};

constexpr std::int32_t unlimitedLastStep = 5;
constexpr std::int32_t rollCountLastStep = 10;

std::optional<std::int32_t> nextStep(std::int32_t progress, std::int16_t key) {
    for (const Step& step : steps) {
        if (step.from == progress && step.key == key) {
            return step.to;
        }
    }
    return std::nullopt;
}

// The window's title: how many keys of the code in progress are typed.
std::string progressTitle(const std::string& number, std::int32_t done) {
    // TRANSLATORS: the code window's title; %1 is the number of keys typed, 0 to 5.
    return fill(translatedPlural("%1 steps are done.", "%1 steps are done.",
                                 static_cast<std::uint64_t>(done)),
                {number});
}

Control codeLabel() {
    Control c;
    c.name = "Label1";
    c.caption = translated("Type in the password, or press Q to quit.");
    c.width = 193;
    c.height = 49;
    c.background = Rgb{0, 255, 0};
    c.font = Font{"Times New Roman", 14.25, 400};
    c.wordWrap = true;
    return c;
}

} // namespace

Cheat::Cheat(Module1& module1, WindowFrame& mainWindow)
    : Label1(codeLabel()), module1_(module1), mainWindow_(mainWindow) {}

void Cheat::show() {
    if (!window.loaded) {
        window.loaded = true;
        ++window.generation;
        Form_Load();
    }
    window.visible = true;
}

void Cheat::Form_Load() {
    window.title = progressTitle("0", 0);
    module1_.cheatsteps = 0;
}

void Cheat::Form_KeyDown(std::int16_t KeyCode, std::int16_t) {
    const std::int32_t s = module1_.cheatsteps;
    if (const auto next = nextStep(s, KeyCode)) {
        module1_.cheatsteps = *next;
    } else if (KeyCode == vk::end && s == unlimitedLastStep) {
        module1_.cheatsteps = 0;
        module1_.unlimitedrolls = 1;
        leave();
    } else if (KeyCode > vk::digit0 && KeyCode < vk::digit0 + 6 && s == rollCountLastStep) {
        module1_.cheatsteps = 0;
        module1_.rollsperturn = static_cast<std::int16_t>(KeyCode - vk::digit0);
        leave();
    } else if (KeyCode == vk::letterQ) {
        leave();
    } else {
        module1_.cheatsteps = 0;
    }
    showProgress();
}

// Closing the window through its frame is taken as the key Q, so the window
// is hidden rather than unloaded and the main window comes back.
void Cheat::closeBox() {
    Form_KeyDown(vk::letterQ, 0);
}

void Cheat::leave() {
    mainWindow_.visible = true;
    window.visible = false;
}

void Cheat::showProgress() {
    const std::int32_t s = module1_.cheatsteps;
    const std::int32_t done = s > 5 ? s - 5 : s;
    window.title = progressTitle(numberText(done), done);
}

} // namespace zandiro
