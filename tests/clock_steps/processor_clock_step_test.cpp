// The processor speed panel after the clock step.
#include "clock/processor_clock_step.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include "cpu/cpuid.h"
#include "platform/time_source.h"
#include "support/dump_fixture.h"
#include "ui/controls.h"

namespace {

class ProcessorClockStepTest : public RecordTest {};

TEST_F(ProcessorClockStepTest, ShowsTheClockTextInMHz) {
  UseDump("intel/pentium-4-1.60-northwood.txt");
  ReadSignature();
  SimulatedTimeSource clock(1700);
  ScopedTimeSource installed(clock);
  QWidget form;
  auto* panel = new QLabel(&form);
  panel->setObjectName("Panel18");
  TagKind(*panel, ControlKind::Panel);

  ShowProcessorClock(form);

  EXPECT_EQ(Caption(form, "Panel18"), "1700 MHz");
  EXPECT_EQ(CpuidState.ClockText, "1700");
}

}  // namespace
