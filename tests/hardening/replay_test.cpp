#include "playrun.h"

#include <gtest/gtest.h>

namespace zandiro::hardening {
namespace {

// Event lists that random play or the fuzzer once found breaking a rule,
// shrunk and kept so that the fault stays mended.

} // namespace
} // namespace zandiro::hardening
