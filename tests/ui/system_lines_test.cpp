// The memory and operating-system lines at the foot of the Summary page.
#include "ui/system_lines.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "ui/controls.h"

namespace {

TEST(MemoryLineText, DividesBy1024417) {
  struct Case {
    uint64_t bytes;
    std::string expected;
  };
  const Case cases[] = {
      {536870912, "524 mb"},
      {268435456, "262 mb"},
      {1073741824, "1048 mb"},
      {1024416, "0 mb"},
      {1024417, "1 mb"},
      // Byte counts that a 32-bit count would have wrapped.
      {4294967296, "4192 mb"},
      {17179869184, "16770 mb"},
  };
  for (const Case& c : cases) EXPECT_EQ(MemoryLineText(c.bytes), c.expected) << c.bytes;
}

class SystemLinesTest : public ::testing::Test {
 protected:
  SystemLinesTest() {
    for (const char* name : {"Label188", "Label189", "Label192"}) {
      auto* label = new QLabel(name, &form_);
      label->setObjectName(name);
      TagKind(*label, ControlKind::Label);
    }
  }
  QWidget form_;
};

TEST_F(SystemLinesTest, MemoryLinesShowTotalAndAvailable) {
  ShowMemoryLines(form_, MemoryFigures{8589934592, 536870912, 0, 0});
  EXPECT_EQ(Caption(form_, "Label188"), "8385 mb");
  EXPECT_EQ(Caption(form_, "Label189"), "524 mb");
  EXPECT_EQ(Caption(form_, "Label192"), "Label192");
}

TEST_F(SystemLinesTest, OperatingSystemLineOnlyForTheExactPlatform) {
  struct Case {
    std::string platform;
    std::string product;
    std::string build;
    std::string expected;
  };
  const Case cases[] = {
      {"Linux", "Debian GNU/Linux 12 (bookworm)", "6.1.0-18-amd64",
       "Debian GNU/Linux 12 (bookworm) Build 6.1.0-18-amd64"},
      {"Linux", "", "6.1.0", " Build 6.1.0"},
      {"Linux", "", "", " Build "},
      {"linux", "Debian", "6.1.0", "Label192"},
      {"", "Debian", "6.1.0", "Label192"},
  };
  for (const Case& c : cases) {
    SetCaption(form_, "Label192", "Label192");
    ShowOperatingSystemLine(form_, c.platform, c.product, c.build);
    EXPECT_EQ(Caption(form_, "Label192"), c.expected) << c.platform;
  }
}

}  // namespace
