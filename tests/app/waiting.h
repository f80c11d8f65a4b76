// Bounded waiting: nothing the tool does is awaited forever, so a hang fails the test.
#pragma once

#include <windows.h>

#include <chrono>

namespace cp::e2e {

using namespace std::chrono_literals;

// How long any one reaction of the tool may take.
inline constexpr std::chrono::milliseconds kPatience = 10s;

// Polls until condition() holds; false when it still does not hold after patience.
template <typename Condition>
bool eventually(Condition condition, std::chrono::milliseconds patience = kPatience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(20);
    }
}

}  // namespace cp::e2e
