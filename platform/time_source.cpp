// System clocks on Linux, the simulated clock, and the switchable current source.
#include "platform/time_source.h"

#include <cerrno>
#include <cmath>
#include <ctime>

#if defined(__i386__) || defined(__x86_64__)
#include <x86intrin.h>
#endif

namespace {

int64_t ReadClockNs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

SystemTimeSource& System() {
  static SystemTimeSource system;
  return system;
}

TimeSource* current = nullptr;

}  // namespace

uint32_t SystemTimeSource::TickCount() {
  return static_cast<uint32_t>(ReadClockNs(CLOCK_MONOTONIC) / 1'000'000);
}

int64_t SystemTimeSource::PerformanceCounter() {
  return ReadClockNs(CLOCK_MONOTONIC_RAW);
}

void SystemTimeSource::Sleep(uint32_t milliseconds) {
  timespec remaining{static_cast<time_t>(milliseconds / 1000),
                     static_cast<long>(milliseconds % 1000) * 1'000'000};
  while (nanosleep(&remaining, &remaining) == -1 && errno == EINTR) {
  }
}

uint64_t SystemTimeSource::TimeStampCounter() {
#if defined(__i386__) || defined(__x86_64__)
  return __rdtsc();
#else
  // No time-stamp counter: count nanoseconds, so figures read as a 1000 MHz clock.
  return static_cast<uint64_t>(ReadClockNs(CLOCK_MONOTONIC_RAW));
#endif
}

SimulatedTimeSource::SimulatedTimeSource(double mhz, uint64_t start_ns, uint32_t tick_offset_ms)
    : mhz_(mhz), now_ns_(start_ns), tick_offset_ms_(tick_offset_ms) {}

uint32_t SimulatedTimeSource::TickCount() {
  auto ticks = static_cast<uint32_t>(now_ns_ / 1'000'000) + tick_offset_ms_;
  now_ns_ += kReadingCostNs;
  return ticks;
}

int64_t SimulatedTimeSource::PerformanceCounter() {
  auto reading = static_cast<int64_t>(now_ns_);
  now_ns_ += kReadingCostNs;
  return reading;
}

void SimulatedTimeSource::Sleep(uint32_t milliseconds) {
  now_ns_ += static_cast<uint64_t>(milliseconds) * 1'000'000;
}

uint64_t SimulatedTimeSource::TimeStampCounter() {
  // Ticks = MHz x microseconds; long double keeps the product exact for the
  // sizes a run reaches.
  auto ticks = static_cast<uint64_t>(
      std::llround(static_cast<long double>(mhz_) * static_cast<long double>(now_ns_) / 1000.0L));
  now_ns_ += kReadingCostNs;
  return ticks;
}

TimeSource& CurrentTimeSource() {
  return current ? *current : System();
}

ScopedTimeSource::ScopedTimeSource(TimeSource& source) : previous_(current) {
  current = &source;
}

ScopedTimeSource::~ScopedTimeSource() {
  current = previous_;
}
