// The codename table and the lookup keys it leaves behind.
#include "knowledge/codename.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cpu/cpuid.h"
#include "support/dump_fixture.h"

namespace {

class CodenameTest : public RecordTest {
 protected:
  CodenameTest() { Use(cpu_); }
  std::string CodenameOf(const char* vendor, uint32_t eax) {
    cpu_.Vendor(vendor).Signature(eax);
    ReadSignature();
    return GetCodename();
  }
  FakeCpu cpu_;
};

TEST_F(CodenameTest, FirstApplyingRowOfTheVendorsList) {
  struct Case {
    const char* vendor;
    uint32_t eax;
    std::string codename;
  };
  const Case cases[] = {
      {"AuthenticAMD", Leaf1Eax(6, 1, 1), "Argon"},
      {"AuthenticAMD", Leaf1Eax(6, 4, 2), "Thunderbird"},
      {"AuthenticAMD", Leaf1Eax(6, 6, 5), "Palomino"},  // through the family-model key
      {"AuthenticAMD", Leaf1Eax(6, 8, 0), "Thoroughbred A"},
      {"AuthenticAMD", Leaf1Eax(6, 8, 1), "Thoroughbred B"},
      {"AuthenticAMD", Leaf1Eax(6, 8, 2), "??"},
      {"AuthenticAMD", Leaf1Eax(15, 5, 0), "Clawhammer"},
      {"AuthenticAMD", Leaf1Eax(7, 0, 0), "Clawhammer"},
      {"AuthenticAMD", Leaf1Eax(7, 7, 0),
       "Clawhammer"},  // the family rows come before the model rows
      {"AuthenticAMD", Leaf1Eax(6, 3, 0), "Spitfire"},
      {"AuthenticAMD", Leaf1Eax(5, 7, 0), "Little Foot"},
      {"AuthenticAMD", Leaf1Eax(4, 7, 0), "Morgan"},
      {"AuthenticAMD", Leaf1Eax(6, 7, 1), "Morgan"},
      {"AuthenticAMD", Leaf1Eax(6, 10, 0), "Barton"},
      {"AuthenticAMD", Leaf1Eax(5, 2, 0), "K5"},
      {"AuthenticAMD", Leaf1Eax(5, 6, 0), "K6 (nexgen)"},
      {"AuthenticAMD", Leaf1Eax(5, 13, 0), "Sharptooth"},
      {"AuthenticAMD", Leaf1Eax(5, 4, 0), "??"},
      {"GenuineIntel", Leaf1Eax(5, 0, 0), "A80501, P5"},
      {"GenuineIntel", Leaf1Eax(5, 1, 0), "??"},
      {"GenuineIntel", Leaf1Eax(5, 8, 1), "A80503, P55 0.25 micron"},
      {"GenuineIntel", Leaf1Eax(6, 5, 0), "mdA0"},
      {"GenuineIntel", Leaf1Eax(6, 5, 2), "A80523 Deschutes"},
      {"GenuineIntel", Leaf1Eax(6, 7, 2), "KB0"},
      {"GenuineIntel", Leaf1Eax(6, 8, 10), "Coppermine"},
      // The keys have no separator: 6/1/11 and 6/11/1 share "6111".
      {"GenuineIntel", Leaf1Eax(6, 1, 11), "Tualatin"},
      {"GenuineIntel", Leaf1Eax(6, 11, 1), "Tualatin"},
      {"GenuineIntel", Leaf1Eax(6, 6, 0), "mA0"},
      {"GenuineIntel", Leaf1Eax(6, 6, 3), "P3!!!"},
      {"GenuineIntel", Leaf1Eax(6, 8, 2), "??"},
      {"GenuineIntel", Leaf1Eax(15, 0, 7), "Williamette"},
      {"GenuineIntel", Leaf1Eax(15, 0, 10), "Williamette"},
      {"GenuineIntel", Leaf1Eax(15, 1, 3), "Williamette-C"},
      {"GenuineIntel", Leaf1Eax(15, 2, 9), "Northwood"},
      {"GenuineIntel", Leaf1Eax(15, 3, 4), "Prescott"},
      {"GenuineIntel", Leaf1Eax(15, 2, 5), "P4!!!"},
      {"GenuineIntel", Leaf1Eax(4, 8, 0), ""},
      {"GenuineIntel", Leaf1Eax(7, 0, 0), ""},
      {"AuthenticAmd", Leaf1Eax(6, 4, 2), ""},
      {"CyrixInstead", Leaf1Eax(5, 2, 0), ""},
      {"CentaurHauls", Leaf1Eax(6, 7, 0), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CodenameOf(c.vendor, c.eax), c.codename) << c.vendor << " eax " << std::hex << c.eax;
  }
}

TEST_F(CodenameTest, RebuildsTheLookupKeysForEveryVendor) {
  CodenameOf("GenuineIntel", Leaf1Eax(6, 8, 10));
  CodenameOf("CyrixInstead", Leaf1Eax(5, 13, 2));
  EXPECT_EQ(CpuidState.SignatureKey, "5132");
  EXPECT_EQ(CpuidState.FamilyModelKey, "513");
  EXPECT_EQ(CpuidState.KeyFamily, 5);
  EXPECT_EQ(CpuidState.KeyModel, 13);
  EXPECT_EQ(CpuidState.KeyStepping, 2);
}

}  // namespace
