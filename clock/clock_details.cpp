// Rated speed, bus clock, overclock figure and cache clocks derived from the measured clock.
#include "clock/clock_details.h"

#include <algorithm>

#include "clock/float_text.h"
#include "clock/l2_speed_codenames.h"
#include "cpu/cpuid.h"
#include "knowledge/codename.h"
#include "knowledge/processor_name.h"

namespace {

constexpr size_t kSysClockWidth = 6;
constexpr size_t kBusClockWidth = 6;
constexpr size_t kOverclockWidth = 5;
constexpr size_t kHalfClockWidth = 7;
// The brand string is right-aligned in its 48 characters, so positions 41 to
// 44 (from 1) hold the GHz figure of a brand ending in "1.60GHz".
constexpr size_t kRatedSpeedAt = 40;
constexpr size_t kRatedSpeedLength = 4;
// The front-side bus is quad-pumped.
constexpr double kBusTransfersPerClock = 4;

std::string RatedSpeedFromBrand(const std::string& brand) {
  std::string text = brand.substr(std::min(kRatedSpeedAt, brand.size()), kRatedSpeedLength);
  return text.substr(0, text.find('\0'));
}

std::string OverclockCaption(const RatedSpeedRow& row) {
  if (CpuidState.ClockMHz > row.threshold_mhz) {
    CpuidState.OverclockPercent = CpuidState.ClockMHz / row.rated_mhz * 100 - 100;
    CpuidState.OverclockText = CutToWidth(FloatText(CpuidState.OverclockPercent), kOverclockWidth);
    return "Yes " + CpuidState.OverclockText + "%";
  }
  return "no";
}

void ApplyRatedSpeed(const RatedSpeedRow& row, ClockDetails& details) {
  details.rated_speed = &row;
  CpuidState.SysClockMHz = CpuidState.ClockMHz / row.multiplier;
  CpuidState.SysClockText = FloatText(CpuidState.SysClockMHz);
  CpuidState.BusClockMHz = CpuidState.SysClockMHz * kBusTransfersPerClock;
  CpuidState.BusClockText = FloatText(CpuidState.BusClockMHz);
  CpuidState.SysClockText = CutToWidth(CpuidState.SysClockText, kSysClockWidth);
  CpuidState.BusClockText = CutToWidth(CpuidState.BusClockText, kBusClockWidth);
  details.overclock_caption = OverclockCaption(row);
}

template <size_t N>
bool IsOneOf(const std::string& codename, const std::array<std::string_view, N>& set) {
  return std::ranges::find(set, codename) != set.end();
}

L2Speed L2SpeedOf(const std::string& codename) {
  if (IsOneOf(codename, kCodenamesWithoutL2Speed)) return L2Speed::NotApplicable;
  if (IsOneOf(codename, kCodenamesWithHalfClockL2)) return L2Speed::HalfClock;
  return L2Speed::FullClock;
}

}  // namespace

ClockDetails ComputeClockDetails() {
  ClockDetails details;
  if (VendorIs(kVendorIntel)) {
    details.micro_op_unit = CpuidState.Family == 15;
    if (GetProcessorName() == "Pentium 4a") {
      details.is_pentium_4a = true;
      CpuidState.RatedSpeedText = RatedSpeedFromBrand(ReadBrandString());
      if (const RatedSpeedRow* row = FindRatedSpeed(CpuidState.RatedSpeedText)) {
        ApplyRatedSpeed(*row, details);
      }
    }
  }
  CpuidState.HalfClockText = CutToWidth(FloatText(CpuidState.ClockMHz / 2), kHalfClockWidth);
  details.l2_speed = L2SpeedOf(GetCodename());
  return details;
}
