// The process technology table, alone and after the codename lookup as the window runs them.
#include "knowledge/technology.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cpu/cpuid.h"
#include "knowledge/codename.h"
#include "knowledge/processor_name.h"
#include "support/dump_fixture.h"

namespace {

class TechnologyTest : public RecordTest {
 protected:
  TechnologyTest() { Use(cpu_); }
  FakeCpu cpu_;
};

TEST_F(TechnologyTest, FirstApplyingRowOfTheVendorsBlock) {
  struct Case {
    const char* vendor;
    uint32_t eax;
    std::string technology;
  };
  // clang-format off
  const Case cases[] = {
      {"CentaurHauls", Leaf1Eax(5, 4, 0), "0.35\xB5"},
      {"CentaurHauls", Leaf1Eax(6, 4, 0), "0.35\xB5"},  // the model alone decides
      {"CentaurHauls", Leaf1Eax(6, 7, 0), "??"},
      {"RiseRiseRise", Leaf1Eax(5, 2, 0), "0.18\xB5"},
      {"RiseRiseRise", Leaf1Eax(5, 1, 0), "??"},
      {"GenuineIntel", Leaf1Eax(6, 5, 0), "0.25\xB5"},
      {"GenuineIntel", Leaf1Eax(5, 0, 5), "0.80\xB5"},
      {"GenuineIntel", Leaf1Eax(5, 4, 3), "0.28\xB5"},
      {"GenuineIntel", Leaf1Eax(5, 7, 0), "??"},
      {"GenuineIntel", Leaf1Eax(6, 3, 4), "0.28\xB5"},
      {"GenuineIntel", Leaf1Eax(6, 8, 1), "0.18\xB5"},
      {"GenuineIntel", Leaf1Eax(6, 8, 2), "??"},
      {"GenuineIntel", Leaf1Eax(6, 11, 1), "0.13\xB5"},
      {"GenuineIntel", Leaf1Eax(15, 0, 10), "0.18\xB5"},
      {"GenuineIntel", Leaf1Eax(15, 1, 1), "??"},
      {"GenuineIntel", Leaf1Eax(15, 2, 5), "0.13\xB5"},
      {"GenuineIntel", Leaf1Eax(15, 3, 3), "0.09\xB5"},
      {"GenuineIntel", Leaf1Eax(4, 2, 0), "0.13\xB5"},  // the last two rows test the model alone
      {"GenuineIntel", Leaf1Eax(4, 3, 0), "0.09\xB5"},
      {"AuthenticAMD", Leaf1Eax(5, 7, 0), "0.25 \xB5" "m"},
      {"AuthenticAMD", Leaf1Eax(5, 6, 1), "0.30 \xB5" "m"},
      {"AuthenticAMD", Leaf1Eax(5, 13, 0), "0.18 \xB5" "m"},
      {"AuthenticAMD", Leaf1Eax(5, 1, 0), ""},
      {"AuthenticAMD", Leaf1Eax(6, 1, 2), "0.25\xB5"},
      {"AuthenticAMD", Leaf1Eax(6, 2, 0), ""},
      {"AuthenticAMD", Leaf1Eax(6, 3, 1), "0.18\xB5"},
      {"AuthenticAMD", Leaf1Eax(6, 8, 0), "0.13\xB5"},
      {"AuthenticAMD", Leaf1Eax(6, 8, 1), ""},
      {"AuthenticAMD", Leaf1Eax(15, 4, 8), "0.13\xB5"},
      {"CyrixInstead", Leaf1Eax(6, 8, 1), ""},
  };
  // clang-format on
  for (const Case& c : cases) {
    cpu_.Vendor(c.vendor).Signature(c.eax);
    ReadSignature();
    GetCodename();
    EXPECT_EQ(GetTechnology(), c.technology) << c.vendor << " eax " << std::hex << c.eax;
  }
}

// Only the signature key is rebuilt; the family-model key stays as the codename lookup left it.
TEST_F(TechnologyTest, ReadsTheFamilyModelKeyTheCodenameLeft) {
  cpu_.Vendor("AuthenticAMD").Signature(Leaf1Eax(5, 8, 0));
  ReadSignature();
  GetCodename();
  cpu_.Signature(Leaf1Eax(6, 8, 0));
  ReadSignature();
  EXPECT_EQ(GetTechnology(), std::string("0.25 \xB5") + "m");
  EXPECT_EQ(CpuidState.SignatureKey, "680");
  EXPECT_EQ(CpuidState.FamilyModelKey, "58");
}

class RecordedProcessorTest : public RecordTest {};

TEST_F(RecordedProcessorTest, NameCodenameAndTechnologyInWindowOrder) {
  struct Case {
    const char* dump;
    std::string name, codename, technology;
  };
  // clang-format off
  const Case cases[] = {
      {"intel/pentium-4-1.60-northwood.txt", "Pentium 4a", "Northwood", "0.13\xB5"},
      {"intel/pentium-iii-coppermine-68a.txt", "Pentium III", "Coppermine", "0.18\xB5"},
      {"intel/pentium-mmx-p55c.txt", "P55C", "A80503, P55", "0.28\xB5"},
      {"amd/athlon-xp-2200-thoroughbred-a.txt", "Athlon XP (TH core)", "Thoroughbred A", "0.13\xB5"},
      {"amd/k6-2-chomper.txt", "K6-2", "Chomper", "0.25 \xB5" "m"},
      {"centaur/c3-samuel-2.txt", "VIA C3 Samuel 2", "", "??"},
  };
  // clang-format on
  for (const Case& c : cases) {
    UseDump(c.dump);
    ReadSignature();
    EXPECT_EQ(GetProcessorName(), c.name) << c.dump;
    EXPECT_EQ(GetCodename(), c.codename) << c.dump;
    EXPECT_EQ(GetTechnology(), c.technology) << c.dump;
  }
}

}  // namespace
