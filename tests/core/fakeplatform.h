#pragma once

#include "game/platform.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zandiro::testing {

// A platform whose random draws are scripted and whose message boxes are
// recorded, together with whatever the test wants to know at that moment.
class FakePlatform : public Platform {
  public:
    void messageBox(const std::string& text) override {
        messages.push_back(text);
        if (onMessage) {
            onMessage(text);
        }
    }
    void endProgram() override { ++endRequests; }
    void randomize() override { ++randomizeCalls; }
    // A test that queues too few draws fails here rather than rolling ones.
    double rnd() override {
        if (draws.empty()) {
            ADD_FAILURE() << "the game drew more random numbers than the test queued";
            return 0.0;
        }
        const double r = draws.front();
        draws.pop_front();
        return r;
    }

    // Queues draws that roll the given faces.
    void rollFaces(std::initializer_list<int> faces) {
        for (int face : faces) {
            draws.push_back((face - 1) / 6.0 + 0.01);
        }
    }

    std::deque<double> draws;
    std::vector<std::string> messages;
    std::function<void(const std::string&)> onMessage;
    int endRequests = 0;
    int randomizeCalls = 0;
};

} // namespace zandiro::testing
