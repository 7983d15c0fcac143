// The stepping name table.
#include "knowledge/stepping_name.h"

#include <gtest/gtest.h>

#include "cpu/cpuid.h"
#include "support/dump_fixture.h"

namespace {

class SteppingNameTest : public RecordTest {
 protected:
  SteppingNameTest() { Use(cpu_); }
  // A vendor and leaf-1 EAX, decoded into the record as the activation does first.
  void Load(const char* vendor, uint32_t eax) {
    cpu_.Vendor(vendor).Signature(eax);
    ReadSignature();
  }
  FakeCpu cpu_;
};

TEST_F(SteppingNameTest, ListedKeysOrThePlainStepping) {
  struct Case {
    const char* vendor;
    uint32_t eax;
    const char* text;
  };
  const Case cases[] = {
      {"AuthenticAMD", 0x642, "2 (A4)"},
      {"AuthenticAMD", 0x611, "1  (C1)"},
      {"AuthenticAMD", 0x631, "1 (A2)"},
      {"AuthenticAMD", 0x641, "1"},  // unlisted: the stepping alone
      {"AuthenticAMD", 0x682, "2"},
      {"AuthenticAMD", 0x652, "2"},  // an Intel key finds nothing in the AMD list
      {"GenuineIntel", 0x68A, "A (cD0)"},
      {"GenuineIntel", 0x68C, "12"},
      {"GenuineIntel", 0x650, "dA0"},
      {"GenuineIntel", 0x660, "0 (mA0)"},  // same key as an AMD row, Intel text
      {"GenuineIntel", 0xF12, "12 (D0)"},
      {"GenuineIntel", 0xF0A, "A (C1)"},   // key "15010"
      {"GenuineIntel", 0x61B, "1 (tA1)"},  // key "6111" is also family 6, model 11, stepping 1
      {"GenuineIntel", 0x6B1, "1 (tA1)"},
      {"GenuineIntel", 0x642, "2"},
      {"CyrixInstead", 0x642, ""},
      {"CentaurHauls", 0x68A, ""},
      {"genuineintel", 0x68A, ""},  // letter case counts
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.vendor << " " << std::hex << c.eax);
    Load(c.vendor, c.eax);
    EXPECT_EQ(GetSteppingName(), c.text);
  }
}

TEST_F(SteppingNameTest, RebuildsTheKeysForEveryVendor) {
  Load("CyrixInstead", 0x524);
  CpuidState.SignatureKey = "stale";
  EXPECT_EQ(GetSteppingName(), "");
  EXPECT_EQ(CpuidState.KeyStepping, 4);
  EXPECT_EQ(CpuidState.SignatureKey, "524");
}

TEST_F(SteppingNameTest, RecordedProcessors) {
  struct Case {
    const char* dump;
    const char* text;
  };
  const Case cases[] = {
      {"intel/pentium-4-1.60-northwood.txt", "4 (B0)"},
      {"intel/pentium-iii-coppermine-68a.txt", "A (cD0)"},
      {"amd/athlon-xp-2200-thoroughbred-a.txt", "0"},
      {"amd/k6-2-chomper.txt", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dump);
    UseDump(c.dump);
    ReadSignature();
    EXPECT_EQ(GetSteppingName(), c.text);
  }
}

}  // namespace
