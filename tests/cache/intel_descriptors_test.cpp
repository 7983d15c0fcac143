// Leaf-2 descriptor decoding: slot order, the top-of-list L2 rule, which slot each size keeps.
#include "cache/intel_descriptors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <set>
#include <string>

#include "cache/intel_descriptor_table.h"
#include "support/dump_fixture.h"

namespace {

using SlotBytes = std::array<uint8_t, 7>;  // 0: entry expected empty

std::string TextOf(uint8_t byte) {
  const IntelDescriptorRow* row = byte == 0 ? nullptr : FindIntelDescriptor(byte);
  return row == nullptr ? std::string() : std::string(row->text);
}

void ExpectTexts(const SlotBytes& expected) {
  for (size_t slot = 0; slot < expected.size(); ++slot) {
    EXPECT_EQ(CpuidState.DescriptorTexts[slot], TextOf(expected[slot])) << "slot " << slot;
  }
}

struct Expected {
  SlotBytes texts;
  std::string l1_code, l1_data, l2;
  int32_t l3;
};

void ExpectDecoded(const Expected& e) {
  ExpectTexts(e.texts);
  EXPECT_EQ(CpuidState.L1CodeSizeText, e.l1_code);
  EXPECT_EQ(CpuidState.L1DataSizeText, e.l1_data);
  EXPECT_EQ(CpuidState.L2SizeText, e.l2);
  EXPECT_EQ(CpuidState.L3SizeKB, e.l3);
}

struct Case {
  const char* what;
  CpuidRegisters leaf2;
  Expected expected;
};

const Case kCases[] = {
    {"L2 in slot 4 replaces entry 0",
     {0x665B5001, 0, 0, 0x007A7000},
     {{0x7A, 0x5B, 0x50, 0, 0x7A, 0x70, 0}, "12", "8", "256", 0}},
    {"no L2 in slot 4 or 7Bh in slot 5: entry 0 kept",
     {0x03020101, 0, 0, 0x0C040843},
     {{0x03, 0x02, 0x01, 0x0C, 0x04, 0x08, 0x43}, "16", "16", "512", 0}},
    {"7Bh counts for entry 0 only in slot 5",
     {0x01000000, 0, 0, 0x007B0000},
     {{0x01, 0, 0, 0, 0x7B, 0, 0}, "", "", "512", 0}},
    {"7Bh in slot 5 replaces an earlier slot-4 match",
     {0x01000000, 0, 0, 0x00437B00},
     {{0x7B, 0, 0, 0, 0x43, 0x7B, 0}, "", "", "512", 0}},
    {"7Ch is tested after 7Bh",
     {0, 0, 0, 0x007C7B00},
     {{0x7C, 0, 0, 0, 0x7C, 0x7B, 0}, "", "", "512", 0}},
    {"count byte, EBX and ECX are not examined",
     {0x00000001, 0x29434308, 0x22434308, 0},
     {{0, 0, 0, 0, 0, 0, 0}, "", "", "", 0}},
    {"all registers zero", {0, 0, 0, 0}, {{0, 0, 0, 0, 0, 0, 0}, "", "", "", 0}},
    {"88h gives only an L3 size", {0x00008800, 0, 0, 0}, {{0, 0, 0, 0, 0, 0, 0}, "", "", "", 2048}},
    {"8Bh gives 3096", {0, 0, 0, 0x0000008B}, {{0, 0, 0, 0, 0, 0, 0}, "", "", "", 3096}},
    {"first L3 slot wins",
     {0x00290000, 0, 0, 0x00000022},
     {{0, 0x29, 0, 0, 0, 0, 0x22}, "", "", "", 4096}},
    {"last L2 slot wins",
     {0x43000000, 0, 0, 0x00000082},
     {{0x43, 0, 0, 0, 0, 0, 0x82}, "", "", "256", 0}},
    {"last L1 slot wins",
     {0x080A0000, 0, 0, 0x00687000},
     {{0x08, 0x0A, 0, 0, 0x68, 0x70, 0}, "12", "32", "", 0}},
    {"registers with bit 31 set are still decoded",
     {0x81000000, 0, 0, 0x85000000},
     {{0x81, 0, 0, 0x85, 0, 0, 0}, "", "", "2048", 0}},
};

class IntelDescriptorsTest : public RecordTest {
 protected:
  FakeCpu cpu;
  void SetUp() override { Use(cpu); }
};

TEST_F(IntelDescriptorsTest, DecodesRegisterSets) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ResetCpuidState();
    cpu.Set(2, c.leaf2);
    DecodeIntelDescriptors();
    ExpectDecoded(c.expected);
  }
}

TEST_F(IntelDescriptorsTest, RerunKeepsWhatTheNewBytesDoNotReplace) {
  cpu.Set(2, {0x01290000, 0, 0, 0x00437000});
  DecodeIntelDescriptors();
  cpu.Set(2, {0x88000000, 0, 0, 0x00000066});
  DecodeIntelDescriptors();
  // 88h has no text, so entry 0 keeps the 43h text; only the L3 size is recomputed from scratch.
  ExpectDecoded({{0x43, 0x29, 0, 0, 0x43, 0x70, 0x66}, "12", "8", "512", 2048});
  cpu.Set(2, {});
  DecodeIntelDescriptors();
  ExpectDecoded({{0x43, 0x29, 0, 0, 0x43, 0x70, 0x66}, "12", "8", "512", 0});
}

TEST(IntelDescriptorTable, ShapeAndTexts) {
  std::set<uint8_t> bytes;
  int with_text = 0;
  for (const IntelDescriptorRow& row : kIntelDescriptors) {
    bytes.insert(row.byte);
    if (row.text.empty()) {
      EXPECT_TRUE(row.byte >= 0x88 && row.byte <= 0x8B) << int(row.byte);
      continue;
    }
    ++with_text;
    // Each text opens with its own byte in hex, which catches a row keyed to the wrong byte.
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", row.byte);
    std::string head(row.text.substr(0, 2));
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    EXPECT_EQ(head, hex);
  }
  EXPECT_EQ(kIntelDescriptors.size(), 43u);
  EXPECT_EQ(bytes.size(), 43u);
  EXPECT_EQ(with_text, 39);
  EXPECT_EQ(FindIntelDescriptor(0x00), nullptr);

  EXPECT_EQ(TextOf(0x7B), "7bh Code and Data L2 cache, 512 KB, 8 ways, 64 byte lines, sectored");
  EXPECT_EQ(TextOf(0x23), "23h Code and data L3 cache, 1024 KB, 8 ways, 64 byte lines, sectored ");
  EXPECT_EQ(TextOf(0x22).back(), ' ');
  EXPECT_EQ(TextOf(0x25).back(), 'd');
  EXPECT_EQ(TextOf(0x71), std::string("71h Trace L1 cache, 16 K") + '\xB5' + "OPs, 4 ways");
}

class IntelDescriptorDumpTest : public RecordTest {};

TEST_F(IntelDescriptorDumpTest, RecordedProcessors) {
  struct DumpCase {
    const char* dump;
    Expected expected;
  };
  const DumpCase cases[] = {
      // 7Bh sits in slot 4 here, so the 66h text stays at the top.
      {"intel/pentium-4-1.60-northwood.txt",
       {{0x66, 0x5B, 0x50, 0, 0x7B, 0x70, 0x40}, "12", "8", "512", 0}},
      {"intel/pentium-iii-coppermine-68a.txt",
       {{0x03, 0x02, 0x01, 0x0C, 0x04, 0x08, 0x82}, "16", "16", "256", 0}},
  };
  for (const DumpCase& c : cases) {
    SCOPED_TRACE(c.dump);
    ResetCpuidState();
    UseDump(c.dump);
    DecodeIntelDescriptors();
    ExpectDecoded(c.expected);
  }
}

}  // namespace
