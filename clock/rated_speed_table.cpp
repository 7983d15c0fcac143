// Lookup in the rated-speed table.
#include "clock/rated_speed_table.h"

#include <algorithm>

namespace {

constexpr bool KeysAreUnique() {
  for (size_t i = 0; i < RatedSpeedTable.size(); ++i) {
    for (size_t j = i + 1; j < RatedSpeedTable.size(); ++j) {
      if (RatedSpeedTable[i].key == RatedSpeedTable[j].key) return false;
    }
  }
  return true;
}

constexpr bool ThresholdsAboveRatedSpeed() {
  return std::ranges::all_of(
      RatedSpeedTable, [](const RatedSpeedRow& row) { return row.threshold_mhz > row.rated_mhz; });
}

// A second row with the same key could never match.
static_assert(KeysAreUnique());
static_assert(ThresholdsAboveRatedSpeed());

}  // namespace

const RatedSpeedRow* FindRatedSpeed(std::string_view rated_speed_text) {
  auto row = std::ranges::find(RatedSpeedTable, rated_speed_text, &RatedSpeedRow::key);
  return row == RatedSpeedTable.end() ? nullptr : &*row;
}
