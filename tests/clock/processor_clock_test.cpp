// The core clock of an activation by vendor and family: which measurements run and which one shows.
#include "clock/processor_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

#include "cpu/cpuid.h"
#include "platform/time_source.h"
#include "support/dump_fixture.h"

namespace {

// A clock whose time-stamp counter takes a new rate at each sleep, so every
// measurement reads its own figure. Only tick-counter readings take time (the
// busy waits need it to end); the other readings are free, so figures are exact.
class SteppedRateClock final : public TimeSource {
 public:
  explicit SteppedRateClock(std::vector<double> mhz_from_each_sleep)
      : rates_(std::move(mhz_from_each_sleep)) {}

  uint32_t TickCount() override {
    auto ms = static_cast<uint32_t>(now_ns_ / 1'000'000);
    Advance(1'000);
    return ms;
  }
  int64_t PerformanceCounter() override { return static_cast<int64_t>(now_ns_); }
  int64_t PerformanceFrequency() override { return 1'000'000'000; }
  void Sleep(uint32_t milliseconds) override {
    sleeps.push_back(milliseconds);
    rate_index_ = std::min(sleeps.size() - 1, rates_.size() - 1);
    Advance(uint64_t(milliseconds) * 1'000'000);
  }
  uint64_t TimeStampCounter() override { return static_cast<uint64_t>(std::llround(ticks_)); }

  std::vector<uint32_t> sleeps;

 private:
  void Advance(uint64_t ns) {
    now_ns_ += ns;
    ticks_ += static_cast<long double>(rates_[rate_index_]) * ns / 1000;
  }

  std::vector<double> rates_;
  size_t rate_index_ = 0;
  uint64_t now_ns_ = 0;
  long double ticks_ = 0;
};

struct ClockCase {
  const char* name;
  const char* vendor;
  uint32_t signature;
  std::vector<double> mhz_from_each_sleep;
  std::vector<uint32_t> sleeps;
  double clock_mhz;
  const char* clock_text;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ClockCase& c, std::ostream* out) {
  *out << c.name;
}

const ClockCase kCases[] = {
    // The float result is widened, so the text shows the float's digits, cut to 7.
    {"IntelOneSecond", "GenuineIntel", 0xF24, {1398.7654}, {1000}, double(1398.7654f), "1398.76"},
    {"CyrixWholeMHz", "CyrixInstead", 0x520, {800}, {1000}, 800, "800"},
    // Measured again over 100 ms, and the second figure is kept.
    {"AmdK7MeasuredTwice", "AuthenticAMD", 0x622, {1000, 1200}, {1000, 100}, 1200, "1200"},
    {"AmdK8MeasuredTwice", "AuthenticAMD", 0xF48, {2000, 2200.5}, {1000, 100}, 2200.5, "2200.5"},
    // The text comes from the tick-counter second (233.4 x 0.999 rounds to 233,
    // see the tick tests), while ClockMHz keeps the performance-counter figure.
    {"AmdK5TicksText", "AuthenticAMD", 0x511, {233.4}, {1000}, double(233.4f), "233.0"},
};

class ProcessorClockTest : public RecordTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(ProcessorClockTest, MeasuresByVendorAndFamily) {
  const ClockCase& c = GetParam();
  FakeCpu cpu;
  cpu.Vendor(c.vendor).Signature(c.signature);
  Use(cpu);
  ReadSignature();
  SteppedRateClock clock(c.mhz_from_each_sleep);
  ScopedTimeSource installed(clock);

  MeasureProcessorClock();

  EXPECT_EQ(clock.sleeps, c.sleeps);
  EXPECT_EQ(CpuidState.ClockMHz, c.clock_mhz);
  EXPECT_EQ(CpuidState.ClockText, c.clock_text);
}

INSTANTIATE_TEST_SUITE_P(Clock, ProcessorClockTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
