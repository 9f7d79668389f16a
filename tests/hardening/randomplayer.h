#pragma once

#include "playevents.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zandiro::hardening {

// Where the player's decisions come from: a seeded generator for random play,
// or the bytes of a fuzzer's input.
class Choices {
  public:
    virtual ~Choices() = default;
    // A number in 0 .. n-1; n is at least 1.
    virtual std::uint32_t below(std::uint32_t n) = 0;
    // The draw plan of an event that may roll the dice.
    virtual std::uint32_t drawPlan() = 0;
    virtual bool exhausted() const { return false; }
};

class SeededChoices : public Choices {
  public:
    explicit SeededChoices(std::uint64_t seed) : state_(seed) {}
    std::uint32_t below(std::uint32_t n) override;
    std::uint32_t drawPlan() override { return static_cast<std::uint32_t>(next() >> 32); }

  private:
    std::uint64_t next();
    std::uint64_t state_;
};

class ByteChoices : public Choices {
  public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint32_t below(std::uint32_t n) override;
    std::uint32_t drawPlan() override;
    bool exhausted() const override { return exhausted_; }

  private:
    std::uint32_t byte();
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::uint32_t plans_ = 0;
    bool exhausted_ = false;
};

// A player who does anything the windows allow, in any order: clicks on every
// control and activates every place (and some the window does not have),
// presses anywhere on the main window with any button, double-clicks, any key
// on either window, with the two codes typed often enough to change the roll
// rules, and closes the message boxes. It reads the program but never changes
// it.
class RandomPlayer {
  public:
    // Appends the player's next gesture: one event or a few that belong together.
    void next(const Program& program, Choices& choices, std::vector<Event>& out);

  private:
    void onMainWindow(const Program& program, Choices& choices, std::vector<Event>& out);
    void onCodeWindow(const Program& program, Choices& choices, std::vector<Event>& out);
    void typeCode(Choices& choices, std::vector<Event>& out);
    void click(Choices& choices, std::vector<Event>& out, double x, double y);
    void reach(const Zandiro& z, Choices& choices, std::vector<Event>& out, FocusPlace place);
    void mainWindowKey(Choices& choices, std::vector<Event>& out);
    int key(Choices& choices, std::vector<Event>& out, int code);

    int lastKey_ = 0;
};

} // namespace zandiro::hardening
