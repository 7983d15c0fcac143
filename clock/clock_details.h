// Rated speed, bus clock, overclock figure and cache clocks derived from the measured clock.
#pragma once

#include <string>

#include "clock/rated_speed_table.h"

enum class L2Speed { NotApplicable, HalfClock, FullClock };

// What the clock-details step shows besides the record's texts.
struct ClockDetails {
  bool micro_op_unit = false;  // the L1 code cache is counted in thousands of micro-ops
  bool is_pentium_4a = false;  // the speed box's extra lines apply
  const RatedSpeedRow* rated_speed = nullptr;  // the Pentium 4a's row, when its brand has one
  std::string overclock_caption;               // "Yes 6.25%" or "no", with a row only
  L2Speed l2_speed = L2Speed::FullClock;
};

// Reads ClockMHz; writes HalfClockText always; for a Pentium 4a RatedSpeedText,
// and when the table holds that speed the system and bus clocks and, above the
// row's threshold, the overclock figure.
ClockDetails ComputeClockDetails();
