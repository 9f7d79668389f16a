#include "shell/keyrepeat.h"

namespace zandiro {

bool RepeatFilter::isRepeat(int key, std::uint64_t time, bool marked) {
    // Synthesized events carry no time stamp and are never taken for repeats.
    const bool unmarked = hasRelease_ && releasedKey_ == key && releasedAt_ == time && time != 0;
    hasRelease_ = false;
    return marked || unmarked;
}

void RepeatFilter::released(int key, std::uint64_t time) {
    releasedKey_ = key;
    releasedAt_ = time;
    hasRelease_ = true;
}

} // namespace zandiro
