// Clock measurement against a simulated clock: exact figures, rounding and tick-counter wrap.
#include "clock/tsc_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "platform/time_source.h"

namespace {

struct TicksCase {
  const char* name;
  double mhz;
  uint32_t tick_offset_ms;
  double expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TicksCase& c, std::ostream* out) {
  *out << c.name;
}

// The end of the window is counted from the first tick reading, not from the
// step awaited after it, so with the simulated 1 ms tick the time-stamp
// counter runs from the first step (1 ms) to the 1000th: 999 ms, read as one
// second. Readings that cost time fall on whole microseconds from a start at
// 0, so the counts are exact: mhz x 999000 ticks.
const TicksCase kTicksCases[] = {
    {"ShortByTheFirstStep", 1700, 0, 1698},   // 1698.3
    {"HalfRoundsDownToEven", 1500, 0, 1498},  // 1498.5
    {"HalfRoundsUpToEven", 2500, 0, 2498},    // 2497.5
    {"CounterWrapsDuringTheSecond", 1700, 0xFFFFFFFFu - 499, 1698},
};

class TicksTest : public ::testing::TestWithParam<TicksCase> {};

TEST_P(TicksTest, MeasuresTheWindowFromTheFirstReading) {
  SimulatedTimeSource clock(GetParam().mhz, 0, GetParam().tick_offset_ms);
  ScopedTimeSource installed(clock);
  EXPECT_EQ(MeasureClockByTicks(), GetParam().expected);
  // The wait really lasted until 1000 ms after the first reading.
  EXPECT_GE(clock.NowNs(), 1'000'000'000u);
  EXPECT_LT(clock.NowNs(), 1'000'100'000u);
}

INSTANTIATE_TEST_SUITE_P(Clock, TicksTest, ::testing::ValuesIn(kTicksCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct PerfCase {
  const char* name;
  double mhz;
  int32_t milliseconds;
  uint64_t start_ns;
  float expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PerfCase& c, std::ostream* out) {
  *out << c.name;
}

// Every reading advances simulated time, so the performance counter sees the
// sleep plus two readings; the result equals the rate only when it divides by
// the interval the counter saw, with the readings in the order t0, p0, sleep,
// t1, p1.
const PerfCase kPerfCases[] = {
    {"WholeMHz", 1700, 1000, 0, 1700.0f},
    {"FractionalMHz", 1398.7654, 1000, 0, 1398.7654f},
    {"ShortSleepLateStart", 233, 100, 7'654'321'000, 233.0f},
};

class PerfCounterTest : public ::testing::TestWithParam<PerfCase> {};

TEST_P(PerfCounterTest, DividesByTheIntervalTheCounterSaw) {
  SimulatedTimeSource clock(GetParam().mhz, GetParam().start_ns);
  ScopedTimeSource installed(clock);
  EXPECT_EQ(MeasureClockByPerfCounter(GetParam().milliseconds), GetParam().expected);
  EXPECT_EQ(clock.NowNs() - GetParam().start_ns, uint64_t(GetParam().milliseconds) * 1'000'000 +
                                                     4 * SimulatedTimeSource::kReadingCostNs);
}

INSTANTIATE_TEST_SUITE_P(Clock, PerfCounterTest, ::testing::ValuesIn(kPerfCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PerfCounterTest, NegativeLengthDoesNotSleep) {
  SimulatedTimeSource clock(1000);
  ScopedTimeSource installed(clock);
  MeasureClockByPerfCounter(-1);
  EXPECT_EQ(clock.NowNs(), 4 * SimulatedTimeSource::kReadingCostNs);
}

}  // namespace
