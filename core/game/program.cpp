#include "game/program.h"

#include "input/route.h"

namespace zandiro {

void PlatformGate::messageBox(const std::string& text) {
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
    const Hearable before = hearable(zandiro, keyboard.focus());
    const bool taken = route(*this, input);
    keyboard.settle();
    const Announcement now = heard(before, zandiro, said.serial + 1);
    if (now.kind != Announcement::Kind::None) {
        said = now;
    }
    return taken;
}

} // namespace zandiro
