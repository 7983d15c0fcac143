// The processor query: signature fields, flags, vendor and brand strings, TCPUID.
#include "cpu/cpuid.h"

#include <gtest/gtest.h>

#include "cpu/tcpuid.h"
#include "support/dump_fixture.h"

namespace {

class CpuidTest : public RecordTest {
 protected:
  FakeCpu cpu;
  void SetUp() override { Use(cpu); }
};

TEST_F(CpuidTest, SignatureFieldsTakeTheirDocumentedWidths) {
  struct Case {
    uint32_t eax, ebx;
    int type, family, model, stepping, ext_family, brand;
  };
  const Case cases[] = {
      {0x00000F12, 0x00, 0, 15, 1, 2, 0, 0},
      {0x0000C000, 0x00, 12, 0, 0, 0, 0, 0},  // bits 15 and 14 both count
      {0x0FF00000, 0x00, 0, 0, 0, 0, 15, 0},  // only bits 23..20
      {0x00000680, 0x1A, 0, 6, 8, 0, 0, 10},  // brand index keeps four bits
  };
  for (const Case& c : cases) {
    cpu.Signature(c.eax, c.ebx);
    ReadSignature();
    SCOPED_TRACE(c.eax);
    EXPECT_EQ(CpuidState.ProcessorType, c.type);
    EXPECT_EQ(CpuidState.Family, c.family);
    EXPECT_EQ(CpuidState.Model, c.model);
    EXPECT_EQ(CpuidState.Stepping, c.stepping);
    EXPECT_EQ(CpuidState.ExtendedFamily, c.ext_family);
    EXPECT_EQ(CpuidState.BrandIndex, c.brand);
    EXPECT_EQ(CpuidState.RequestedLeaf, 1);
  }
}

TEST_F(CpuidTest, FeatureFlagsFollowTheirRegisterBits) {
  cpu.Set(1, {0, 0, 0x00000401, 0x80800001});
  ReadFeatureFlags();
  EXPECT_EQ(CpuidState.FlagCID, 1);
  EXPECT_EQ(CpuidState.FlagSSE3, 1);
  EXPECT_EQ(CpuidState.FlagPBE, 1);
  EXPECT_EQ(CpuidState.FlagMMX, 1);
  EXPECT_EQ(CpuidState.FlagFPU, 1);
  EXPECT_EQ(CpuidState.FlagVME, 0);
  EXPECT_EQ(CpuidState.FlagTM2, 0);
  EXPECT_EQ(CpuidState.FlagIA64, 0);
}

TEST_F(CpuidTest, ExtendedFlagsRunFromBit31Down) {
  cpu.Set(0x80000001, {0x00000F5A, 0, 0, 0x80000000});
  ReadExtendedFeatures();
  EXPECT_EQ(CpuidState.ExtFlags[0], 1);
  for (int i = 1; i < 32; ++i) EXPECT_EQ(CpuidState.ExtFlags[i], 0) << i;
  EXPECT_EQ(CpuidState.ExtFamily, 15);
  EXPECT_EQ(CpuidState.ExtModel, 5);
  EXPECT_EQ(CpuidState.ExtStepping, 10);

  cpu.Set(0x80000001, {0, 0, 0, 0x00000001});
  ReadExtendedFeatures();
  EXPECT_EQ(CpuidState.ExtFlags[0], 0);
  EXPECT_EQ(CpuidState.ExtFlags[31], 1);
}

TEST_F(CpuidTest, InstructionSetClassification) {
  struct Case {
    uint32_t leaf1_edx, ext_edx;
    const char* expected;
  };
  const Case cases[] = {
      {1u << 30, 1u << 29, "IA-64"},
      {0, 1u << 29, "X86-64-(AA64)"},
      {0, 0, "X86-(IA32)"},
  };
  for (const Case& c : cases) {
    cpu.Set(1, {0, 0, 0, c.leaf1_edx}).Set(0x80000001, {0, 0, 0, c.ext_edx});
    EXPECT_EQ(GetInstructionSet(), c.expected);
  }
}

TEST_F(CpuidTest, VendorKeepsAllTwelveBytesButTcpuidNameStopsAtNul) {
  cpu.Vendor(std::string("Genu\0neIntel", 12));
  EXPECT_EQ(ReadVendorString(), std::string("Genu\0neIntel", 12));
  TCPUID signature;
  EXPECT_TRUE(signature.Available);
  EXPECT_EQ(signature.VendorName, "Genu");
  cpu.Vendor("GenuineIntel");
  EXPECT_EQ(TCPUID().VendorName, "GenuineIntel");
}

TEST_F(CpuidTest, BrandStringKeepsLeadingBlanksAndTrailingNuls) {
  // "  Hi" then NUL bytes.
  cpu.Set(0x80000002, {0x20202020, 0x00006948, 0, 0});
  std::string brand = ReadBrandString();
  ASSERT_EQ(brand.size(), 48u);
  EXPECT_EQ(brand.substr(0, 6), "    Hi");
  EXPECT_EQ(brand[47], '\0');
}

TEST_F(CpuidTest, TcpuidTakesTwoTypeBitsAndStaysUnknownWithoutCpuid) {
  cpu.Set(0x80000001, {0x0000F000, 0, 0, 0});
  EXPECT_EQ(TCPUID().ProcessorType, 3);
  cpu.Set(0x80000001, {0x00003000, 0, 0, 0});
  EXPECT_EQ(TCPUID().ProcessorType, 3);

  cpu.Vendor("GenuineIntel").Set(0x80000001, {0x00000F5A, 0, 0, 0xFFFFFFFF});
  cpu.id_flag_toggles = false;
  TCPUID absent;
  EXPECT_FALSE(absent.Available);
  EXPECT_EQ(absent.VendorName, "unknown");
  EXPECT_EQ(absent.Family, 0);
  EXPECT_EQ(absent.Flags[0], 0);
  ReadExtendedFeatures();
  EXPECT_EQ(CpuidState.ExtFamily, 0);
}

TEST_F(CpuidTest, RecordedPentium4) {
  UseDump("intel/pentium-4-1.60-northwood.txt");
  ReadMaxStandardLeaf();
  ReadSignature();
  EXPECT_EQ(CpuidState.MaxStandardLeaf, 2);
  EXPECT_EQ(ReadVendorString(), "GenuineIntel");
  EXPECT_EQ(CpuidState.Family, 15);
  EXPECT_EQ(CpuidState.Model, 2);
  EXPECT_EQ(CpuidState.Stepping, 4);
  EXPECT_EQ(CpuidState.BrandIndex, 9);
  EXPECT_EQ(GetInstructionSet(), "X86-(IA32)");
  EXPECT_EQ(ReadBrandString(),
            std::string(14, ' ') + "Intel(R) Pentium(R) 4 CPU 1.60GHz" + std::string(1, '\0'));
}

}  // namespace
