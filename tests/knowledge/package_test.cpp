// The package table.
#include "knowledge/package.h"

#include <gtest/gtest.h>

#include "cpu/cpuid.h"
#include "support/dump_fixture.h"

namespace {

// What an earlier activation left, so that "no change" is visible.
constexpr const char* kEarlierPlatform = "earlier platform";
constexpr const char* kEarlierFormFactor = "earlier form factor";

class PackageTest : public RecordTest {
 protected:
  PackageTest() {
    Use(cpu_);
    CpuidState.Platform = kEarlierPlatform;
    CpuidState.FormFactor = kEarlierFormFactor;
  }
  // A vendor and leaf-1 EAX and EBX, decoded into the record as the activation does first.
  void Load(const char* vendor, uint32_t eax, uint32_t ebx = 0) {
    cpu_.Vendor(vendor).Signature(eax, ebx);
    ReadSignature();
  }
  FakeCpu cpu_;
};

TEST_F(PackageTest, EveryApplyingRowInOrderLaterRowsWin) {
  struct Case {
    const char* vendor;
    uint32_t eax;
    uint32_t brand_index;
    const char* platform;
    const char* form_factor;
  };
  const char* kept_platform = kEarlierPlatform;
  const char* kept_form = kEarlierFormFactor;
  const Case cases[] = {
      // Brand index 3 counts only for the two model-6 keys.
      {"GenuineIntel", 0x660, 3, "Slot1", "SEPP Rev. 1"},
      {"GenuineIntel", 0x660, 0, kept_platform, kept_form},
      {"GenuineIntel", 0x665, 3, "Socket 370", "PPGA"},
      {"GenuineIntel", 0x683, 3, "Slot 1 or Socket 370", "SECC2 or FC-PGA"},
      {"GenuineIntel", 0x681, 0, "Slot 1 or Socket 370", "SECC2 or FC-PGA"},
      {"GenuineIntel", 0x652, 3, "Slot 1", "SECC or SECC2"},
      {"GenuineIntel", 0x633, 0, "Slot 1", "SECC"},
      {"GenuineIntel", 0x6B1, 0, "Socket 370", "FC-PGA2"},
      {"GenuineIntel", 0x61B, 0, kept_platform, kept_form},  // key "6111" but model 1
      // Family 15: the general row, replaced by the three listed keys.
      {"GenuineIntel", 0xF29, 0, "423 Pin PGA or 478 Pin \xB5PGA", "OOI or FC-PGA2 "},
      {"GenuineIntel", 0xF24, 0, "478 Pin \xB5PGA", "FC-PGA2"},
      {"GenuineIntel", 0xF13, 0, "478 Pin \xB5PGA", "FC-PGA2"},
      {"GenuineIntel", 0x543, 0, kept_platform, kept_form},
      {"AuthenticAMD", 0x450, 0, "Socket 5/7", "296 Pin PGA)"},
      {"AuthenticAMD", 0x580, 0, "Socket 7", "(BGA or OBGA)"},
      {"AuthenticAMD", 0x630, 0, "462 Pin Socket A ", "CPGA"},
      {"AuthenticAMD", 0x642, 0, "(462 Pin Socket A) ", "OPGA"},
      {"AuthenticAMD", 0x660, 3, "462 Pin Socket A ", "OPGA"},  // Intel brand rows stay Intel's
      {"AuthenticAMD", 0x670, 0, "462 Pin Socket A ", "OPGA"},
      {"AuthenticAMD", 0x612, 0, kept_platform, kept_form},
      {"AuthenticAMD", 0x621, 0, kept_platform, kept_form},
      {"AuthenticAMD", 0xF48, 0, "", "754-pin Package"},  // Platform emptied, not kept
      {"CyrixInstead", 0x683, 3, kept_platform, kept_form},
      {"CentaurHauls", 0x660, 3, kept_platform, kept_form},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.vendor << " " << std::hex << c.eax << " brand " << c.brand_index);
    CpuidState.Platform = kEarlierPlatform;
    CpuidState.FormFactor = kEarlierFormFactor;
    Load(c.vendor, c.eax, c.brand_index);
    FillPackageInfo();
    EXPECT_EQ(CpuidState.Platform, c.platform);
    EXPECT_EQ(CpuidState.FormFactor, c.form_factor);
  }
}

TEST_F(PackageTest, RebuildsTheKeysForEveryVendor) {
  Load("CentaurHauls", 0x6A9);
  CpuidState.SignatureKey = "stale";
  FillPackageInfo();
  EXPECT_EQ(CpuidState.KeyFamily, 6);
  EXPECT_EQ(CpuidState.KeyModel, 10);
  EXPECT_EQ(CpuidState.KeyStepping, 9);
  EXPECT_EQ(CpuidState.SignatureKey, "6109");
}

TEST_F(PackageTest, RecordedProcessors) {
  struct Case {
    const char* dump;
    const char* platform;
    const char* form_factor;
  };
  const Case cases[] = {
      {"intel/pentium-4-1.60-northwood.txt", "478 Pin \xB5PGA", "FC-PGA2"},
      {"intel/pentium-iii-coppermine-68a.txt", "Slot 1 or Socket 370", "SECC2 or FC-PGA"},
      {"amd/athlon-xp-2200-thoroughbred-a.txt", "462 Pin Socket A ", "OPGA"},
      {"amd/k6-2-chomper.txt", "Socket 7", "(BGA or OBGA)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dump);
    UseDump(c.dump);
    ReadSignature();
    FillPackageInfo();
    EXPECT_EQ(CpuidState.Platform, c.platform);
    EXPECT_EQ(CpuidState.FormFactor, c.form_factor);
  }
}

}  // namespace
