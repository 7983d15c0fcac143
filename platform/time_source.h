// The clocks the processor clock is measured against: the system's, or a
// simulated one whose time-stamp counter runs at an exact rate.
#pragma once

#include <cstdint>

class TimeSource {
 public:
  virtual ~TimeSource() = default;
  // Milliseconds since an arbitrary start, wrapping at 2^32.
  virtual uint32_t TickCount() = 0;
  virtual int64_t PerformanceCounter() = 0;
  virtual int64_t PerformanceFrequency() = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;
  virtual uint64_t TimeStampCounter() = 0;
};

// CLOCK_MONOTONIC milliseconds truncated to 32 bits (so it wraps as the
// tick counter it stands for does), CLOCK_MONOTONIC_RAW nanoseconds at 10^9 Hz,
// nanosleep and RDTSC.
class SystemTimeSource final : public TimeSource {
 public:
  uint32_t TickCount() override;
  int64_t PerformanceCounter() override;
  int64_t PerformanceFrequency() override { return 1'000'000'000; }
  void Sleep(uint32_t milliseconds) override;
  uint64_t TimeStampCounter() override;
};

// Simulated time in nanoseconds. Every reading advances time a little, as a
// real reading takes time, so busy waits end; sleeps advance time at once.
// The time-stamp counter advances `mhz` ticks per simulated microsecond.
class SimulatedTimeSource final : public TimeSource {
 public:
  explicit SimulatedTimeSource(double mhz, uint64_t start_ns = 0, uint32_t tick_offset_ms = 0);

  uint32_t TickCount() override;
  int64_t PerformanceCounter() override;
  int64_t PerformanceFrequency() override { return 1'000'000'000; }
  void Sleep(uint32_t milliseconds) override;
  uint64_t TimeStampCounter() override;

  uint64_t NowNs() const { return now_ns_; }
  // How far one reading of a clock moves simulated time.
  static constexpr uint64_t kReadingCostNs = 1'000;

 private:
  double mhz_;
  uint64_t now_ns_;
  uint32_t tick_offset_ms_;
};

TimeSource& CurrentTimeSource();

// Installs a time source for the guard's lifetime and restores the previous one.
class ScopedTimeSource {
 public:
  explicit ScopedTimeSource(TimeSource& source);
  ~ScopedTimeSource();
  ScopedTimeSource(const ScopedTimeSource&) = delete;
  ScopedTimeSource& operator=(const ScopedTimeSource&) = delete;

 private:
  TimeSource* previous_;
};
