// The processor name table, row by row and block by block.
#include "knowledge/processor_name.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/dump_fixture.h"

namespace {

class ProcessorNameTest : public RecordTest {
 protected:
  ProcessorNameTest() { Use(cpu_); }
  FakeCpu cpu_;
};

TEST_F(ProcessorNameTest, NamesFromVendorFamilyModelAndBrandIndex) {
  struct Case {
    const char* vendor;
    uint32_t eax;
    uint32_t brand;
    std::string name;
  };
  // clang-format off
  const Case cases[] = {
      // Vendors compare whole and case-sensitively; the 11-character UMC text never matches.
      {"UMC UMC UMC ", Leaf1Eax(4, 1), 0, ""},
      {"genuineintel", Leaf1Eax(6, 8), 2, ""},
      {"GenuineIntel", Leaf1Eax(3, 0), 0, ""},
      {"GenuineIntel", Leaf1Eax(4, 0), 0, "80486DX-25/33"},
      {"GenuineIntel", Leaf1Eax(4, 6), 0, "486 class"},
      {"GenuineIntel", Leaf1Eax(5, 7), 0, "P54C"},
      {"GenuineIntel", Leaf1Eax(5, 8), 0, "P55C (0.25\xB5" "m)"},
      {"GenuineIntel", Leaf1Eax(5, 5), 0, "Pentium class"},
      {"GenuineIntel", Leaf1Eax(6, 5), 1, "Celeron (Model 5)"},
      {"GenuineIntel", Leaf1Eax(6, 5), 4, "P2 (Model 5)"},
      {"GenuineIntel", Leaf1Eax(6, 8), 0, "Pentium III class"},
      {"GenuineIntel", Leaf1Eax(6, 8), 1, "Celeron"},
      {"GenuineIntel", Leaf1Eax(6, 8), 3, "Pentium III Xeon"},
      {"GenuineIntel", Leaf1Eax(6, 9), 0, "Pentium II/III class"},
      {"GenuineIntel", Leaf1Eax(6, 11), 6, "P3 mobile"},
      {"GenuineIntel", Leaf1Eax(6, 11), 2, "Pentium III class"},
      {"GenuineIntel", Leaf1Eax(7, 3), 0, "Itanium1"},
      // The extended-family row follows the family blocks 4 to 7 and precedes family 15.
      {"GenuineIntel", Leaf1Eax(6, 1, 0, 1), 0, "Itanium2"},
      {"GenuineIntel", Leaf1Eax(3, 0, 0, 1), 0, "Itanium2"},
      {"GenuineIntel", Leaf1Eax(15, 0, 0, 1), 0, "Pentium 4 class"},
      {"GenuineIntel", Leaf1Eax(15, 2, 0, 1), 13, "Itanium2"},
      {"GenuineIntel", Leaf1Eax(15, 1), 8, "Pentium 4"},
      {"GenuineIntel", Leaf1Eax(15, 1), 11, "Pentium 4 Xeon MP"},
      {"GenuineIntel", Leaf1Eax(15, 1), 14, "Pentium 4 Xeon"},
      {"GenuineIntel", Leaf1Eax(15, 1), 0, "Pentium 4 class"},
      {"GenuineIntel", Leaf1Eax(15, 0), 0, "Pentium 4 class"},
      {"GenuineIntel", Leaf1Eax(15, 4), 9, "Pentium 4 class"},
      {"GenuineIntel", Leaf1Eax(15, 3), 0, "{Pentium 4b}"},
      {"GenuineIntel", Leaf1Eax(15, 2), 9, "Pentium 4a"},
      {"GenuineIntel", Leaf1Eax(15, 2), 11, "Pentium 4 Xeon "},
      {"GenuineIntel", Leaf1Eax(15, 2), 12, "Pentium 4 Xeon MP "},
      {"GenuineIntel", Leaf1Eax(15, 2), 15, "Pentium 4 mobile (samples)"},
      // Model 2 is listed, so an unnamed brand index leaves the name as it was.
      {"GenuineIntel", Leaf1Eax(15, 2), 13, ""},
      {"GenuineIntel", Leaf1Eax(15, 2), 0, ""},
      {"RiseRiseRise", Leaf1Eax(5, 2), 0, "mP6"},
      {"RiseRiseRise", Leaf1Eax(5, 1), 0, "Pentium class"},
      {"CentaurHauls", Leaf1Eax(5, 8), 0, "C2"},
      {"CentaurHauls", Leaf1Eax(6, 7), 0, "VIA C3 Samuel 2"},
      {"CentaurHauls", Leaf1Eax(6, 9), 0, "Pentium class"},
      {"CentaurHauls", Leaf1Eax(4, 4), 0, ""},
      {"NexGenDriven", Leaf1Eax(5, 0), 0, "Nx586"},
      {"NexGenDriven", Leaf1Eax(5, 1), 0, "Pentium class"},
      {"CyrixInstead", Leaf1Eax(4, 4), 0, "Media GX"},
      {"CyrixInstead", Leaf1Eax(6, 8), 0, "WinChip C5C "},
      {"CyrixInstead", Leaf1Eax(6, 1), 0, "Pentium II class"},
      {"AuthenticAMD", Leaf1Eax(4, 8), 0, "Am486"},
      {"AuthenticAMD", Leaf1Eax(4, 14), 0, "Am5x86"},
      {"AuthenticAMD", Leaf1Eax(4, 5), 0, "486 class"},
      {"AuthenticAMD", Leaf1Eax(5, 13), 0, "K6-2+/K6-III+"},
      {"AuthenticAMD", Leaf1Eax(5, 10), 0, "Pentium class"},
      {"AuthenticAMD", Leaf1Eax(6, 1), 0, "Athlon (0.25 \xB5" "m)"},
      {"AuthenticAMD", Leaf1Eax(6, 10), 0, "Athlon XP (BT core)"},
      {"AuthenticAMD", Leaf1Eax(6, 9), 0, "Athlon class"},
      {"AuthenticAMD", Leaf1Eax(15, 1), 0, "Athlon ST"},
      {"AuthenticAMD", Leaf1Eax(15, 2), 0, "??"},
      {"AuthenticAMD", Leaf1Eax(7, 0), 0, "Athlon"},
      {"AuthenticAMD", Leaf1Eax(7, 5), 0, "??"},
      {"AuthenticAMD", Leaf1Eax(6, 1, 0, 1), 0, "Athlon (0.25 \xB5" "m)"},
  };
  // clang-format on
  for (const Case& c : cases) {
    cpu_.Vendor(c.vendor).Signature(c.eax, c.brand);
    EXPECT_EQ(GetProcessorName(), c.name)
        << c.vendor << " eax " << std::hex << c.eax << " brand " << c.brand;
  }
}

TEST_F(ProcessorNameTest, ReadsTheSignatureItself) {
  cpu_.Vendor("GenuineIntel").Signature(0xF29, 0x19);  // only the low four brand bits count
  EXPECT_EQ(GetProcessorName(), "Pentium 4a");
  EXPECT_EQ(CpuidState.Family, 15);
  EXPECT_EQ(CpuidState.Model, 2);
  EXPECT_EQ(CpuidState.BrandIndex, 9);
}

}  // namespace
