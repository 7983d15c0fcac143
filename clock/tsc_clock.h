// Measuring the core clock with the time-stamp counter against the system timers.
#pragma once

#include <cstdint>

uint64_t ReadTimeStampCounter();
// Whole MHz over one second of the millisecond tick counter.
double MeasureClockByTicks();
// MHz over a sleep of `milliseconds`, timed by the performance counter.
float MeasureClockByPerfCounter(int32_t milliseconds);
