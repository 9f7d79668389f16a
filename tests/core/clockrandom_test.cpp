#include "game/clockrandom.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

namespace zandiro {
namespace {

std::vector<int> firstFaces(ClockRandom& random, int count) {
    std::vector<int> faces;
    for (int n = 0; n < count; ++n) {
        faces.push_back(static_cast<int>(std::floor(random.next() * 6)) + 1);
    }
    return faces;
}

TEST(ClockRandom, DrawsLieInTheUnitIntervalAndReachEveryFace) {
    ClockRandom random;
    random.randomize();
    int faceCounts[7] = {};
    for (int n = 0; n < 60000; ++n) {
        const double r = random.next();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
        ++faceCounts[static_cast<int>(std::floor(r * 6)) + 1];
    }
    for (int face = 1; face <= 6; ++face) {
        EXPECT_NEAR(faceCounts[face], 10000, 600) << "face " << face;
    }
}

TEST(ClockRandom, TwoStartsAMomentApartRollDifferentGames) {
    ClockRandom first;
    first.randomize();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ClockRandom second;
    second.randomize();
    EXPECT_NE(firstFaces(first, 30), firstFaces(second, 30));
}

} // namespace
} // namespace zandiro
