// Codenames whose L2 cache has no speed of its own to show, or runs at half the core clock.
#pragma once

#include <array>
#include <string_view>

// clang-format off
inline constexpr std::array<std::string_view, 3> kCodenamesWithoutL2Speed{
    "K6 (nexgen)", "Little Foot", "Chomper"};

inline constexpr std::array<std::string_view, 10> kCodenamesWithHalfClockL2{
    "Argon", "Pluto", "Katmai", "KB0", "C0", "C1", "dB0", "DA0", "dA1", "dB1"};
// clang-format on
