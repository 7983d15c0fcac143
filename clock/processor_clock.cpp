// The core clock of one activation: measured and written into the processor record.
#include "clock/processor_clock.h"

#include "clock/float_text.h"
#include "clock/tsc_clock.h"
#include "cpu/cpuid.h"

namespace {

constexpr size_t kClockTextWidth = 7;

}  // namespace

void MeasureProcessorClock() {
  CpuidState.ClockMHz = MeasureClockByPerfCounter(1000);
  if (VendorIs(kVendorAmd)) {
    if (CpuidState.Family == 5) {
      // The text comes from a second, tick-counter measurement while ClockMHz
      // keeps the first: the L2 speed is halved from ClockMHz, not from this.
      CpuidState.ClockText = FixedText(MeasureClockByTicks(), 1);
    } else {
      CpuidState.ClockMHz = MeasureClockByPerfCounter(100);
      CpuidState.ClockText = FloatText(CpuidState.ClockMHz);
    }
  } else {
    CpuidState.ClockText = FloatText(CpuidState.ClockMHz);
  }
  CpuidState.ClockText = CutToWidth(CpuidState.ClockText, kClockTextWidth);
}
