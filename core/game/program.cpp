#include "game/program.h"

#include "input/route.h"

namespace zandiro {

void PlatformGate::messageBox(const std::string& text) {
    beforeBox_();
    if (outside_.showsBoxAfterEvent()) {
        message_ = text;
    }
    outside_.messageBox(text);
}

void PlatformGate::endProgram() {
    ended_ = true;
    outside_.endProgram();
}

void Program::start() {
    zandiro.load();
    keyboard.settle();
}

bool Program::handle(const Input& input) {
    if (gate.ended()) {
        return false;
    }
    if (gate.openMessage()) {
        if (input.kind == Input::Kind::MessageClosed) {
            gate.messageClosed();
        }
        return input.kind == Input::Kind::MessageClosed;
    }
    heardFrom_ = hearable(zandiro, keyboard.focus());
    const bool taken = route(*this, input);
    keyboard.settle();
    hear();
    return taken;
}

void Program::hear() {
    if (!heardFrom_) {
        return;
    }
    const Announcement now = heard(*heardFrom_, zandiro, said.serial + 1);
    heardFrom_.reset();
    if (now.kind != Announcement::Kind::None) {
        said = now;
    }
}

} // namespace zandiro
