// The Cache page step on small register sets: the descriptor list, the AMD table, the L3 row.
#include "cache/cache_page_step.h"

#include <gtest/gtest.h>

#include "cpu/cpuid.h"
#include "ui/window_fixture.h"

namespace {

class CachePageTest : public WindowTest {
 protected:
  FakeCpu cpu;

  void Show() {
    Use(cpu);
    OpenOn(1000);
    ReadSignature();
    ShowCacheInfo(form());
  }
};

TEST_F(CachePageTest, IntelDescriptorListKeepsSevenLinesOnEveryRun) {
  cpu.Vendor("GenuineIntel").Signature(0xF24, 0x3).Set(2, {0x665B5001, 0, 0, 0x007A7000});
  Show();
  const std::string l2 = "7Ah Code and data L2 cache, 256 KB, 8 ways, 64 byte lines, sectored";
  const std::vector<std::string> expected{l2,
                                          "5Bh Data TLB, 4K/4M pages, fully, 64 entries",
                                          "50h Code TLB, 4K/4M/2M pages, fully, 64 entries",
                                          "",
                                          l2,
                                          "70h Trace L1 cache, 12 K\xB5OPs, 4 ways",
                                          ""};
  EXPECT_EQ(Lines("Memo1"), expected);
  EXPECT_FALSE(Hidden("Memo1"));
  EXPECT_TRUE(Hidden("GroupBox9"));
  EXPECT_EQ(Text("Panel26"), "12");
  EXPECT_EQ(Text("Panel27"), "8");
  EXPECT_EQ(Text("Panel28"), "256");
  EXPECT_EQ(Text("Panel25"), "3");
  EXPECT_TRUE(Enabled("Label9"));
  EXPECT_FALSE(Enabled("Label14"));

  ShowCacheInfo(form());
  EXPECT_EQ(Lines("Memo1"), expected);
}

TEST_F(CachePageTest, OnlyTheL3RowDisablesItsLabels) {
  struct Case {
    uint32_t edx;
    const char* l2;
    const char* l3;
  };
  const Case cases[] = {
      {0x00000000, "", ""},        // no L2 descriptor either: its labels stay enabled
      {0x00430022, "512", "512"},  // 22h in the last slot
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edx);
    ResetCpuidState();
    cpu.Vendor("GenuineIntel").Set(2, {0x01, 0, 0, c.edx});
    Show();
    EXPECT_EQ(Text("Panel28"), c.l2);
    EXPECT_TRUE(Enabled("Label26"));
    EXPECT_TRUE(Enabled("Label29"));
    EXPECT_EQ(Text("Panel29"), c.l3);
    bool has_l3 = *c.l3 != '\0';
    EXPECT_EQ(Enabled("Label30"), has_l3);
    EXPECT_EQ(Enabled("Label156"), has_l3);
  }
}

TEST_F(CachePageTest, AmdTableWordsTheTlbsAndSizes) {
  cpu.Vendor("AuthenticAMD")
      .Set(0x80000005, {0x0408FF08, 0xFF20FF10, 0x20020140, 0x40020140})
      .Set(0x80000006, {0, 0x00003100, 0x01008140, 0});
  Show();
  EXPECT_TRUE(Hidden("Memo1"));
  EXPECT_FALSE(Hidden("GroupBox3"));
  EXPECT_EQ(Text("Panel26"), "64");  // code, from EDX
  EXPECT_EQ(Text("Panel27"), "32");  // data, from ECX
  EXPECT_EQ(Text("Panel28"), "256");
  EXPECT_EQ(Text("Label57"), "4-Way Associativity, 8 Entries");
  EXPECT_EQ(Text("Label59"), "Full-Way Associativity, 8 Entries");
  EXPECT_EQ(Text("Label61"), "Full-Way Associativity, 32 Entries");
  EXPECT_EQ(Text("Label68"), "32 Kb");
  EXPECT_EQ(Text("Label69"), "2-Way");
  EXPECT_EQ(Text("Label71"), "64 bytes");
  EXPECT_EQ(Text("Label75"), "64 Kb");
  EXPECT_EQ(Text("Label83"), "N/A");
  EXPECT_EQ(Text("Label161"), "L2 Off Associativity, 0 Entries");
  EXPECT_EQ(Text("Label162"), " Associativity, 256 Entries");  // code 3 has no text
  EXPECT_EQ(Text("Label163"), "256 Kb");
  EXPECT_EQ(Text("Label167"), "16-Way");
  EXPECT_EQ(Text("Label169"), "64 Bytes");
  EXPECT_FALSE(Enabled("Label9"));
}

}  // namespace
