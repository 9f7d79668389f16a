#include "shell/shell.h"

#include "shell/accessibility.h"
#include "shell/cheatwindow.h"
#include "shell/mainwindow.h"

namespace zandiro {

Shell::Shell(Platform& platform)
    : program_(platform),
      main_(std::make_unique<MainWindow>(program_, [this](const EventCall& e) { deliver(e); })) {
    installAccessibility();
}

Shell::~Shell() = default;

void Shell::start() {
    program_.start();
    refresh();
}

// The window being shown is shown before the other is hidden, so there is
// always a window on screen.
void Shell::refresh() {
    if (ended_) {
        return;
    }
    if (program_.cheat.window.loaded && !cheat_) {
        cheat_ = std::make_unique<CheatWindow>(program_.cheat,
                                               [this](const EventCall& e) { deliver(e); });
    }
    if (program_.zandiro.window.visible) {
        main_->sync();
    }
    if (cheat_) {
        cheat_->sync();
    }
    if (!program_.zandiro.window.visible) {
        main_->sync();
    }
}

void Shell::deliver(const EventCall& event) {
    program_.handle(event);
    refresh();
}

void Shell::end() {
    ended_ = true;
    main_->hide();
    if (cheat_) {
        cheat_->hide();
    }
}

} // namespace zandiro
