// AMD leaves 80000005h/80000006h: field positions, both associativity encodings, recorded
// processors.
#include "cache/amd_cache.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/dump_fixture.h"

namespace {

using Field = std::string TCpuidState::*;

// clang-format off
const std::array<Field, 16> kL1Fields{
    &TCpuidState::AmdL1DataTlb2M4MAssoc, &TCpuidState::AmdL1DataTlb2M4MEntries,
    &TCpuidState::AmdL1CodeTlb2M4MAssoc, &TCpuidState::AmdL1CodeTlb2M4MEntries,
    &TCpuidState::AmdL1DataTlb4KAssoc,   &TCpuidState::AmdL1DataTlb4KEntries,
    &TCpuidState::AmdL1CodeTlb4KAssoc,   &TCpuidState::AmdL1CodeTlb4KEntries,
    &TCpuidState::AmdL1DataSize,         &TCpuidState::AmdL1DataAssoc,
    &TCpuidState::AmdL1DataLinesPerTag,  &TCpuidState::AmdL1DataLineSize,
    &TCpuidState::AmdL1CodeSize,         &TCpuidState::AmdL1CodeAssoc,
    &TCpuidState::AmdL1CodeLinesPerTag,  &TCpuidState::AmdL1CodeLineSize,
};
const std::array<Field, 8> kL2Fields{
    &TCpuidState::AmdL2DataTlbAssoc, &TCpuidState::AmdL2DataTlbEntries,
    &TCpuidState::AmdL2CodeTlbAssoc, &TCpuidState::AmdL2CodeTlbEntries,
    &TCpuidState::AmdL2Size,         &TCpuidState::AmdL2Assoc,
    &TCpuidState::AmdL2LinesPerTag,  &TCpuidState::AmdL2LineSize,
};
// clang-format on

template <size_t N>
void ExpectFields(const std::array<Field, N>& fields, const std::array<const char*, N>& expected) {
  for (size_t i = 0; i < N; ++i) EXPECT_EQ(CpuidState.*fields[i], expected[i]) << "field " << i;
}

class AmdCacheTest : public RecordTest {
 protected:
  FakeCpu cpu;
  void SetUp() override { Use(cpu); }
};

TEST_F(AmdCacheTest, L1FieldsComeFromTheirOwnBytes) {
  cpu.Set(0x80000005, {0x01020304, 0x05060708, 0x090A0B0C, 0x0D0E0F10});
  DecodeAmdL1();
  ExpectFields(kL1Fields, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13",
                           "14", "15", "16"});
}

TEST_F(AmdCacheTest, L2FieldsComeFromTheirOwnBitsUnsigned) {
  struct Case {
    uint32_t ebx, ecx;
    std::array<const char*, 8> expected;
  };
  const Case cases[] = {
      {0x12345678, 0x9ABCDEF0, {"1", "564", "5", "1656", "39612", "13", "14", "240"}},
      {0xFFFFFFFF, 0xFFFFFFFF, {"15", "4095", "15", "4095", "65535", "15", "15", "255"}},
      {0x41004100, 0x01008140, {"4", "256", "4", "256", "256", "8", "1", "64"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ebx);
    // EAX and EDX of this leaf are not decoded; filling them must change nothing.
    cpu.Set(0x80000006, {0xFFFFFFFF, c.ebx, c.ecx, 0xFFFFFFFF});
    DecodeAmdL2();
    ExpectFields(kL2Fields, c.expected);
  }
}

TEST_F(AmdCacheTest, L1AssociativityTexts) {
  struct Case {
    uint32_t code;
    const char* data_text;
    const char* code_text;
  };
  const Case cases[] = {
      {0, "", "Disabled"},   {1, "", ""},           {2, "2-Way", "2-Way"},
      {4, "4-Way", "4-Way"}, {6, "6-Way", "6-Way"}, {8, "8-Way", "8-Way"},
      {16, "", ""},          {254, "", ""},         {255, "Full-Way", "Full-Way"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    ResetCpuidState();
    cpu.Set(0x80000005, {0, 0, c.code << 16, c.code << 16});
    DecodeAmdL1();
    EXPECT_EQ(CpuidState.AmdL1DataAssocText, c.data_text);
    EXPECT_EQ(CpuidState.AmdL1CodeAssocText, c.code_text);
  }
}

TEST_F(AmdCacheTest, L2AssociativityTextsUseTheirOwnEncoding) {
  const std::array<const char*, 16> by_code{
      "L2 Off", "Direct mapped", "2-Way", "", "4-Way", "", "8-Way",
      "",       "16-Way",        "",      "", "",      "", "",
      "",       "Full-Way"};
  for (uint32_t code = 0; code < by_code.size(); ++code) {
    SCOPED_TRACE(code);
    ResetCpuidState();
    cpu.Set(0x80000006, {0, code << 28 | code << 12, code << 12, 0});
    DecodeAmdL2();
    EXPECT_EQ(CpuidState.AmdL2DataTlbAssocText, by_code[code]);
    EXPECT_EQ(CpuidState.AmdL2CodeTlbAssocText, by_code[code]);
    EXPECT_EQ(CpuidState.AmdL2AssocText, by_code[code]);
  }
}

TEST_F(AmdCacheTest, UnlistedCodeKeepsThePreviousText) {
  cpu.Set(0x80000005, {0, 0, 0x00040000, 0x00020000});
  cpu.Set(0x80000006, {0, 0x20004000, 0x00006000, 0});
  DecodeAmdL1();
  DecodeAmdL2();
  cpu.Set(0x80000005, {0, 0, 0x00030000, 0x00010000});
  cpu.Set(0x80000006, {0, 0x30005000, 0x00007000, 0});
  DecodeAmdL1();
  DecodeAmdL2();
  EXPECT_EQ(CpuidState.AmdL1DataAssocText, "4-Way");
  EXPECT_EQ(CpuidState.AmdL1CodeAssocText, "2-Way");
  EXPECT_EQ(CpuidState.AmdL2DataTlbAssocText, "2-Way");
  EXPECT_EQ(CpuidState.AmdL2CodeTlbAssocText, "4-Way");
  EXPECT_EQ(CpuidState.AmdL2AssocText, "8-Way");
  EXPECT_EQ(CpuidState.AmdL1DataAssoc, "3");
  EXPECT_EQ(CpuidState.AmdL2Assoc, "7");
}

TEST_F(AmdCacheTest, RecordedProcessors) {
  struct DumpCase {
    const char* dump;
    std::array<const char*, 16> l1;
    std::array<const char*, 2> l1_texts;  // data, instruction
    std::array<const char*, 8> l2;
    std::array<const char*, 3> l2_texts;  // data TLB, code TLB, cache
  };
  const DumpCase cases[] = {
      {"amd/athlon-xp-2200-thoroughbred-a.txt",
       {"4", "8", "255", "8", "255", "32", "255", "16", "64", "2", "1", "64", "64", "2", "1", "64"},
       {"2-Way", "2-Way"},
       {"4", "256", "4", "256", "256", "8", "1", "64"},
       {"4-Way", "4-Way", "16-Way"}},
      // No leaf 80000006h: it reads as zeros, which is "L2 Off" everywhere.
      {"amd/k6-2-chomper.txt",
       {"0", "0", "0", "0", "2", "128", "1", "64", "32", "2", "2", "32", "32", "2", "2", "32"},
       {"2-Way", "2-Way"},
       {"0", "0", "0", "0", "0", "0", "0", "0"},
       {"L2 Off", "L2 Off", "L2 Off"}},
  };
  for (const DumpCase& c : cases) {
    SCOPED_TRACE(c.dump);
    ResetCpuidState();
    UseDump(c.dump);
    DecodeAmdL1();
    DecodeAmdL2();
    ExpectFields(kL1Fields, c.l1);
    EXPECT_EQ(CpuidState.AmdL1DataAssocText, c.l1_texts[0]);
    EXPECT_EQ(CpuidState.AmdL1CodeAssocText, c.l1_texts[1]);
    ExpectFields(kL2Fields, c.l2);
    EXPECT_EQ(CpuidState.AmdL2DataTlbAssocText, c.l2_texts[0]);
    EXPECT_EQ(CpuidState.AmdL2CodeTlbAssocText, c.l2_texts[1]);
    EXPECT_EQ(CpuidState.AmdL2AssocText, c.l2_texts[2]);
  }
}

}  // namespace
