#pragma once

#include <QString>
#include <optional>

namespace zandiro {

// What the command line asks for. It is read before any window opens, so
// that --help, --version and a mistyped option answer without a display.
struct CommandLine {
    // Set when the program ends here: 0 after the help or the version, 1
    // after an error, which is reported on stderr.
    std::optional<int> exitStatus;
    // Qt's own -platform and -display, which QApplication takes itself.
    QString platform;
    QString display;
};

CommandLine readCommandLine(int& argc, char** argv);

} // namespace zandiro
