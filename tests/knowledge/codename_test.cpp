// The codename table and the lookup keys it leaves behind.
#include "knowledge/codename.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cpu/cpuid.h"
#include "support/dump_fixture.h"

namespace {

uint32_t Eax(uint32_t family, uint32_t model, uint32_t stepping) {
  return family << 8 | model << 4 | stepping;
}

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
      {"AuthenticAMD", Eax(6, 1, 1), "Argon"},
      {"AuthenticAMD", Eax(6, 4, 2), "Thunderbird"},
      {"AuthenticAMD", Eax(6, 6, 5), "Palomino"},  // through the family-model key
      {"AuthenticAMD", Eax(6, 8, 0), "Thoroughbred A"},
      {"AuthenticAMD", Eax(6, 8, 1), "Thoroughbred B"},
      {"AuthenticAMD", Eax(6, 8, 2), "??"},
      {"AuthenticAMD", Eax(15, 5, 0), "Clawhammer"},
      {"AuthenticAMD", Eax(7, 0, 0), "Clawhammer"},
      {"AuthenticAMD", Eax(7, 7, 0), "Clawhammer"},  // the family rows come before the model rows
      {"AuthenticAMD", Eax(6, 3, 0), "Spitfire"},
      {"AuthenticAMD", Eax(5, 7, 0), "Little Foot"},
      {"AuthenticAMD", Eax(4, 7, 0), "Morgan"},
      {"AuthenticAMD", Eax(6, 7, 1), "Morgan"},
      {"AuthenticAMD", Eax(6, 10, 0), "Barton"},
      {"AuthenticAMD", Eax(5, 2, 0), "K5"},
      {"AuthenticAMD", Eax(5, 6, 0), "K6 (nexgen)"},
      {"AuthenticAMD", Eax(5, 13, 0), "Sharptooth"},
      {"AuthenticAMD", Eax(5, 4, 0), "??"},
      {"GenuineIntel", Eax(5, 0, 0), "A80501, P5"},
      {"GenuineIntel", Eax(5, 1, 0), "??"},
      {"GenuineIntel", Eax(5, 8, 1), "A80503, P55 0.25 micron"},
      {"GenuineIntel", Eax(6, 5, 0), "mdA0"},
      {"GenuineIntel", Eax(6, 5, 2), "A80523 Deschutes"},
      {"GenuineIntel", Eax(6, 7, 2), "KB0"},
      {"GenuineIntel", Eax(6, 8, 10), "Coppermine"},
      // The keys have no separator: 6/1/11 and 6/11/1 share "6111".
      {"GenuineIntel", Eax(6, 1, 11), "Tualatin"},
      {"GenuineIntel", Eax(6, 11, 1), "Tualatin"},
      {"GenuineIntel", Eax(6, 6, 0), "mA0"},
      {"GenuineIntel", Eax(6, 6, 3), "P3!!!"},
      {"GenuineIntel", Eax(6, 8, 2), "??"},
      {"GenuineIntel", Eax(15, 0, 7), "Williamette"},
      {"GenuineIntel", Eax(15, 0, 10), "Williamette"},
      {"GenuineIntel", Eax(15, 1, 3), "Williamette-C"},
      {"GenuineIntel", Eax(15, 2, 9), "Northwood"},
      {"GenuineIntel", Eax(15, 3, 4), "Prescott"},
      {"GenuineIntel", Eax(15, 2, 5), "P4!!!"},
      {"GenuineIntel", Eax(4, 8, 0), ""},
      {"GenuineIntel", Eax(7, 0, 0), ""},
      {"AuthenticAmd", Eax(6, 4, 2), ""},
      {"CyrixInstead", Eax(5, 2, 0), ""},
      {"CentaurHauls", Eax(6, 7, 0), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CodenameOf(c.vendor, c.eax), c.codename) << c.vendor << " eax " << std::hex << c.eax;
  }
}

TEST_F(CodenameTest, RebuildsTheLookupKeysForEveryVendor) {
  CodenameOf("GenuineIntel", Eax(6, 8, 10));
  CodenameOf("CyrixInstead", Eax(5, 13, 2));
  EXPECT_EQ(CpuidState.SignatureKey, "5132");
  EXPECT_EQ(CpuidState.FamilyModelKey, "513");
  EXPECT_EQ(CpuidState.KeyFamily, 5);
  EXPECT_EQ(CpuidState.KeyModel, 13);
  EXPECT_EQ(CpuidState.KeyStepping, 2);
}

}  // namespace
