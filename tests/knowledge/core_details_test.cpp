// The core architecture texts.
#include "knowledge/core_details.h"

#include <gtest/gtest.h>

#include <string>

#include "cpu/cpuid.h"
#include "support/dump_fixture.h"

namespace {

using TextField = std::string TCpuidState::*;

constexpr TextField kAllSeven[] = {&TCpuidState::GenericDetail,     &TCpuidState::SpecificDetails,
                                   &TCpuidState::Registers,         &TCpuidState::PipelineDepth,
                                   &TCpuidState::InstructionDecode, &TCpuidState::ExecutionUnits,
                                   &TCpuidState::ExecutionSpeed};

// What an earlier activation left, so that "no change" is visible.
constexpr const char* kEarlier = "earlier";

// Each set told apart by its second text; nullptr: all seven fields keep their values.
constexpr const char* kAmdFamily6 =
    "72 MOP Entry ROB/ICU, 18 MOP Entry Integer Scheduler,36 MOP Entry FP Scheduler";
constexpr const char* kIntelFamily6 = "20 Entry RS, 40 Entry ROB";
constexpr const char* kIntelFamily15 =
    "up to 126 \xB5OPs In-flight,up to 48 Loads In-flight, up to 24 Stores In-Flight ";
constexpr const char* kKept = nullptr;

class CoreDetailsTest : public RecordTest {
 protected:
  CoreDetailsTest() {
    Use(cpu_);
    for (TextField field : kAllSeven) CpuidState.*field = kEarlier;
  }
  // A vendor and leaf-1 EAX, decoded into the record as the activation does first.
  void Load(const char* vendor, uint32_t eax) {
    cpu_.Vendor(vendor).Signature(eax);
    ReadSignature();
  }
  // Either all seven fields hold one set or all seven kept their earlier text.
  void ExpectSet(const char* specific_details) {
    if (specific_details == kKept) {
      for (TextField field : kAllSeven) EXPECT_EQ(CpuidState.*field, kEarlier);
      return;
    }
    EXPECT_EQ(CpuidState.SpecificDetails, specific_details);
    for (TextField field : kAllSeven) EXPECT_NE(CpuidState.*field, kEarlier);
  }
  FakeCpu cpu_;
};

TEST_F(CoreDetailsTest, SetChosenByVendorAndFamily) {
  struct Case {
    const char* vendor;
    uint32_t eax;
    const char* specific_details;
  };
  const Case cases[] = {
      {"AuthenticAMD", 0x612, kAmdFamily6},    {"AuthenticAMD", 0x6A0, kAmdFamily6},
      {"AuthenticAMD", 0x580, kKept},          {"AuthenticAMD", 0xF48, kKept},
      {"GenuineIntel", 0x68A, kIntelFamily6},  {"GenuineIntel", 0x6D6, kIntelFamily6},
      {"GenuineIntel", 0xF24, kIntelFamily15}, {"GenuineIntel", 0x543, kKept},
      {"GenuineIntel", 0x700, kKept},          {"CyrixInstead", 0x600, kKept},
      {"CentaurHauls", 0x6A9, kKept},          {"CentaurHauls", 0xF00, kKept},
      {"authenticAMD", 0x680, kKept},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.vendor << " " << std::hex << c.eax);
    for (TextField field : kAllSeven) CpuidState.*field = kEarlier;
    Load(c.vendor, c.eax);
    FillCoreDetails();
    ExpectSet(c.specific_details);
  }
}

TEST_F(CoreDetailsTest, TextsKeepTheirExactBytes) {
  struct Case {
    const char* vendor;
    uint32_t eax;
    TextField field;
    const char* text;
  };
  const Case cases[] = {
      {"AuthenticAMD", 0x680, &TCpuidState::Registers,
       "32 Bit Integer, 80 Bit FP, 64 Bit MM, 24 Entry 32 Bit 9xRead 8xWrite IFFRF (Integer RAT), "
       "88 Entry 90 Bit 5xRead 5xWrite FPRF (FP RAT)"},
      {"AuthenticAMD", 0x680, &TCpuidState::InstructionDecode,
       "Direct and Vector Path,up to 3x IA-32/Cycle ,up to 3x MOPs/Cycle,up to 6x ROPs/Cycle"},
      {"GenuineIntel", 0x68A, &TCpuidState::InstructionDecode,
       "3x IA-32/Cycle, 6x (4+1+1) \xB5OPs/Cycle"},
      {"GenuineIntel", 0x68A, &TCpuidState::ExecutionUnits,
       "2x ALU/MMX/SSE, Load, Store Adress, Store Data, Pipelined FPU"},
      {"GenuineIntel", 0x68A, &TCpuidState::ExecutionSpeed, "Up to 5 \xB5OPs/Cycle"},
      {"GenuineIntel", 0xF24, &TCpuidState::Registers,
       "32 Bit Integer, 80 Bit FP, 64 Bit MM, 128 Bit SSE and SSE2, 128 Entry Integer Register "
       "File, ??? Entry FP Register File "},
      {"GenuineIntel", 0xF24, &TCpuidState::PipelineDepth,
       "20 Stages (excludes ??? Decode Stages before Trace Cache)"},
      {"GenuineIntel", 0xF24, &TCpuidState::ExecutionUnits,
       "Port 0: Double-pumped ALU, FP Move/Store/FXCH, Port 1: Double-pumped ALU, Slow ALU, FP "
       "Execute, Port 2: Load, Port 3: Store "},
      {"GenuineIntel", 0xF24, &TCpuidState::ExecutionSpeed, "up to 6 \xB5OPs/Cycle"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Load(c.vendor, c.eax);
    FillCoreDetails();
    EXPECT_EQ(CpuidState.*c.field, c.text);
  }
}

TEST_F(CoreDetailsTest, RecordedProcessors) {
  struct Case {
    const char* dump;
    const char* specific_details;
  };
  const Case cases[] = {
      {"intel/pentium-4-1.60-northwood.txt", kIntelFamily15},
      {"intel/pentium-iii-coppermine-68a.txt", kIntelFamily6},
      {"amd/athlon-xp-2200-thoroughbred-a.txt", kAmdFamily6},
      {"amd/k6-2-chomper.txt", kKept},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dump);
    for (TextField field : kAllSeven) CpuidState.*field = kEarlier;
    UseDump(c.dump);
    ReadSignature();
    FillCoreDetails();
    ExpectSet(c.specific_details);
  }
}

}  // namespace
