// The Featureset page: one label per flag, green when set, greyed when clear, vendor rows.
#include "ui/featureset_step.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "cpu/cpuid.h"
#include "cpu/feature_flags.h"
#include "ui/window_fixture.h"

namespace {

class FeaturesetTest : public WindowTest {
 protected:
  FakeCpu cpu;

  void Show() {
    Use(cpu);
    OpenOn(1000);
    ReadFeatureFlags();
    ReadExtendedFeatures();
    ShowFeaturesetPage(form());
  }

  // Names of the page's labels drawn green and enabled.
  std::vector<std::string> GreenLabels() {
    std::vector<std::string> names;
    for (QLabel* label : Control(form(), "TabSheet3").findChildren<QLabel*>()) {
      std::string name = label->objectName().toStdString();
      if (label->isEnabled() && Colour(name) == kFlagGreen) names.push_back(name);
    }
    return names;
  }
};

// Setting one leaf-1 bit lights exactly one label, and that label carries the
// flag's mnemonic as its caption: a wrong row in either column shows up here.
TEST_F(FeaturesetTest, EachLeaf1FlagLightsTheLabelWithItsMnemonic) {
  for (const FeatureFlagRow& flag : kFeatureFlags) {
    SCOPED_TRACE(std::string(flag.mnemonic) + " bit " + std::to_string(flag.bit));
    ResetCpuidState();
    uint32_t bit = 1u << flag.bit;
    cpu.Vendor("GenuineIntel")
        .Set(1, flag.reg == FlagRegister::Ecx ? CpuidRegisters{0, 0, bit, 0}
                                              : CpuidRegisters{0, 0, 0, bit});
    Show();
    std::vector<std::string> green = GreenLabels();
    ASSERT_EQ(green.size(), 1u);
    EXPECT_EQ(Text(green[0]), flag.mnemonic);
  }
}

TEST_F(FeaturesetTest, Leaf1EcxBitsAbove10HaveNoRow) {
  cpu.Vendor("GenuineIntel").Set(1, {0, 0, 0xFFFFF800, 0});
  Show();
  EXPECT_TRUE(GreenLabels().empty());
}

TEST_F(FeaturesetTest, ClearFlagGreysTheLabelAndKeepsItsColour) {
  cpu.Vendor("GenuineIntel").Set(1, {0, 0, 0, 1u << 23});  // mmx only
  Use(cpu);
  OpenOn(1000);
  QRgb layout_colour = Colour("Label15");
  ReadFeatureFlags();
  ReadExtendedFeatures();
  ShowFeaturesetPage(form());
  EXPECT_FALSE(Enabled("Label15"));
  EXPECT_EQ(Colour("Label15"), layout_colour);  // no red on this page
  EXPECT_TRUE(Enabled("Label41"));
  EXPECT_EQ(Colour("Label41"), kFlagGreen);
}

TEST_F(FeaturesetTest, ExtendedColumnCaptionsAndVendorRows) {
  struct Case {
    const char* vendor;
    uint32_t ext_edx;
    const char* bit24;
    bool bit24_green;
    const char* bit16;
  };
  const Case cases[] = {
      {"AuthenticAMD", 0xFFFFFFFF, "fxsr", true, "pat"},
      {"AuthenticAMD", 0x00000000, "fxsr", false, "pat"},
      {"CyrixInstead", 0xFFFFFFFF, "mmx+", true, "fcmov"},
      {"GenuineIntel", 0xFFFFFFFF, "mmx", false, "fcmov"},
      {"CentaurHauls", 0xFFFFFFFF, "mmx", false, "fcmov"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.vendor) + (c.ext_edx ? " all set" : " none set"));
    ResetCpuidState();
    cpu.Vendor(c.vendor).Set(0x80000001, {0, 0, 0, c.ext_edx});
    Show();
    EXPECT_EQ(Text("Label99"), c.bit24);
    EXPECT_FALSE(Enabled("Label99"));  // disabled in the layout, and nothing enables it
    EXPECT_EQ(Colour("Label99") == kFlagGreen, c.bit24_green);
    EXPECT_EQ(Text("Label107"), c.bit16);
    EXPECT_EQ(Text("Label92"), "3DNow");
    EXPECT_EQ(Text("Label94"), "AA-64 long mode");
    EXPECT_EQ(Text("Label123"), "fpu");
    EXPECT_EQ(Enabled("Label92"), c.ext_edx != 0);
    EXPECT_EQ(Colour("Label92") == kFlagGreen, c.ext_edx != 0);
  }
}

}  // namespace
