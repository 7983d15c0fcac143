// Activation step: measure the core clock and show it on the Summary page.
#include "clock/processor_clock_step.h"

#include "clock/processor_clock.h"
#include "cpu/cpuid_state.h"
#include "ui/controls.h"

void ShowProcessorClock(QWidget& form) {
  MeasureProcessorClock();
  SetCaption(form, "Panel18", CpuidState.ClockText + " MHz");
}
