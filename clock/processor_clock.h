// The core clock of one activation: measured and written into the processor record.
#pragma once

// Writes CpuidState.ClockMHz and CpuidState.ClockText (at most 7 characters).
// Blocks for about 1 s; about 1.1 s on AMD processors and up to 2 s on AMD family 5,
// which are measured twice.
void MeasureProcessorClock();
