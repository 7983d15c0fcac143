// Rated speed, bus clock, overclock figure and L2 speed of recorded processors at a given clock.
#include "clock/clock_details.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "cpu/cpuid.h"
#include "support/dump_fixture.h"

namespace {

struct DetailsCase {
  const char* name;
  const char* dump;
  double clock_mhz;
  bool micro_op_unit;
  bool is_pentium_4a;
  const char* rated_speed_text;
  const char* multiplier_text;  // null when no row matches
  const char* sys_clock_text;
  const char* bus_clock_text;
  const char* overclock_caption;
  const char* half_clock_text;
  L2Speed l2_speed;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DetailsCase& c, std::ostream* out) {
  *out << c.name;
}

// clang-format off
const DetailsCase kCases[] = {
    // 1700 / 16 = 106.25, x 4 = 425; 1700 / 1600 = 6.25 % over.
    {"P4a160Overclocked", "intel/pentium-4-1.60-northwood.txt", 1700, true, true, "1.60", "x 16",
     "106.25", "425", "Yes 6.25%", "850", L2Speed::FullClock},
    // Above the rated 1600 but not above the threshold 1616.
    {"P4a160BelowThreshold", "intel/pentium-4-1.60-northwood.txt", 1610, true, true, "1.60", "x 16",
     "100.62", "402.5", "no", "805", L2Speed::FullClock},
    {"P4a240CutToSix", "intel/pentium-4-2.40-northwood.txt", 2400, true, true, "2.40", "x 18",
     "133.33", "533.33", "no", "1200", L2Speed::FullClock},
    // 2.66 is not in the table: the lines are enabled but nothing else is written.
    {"P4a266NotInTable", "intel/pentium-4-2.66-northwood.txt", 2660, true, true, "2.66", nullptr,
     "", "", "", "1330", L2Speed::FullClock},
    // Family 15 but named otherwise: micro-op unit only.
    {"XeonFamily15", "intel/xeon-3.06-gallatin.txt", 3060, true, false, "", nullptr,
     "", "", "", "1530", L2Speed::FullClock},
    {"KatmaiHalfClock", "intel/pentium-iii-katmai.txt", 500, false, false, "", nullptr,
     "", "", "", "250", L2Speed::HalfClock},
    {"ChomperNoL2Speed", "amd/k6-2-chomper.txt", 500, false, false, "", nullptr,
     "", "", "", "250", L2Speed::NotApplicable},
    // Half of a widened float clock, cut to 7.
    {"PlutoHalfClock", "amd/athlon-pluto.txt", double(1398.7654f), false, false, "", nullptr,
     "", "", "", "699.382", L2Speed::HalfClock},
};
// clang-format on

class ClockDetailsTest : public RecordTest, public ::testing::WithParamInterface<DetailsCase> {};

TEST_P(ClockDetailsTest, DerivesTheSpeedsFromTheClock) {
  const DetailsCase& c = GetParam();
  UseDump(c.dump);
  ReadSignature();
  CpuidState.ClockMHz = c.clock_mhz;

  ClockDetails details = ComputeClockDetails();

  EXPECT_EQ(details.micro_op_unit, c.micro_op_unit);
  EXPECT_EQ(details.is_pentium_4a, c.is_pentium_4a);
  EXPECT_EQ(CpuidState.RatedSpeedText, c.rated_speed_text);
  if (c.multiplier_text == nullptr) {
    EXPECT_EQ(details.rated_speed, nullptr);
  } else {
    ASSERT_NE(details.rated_speed, nullptr);
    EXPECT_EQ(details.rated_speed->key, c.rated_speed_text);
    EXPECT_EQ(details.rated_speed->multiplier_text, c.multiplier_text);
  }
  EXPECT_EQ(CpuidState.SysClockText, c.sys_clock_text);
  EXPECT_EQ(CpuidState.BusClockText, c.bus_clock_text);
  EXPECT_EQ(details.overclock_caption, c.overclock_caption);
  EXPECT_EQ(CpuidState.HalfClockText, c.half_clock_text);
  EXPECT_EQ(details.l2_speed, c.l2_speed);
}

INSTANTIATE_TEST_SUITE_P(Clock, ClockDetailsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

class RatedSpeedFieldsTest : public RecordTest {};

TEST_F(RatedSpeedFieldsTest, OverclockFiguresAreWrittenOnlyAboveTheThreshold) {
  UseDump("intel/pentium-4-1.60-northwood.txt");
  ReadSignature();
  CpuidState.ClockMHz = 1610;
  ComputeClockDetails();
  EXPECT_EQ(CpuidState.OverclockPercent, 0);
  EXPECT_EQ(CpuidState.OverclockText, "");
  EXPECT_EQ(CpuidState.SysClockMHz, 100.625);
  EXPECT_EQ(CpuidState.BusClockMHz, 402.5);

  CpuidState.ClockMHz = 1700;
  ComputeClockDetails();
  EXPECT_EQ(CpuidState.OverclockPercent, 6.25);
  EXPECT_EQ(CpuidState.OverclockText, "6.25");
}

// Leaves 80000002h to 80000004h holding `brand`, padded with NULs to 48 bytes.
void SetBrand(FakeCpu& cpu, std::string brand) {
  brand.resize(48, '\0');
  for (uint32_t leaf = 0; leaf < 3; ++leaf) {
    uint32_t words[4] = {};
    for (size_t i = 0; i < 16; ++i) {
      words[i / 4] |= uint32_t(static_cast<unsigned char>(brand[leaf * 16 + i])) << (8 * (i % 4));
    }
    cpu.Set(0x80000002 + leaf, {words[0], words[1], words[2], words[3]});
  }
}

TEST_F(RatedSpeedFieldsTest, RatedSpeedTextEndsAtANul) {
  FakeCpu cpu;
  cpu.Vendor("GenuineIntel").Signature(0xF24, 0x09);  // family 15, model 2, brand index 9
  SetBrand(cpu, std::string(40, ' ') + "1.6");        // positions 41 to 43, then NUL
  Use(cpu);
  ReadSignature();
  CpuidState.ClockMHz = 1600;
  ClockDetails details = ComputeClockDetails();
  EXPECT_TRUE(details.is_pentium_4a);
  EXPECT_EQ(CpuidState.RatedSpeedText, "1.6");
  EXPECT_EQ(details.rated_speed, nullptr);
}

}  // namespace
