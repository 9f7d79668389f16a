#include "shell/shell.h"

#include "shell/accessibility.h"
#include "shell/cheatwindow.h"
#include "shell/mainwindow.h"

namespace zandiro {

Shell::Shell(Platform& platform)
    : game_(platform),
      main_(std::make_unique<MainWindow>(game_.program(),
                                         [this](const Input& input) { return deliver(input); })) {
    installAccessibility();
}

Shell::~Shell() = default;

void Shell::start() {
    refresh();
}

// The window being shown is shown before the other is hidden, so there is
// always a window on screen.
void Shell::refresh() {
    if (ended_) {
        return;
    }
    const Program& program = game_.program();
    if (program.cheat.window.loaded && !cheat_) {
        cheat_ = std::make_unique<CheatWindow>(
            program.cheat, [this](const Input& input) { return deliver(input); });
    }
    if (program.zandiro.window.visible) {
        main_->sync();
    }
    if (cheat_) {
        cheat_->sync();
    }
    if (!program.zandiro.window.visible) {
        main_->sync();
    }
}

bool Shell::deliver(const Input& input) {
    const bool taken = game_.handle(input);
    refresh();
    return taken;
}

void Shell::end() {
    ended_ = true;
    main_->hide();
    if (cheat_) {
        cheat_->hide();
    }
}

} // namespace zandiro
