// Measuring the core clock with the time-stamp counter against the system timers.
#include "clock/tsc_clock.h"

#include <cmath>

#include "platform/time_source.h"

uint64_t ReadTimeStampCounter() {
  return CurrentTimeSource().TimeStampCounter();
}

double MeasureClockByTicks() {
  TimeSource& time = CurrentTimeSource();
  const uint32_t start = time.TickCount();
  // Starting on a fresh timer step keeps the reading from landing mid-step.
  while (time.TickCount() == start) {
  }
  const uint64_t t0 = ReadTimeStampCounter();
  // The end is counted from the first reading, not from the step just seen;
  // unsigned subtraction keeps the wait whole when the counter wraps past 2^32.
  while (static_cast<uint32_t>(time.TickCount() - start) < 1000) {
  }
  const uint64_t t1 = ReadTimeStampCounter();
  // The window is taken as exactly one second; nearbyint rounds a half to even.
  return std::nearbyint(static_cast<double>(t1 - t0) / 1'000'000.0);
}

float MeasureClockByPerfCounter(int32_t milliseconds) {
  TimeSource& time = CurrentTimeSource();
  const uint64_t t0 = ReadTimeStampCounter();
  const int64_t p0 = time.PerformanceCounter();
  // A negative length would become an endless sleep as an unsigned count.
  time.Sleep(milliseconds > 0 ? static_cast<uint32_t>(milliseconds) : 0);
  const uint64_t t1 = ReadTimeStampCounter();
  const int64_t p1 = time.PerformanceCounter();
  const int64_t frequency = time.PerformanceFrequency();
  // The interval is what the performance counter saw, not the nominal sleep.
  const long double seconds =
      static_cast<long double>(p1 - p0) / static_cast<long double>(frequency);
  const auto ticks = static_cast<int64_t>(t1 - t0);
  return static_cast<float>(static_cast<long double>(ticks) / seconds / 1'000'000.0L);
}
