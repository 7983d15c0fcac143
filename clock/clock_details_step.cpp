// Activation step: cache clocks, and rated speed, bus clock and overclock figure of a Pentium 4a.
#include "clock/clock_details_step.h"

#include <array>
#include <string>
#include <string_view>

#include "clock/clock_details.h"
#include "cpu/cpuid_state.h"
#include "ui/controls.h"

namespace {

// The speed box's extra lines and their labels, in the order they are enabled;
// the form creates all of them disabled but Panel21.
constexpr std::array<std::string_view, 12> kSpeedBoxLines{
    "Panel24",  "Label141", "Panel20",  "Label143", "Panel22",  "Panel23",
    "Label144", "Panel21",  "Label142", "Label157", "Label158", "Label23"};

void ShowRatedSpeed(QWidget& form, const ClockDetails& details) {
  const RatedSpeedRow& row = *details.rated_speed;
  SetCaption(form, "Panel24", std::string(row.rated_speed_text));
  SetCaption(form, "Panel20", CpuidState.SysClockText);
  SetCaption(form, "Panel21", CpuidState.BusClockText);
  SetCaption(form, "Panel22", std::string(row.multiplier_text));
  SetCaption(form, "Panel23", details.overclock_caption);
}

void ShowL2Speed(QWidget& form, L2Speed speed) {
  switch (speed) {
    case L2Speed::NotApplicable:
      SetCaption(form, "Panel28", "N/A");
      SetCaption(form, "Panel31", "N/A");
      return;
    case L2Speed::HalfClock:
      SetCaption(form, "Panel31", CpuidState.HalfClockText);
      return;
    case L2Speed::FullClock:
      SetCaption(form, "Panel31", CpuidState.ClockText);
      return;
  }
}

}  // namespace

void ShowClockDetails(QWidget& form) {
  SetCaption(form, "Panel30", CpuidState.ClockText);
  const ClockDetails details = ComputeClockDetails();
  // "KµOP": the L1 code cache of family 15 holds thousands of micro-ops.
  if (details.micro_op_unit) SetCaption(form, "Label27", "K\xB5OP");
  if (details.is_pentium_4a) {
    for (std::string_view line : kSpeedBoxLines) SetControlEnabled(form, line, true);
    if (details.rated_speed != nullptr) ShowRatedSpeed(form, details);
  }
  ShowL2Speed(form, details.l2_speed);
}
