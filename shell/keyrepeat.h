#pragma once

#include <cstdint>

namespace zandiro {

// Tells auto-repeated key presses apart. Under X11 a repeat can come as a
// release and a press of the same key at the same time stamp, unmarked.
class RepeatFilter {
  public:
    // Whether this press repeats the one before; `marked` is the toolkit's
    // own auto-repeat flag.
    bool isRepeat(int key, std::uint64_t time, bool marked);
    void released(int key, std::uint64_t time);

  private:
    int releasedKey_ = 0;
    std::uint64_t releasedAt_ = 0;
    bool hasRelease_ = false;
};

} // namespace zandiro
