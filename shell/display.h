#pragma once

#include <QString>
#include <memory>

namespace zandiro {

struct CommandLine;

// Why the program has no display to open its windows on, or an empty text
// when it has one to try. Qt's windowless platforms (offscreen, vnc, ...)
// need none.
QString missingDisplay(const CommandLine& commandLine);

// While one lives, a failure of Qt to open the display ends the program with
// one line on stderr and exit status 1, instead of Qt's plugin messages and
// an abort. Qt's other messages meanwhile are held back and passed on when it
// goes.
class DisplayOpening {
  public:
    explicit DisplayOpening(const CommandLine& commandLine);
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;
};

} // namespace zandiro
