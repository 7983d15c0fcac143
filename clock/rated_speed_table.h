// Rated speeds of the Pentium 4a by the GHz figure in its brand string.
#pragma once

#include <array>
#include <string_view>

struct RatedSpeedRow {
  std::string_view key;               // the brand string's four GHz characters
  std::string_view rated_speed_text;  // comma separator whatever the locale
  int multiplier;
  std::string_view multiplier_text;
  int threshold_mhz;  // above this the processor counts as overclocked
  int rated_mhz;
};

// Thresholds are 1 % above the rated speed for 1.60 to 2.20 and 2.40, 30 MHz
// above for 2.26 and 20 MHz above for 2.53 to 2.80.
// clang-format off
inline constexpr std::array<RatedSpeedRow, 9> RatedSpeedTable{{
    // key     rated-speed text  mult  mult text  threshold  rated
    {"1.60",  "1600,00 MHz",     16,   "x 16",    1616,      1600},
    {"1.80",  "1800,00 MHz",     18,   "x 18",    1818,      1800},
    {"2.00",  "2000,00 MHz",     20,   "x 20",    2020,      2000},
    {"2.20",  "2200,00 MHz",     22,   "x 22",    2222,      2200},
    {"2.26",  "2260,00 MHz",     17,   "x 17",    2290,      2260},
    {"2.40",  "2400,00 MHz",     18,   "x 18",    2424,      2400},
    {"2.53",  "2530,00 MHz",     19,   "x 19",    2550,      2530},
    {"2.60",  "2600,00 MHz",     26,   "x 26",    2620,      2600},
    {"2.80",  "2800,00 MHz",     21,   "x 21",    2820,      2800},
}};
// clang-format on

// The first row whose key equals `rated_speed_text` byte for byte, or null.
const RatedSpeedRow* FindRatedSpeed(std::string_view rated_speed_text);
