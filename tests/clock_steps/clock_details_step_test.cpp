// The cache-speed and speed-box captions and enabled states after the clock-details step.
#include "clock/clock_details_step.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>
#include <clocale>
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "cpu/cpuid.h"
#include "support/dump_fixture.h"
#include "ui/controls.h"

namespace {

struct FormControl {
  const char* name;
  ControlKind kind;
  const char* caption;
  bool enabled;
};

// As the form creates them: the speed box's extra lines disabled but Panel21,
// the L1 code unit "Kb", and the L2 size as the cache step left it.
// clang-format off
constexpr FormControl kFormControls[] = {
    {"Panel30",  ControlKind::Panel, "",       true },
    {"Panel31",  ControlKind::Panel, "",       true },
    {"Panel28",  ControlKind::Panel, "256 KB", true },
    {"Label27",  ControlKind::Label, "Kb",     true },
    {"Panel24",  ControlKind::Panel, "",       false},
    {"Panel20",  ControlKind::Panel, "",       false},
    {"Panel21",  ControlKind::Panel, "",       true },
    {"Panel22",  ControlKind::Panel, "",       false},
    {"Panel23",  ControlKind::Panel, "",       false},
    {"Label141", ControlKind::Label, "label",  false},
    {"Label142", ControlKind::Label, "label",  false},
    {"Label143", ControlKind::Label, "label",  false},
    {"Label144", ControlKind::Label, "label",  false},
    {"Label157", ControlKind::Label, "label",  false},
    {"Label158", ControlKind::Label, "label",  false},
    {"Label23",  ControlKind::Label, "label",  false},
};
// clang-format on

constexpr const char* kSpeedBoxLines[] = {"Panel24",  "Label141", "Panel20",  "Label143",
                                          "Panel22",  "Panel23",  "Label144", "Panel21",
                                          "Label142", "Label157", "Label158", "Label23"};

std::unique_ptr<QWidget> MakeForm() {
  auto form = std::make_unique<QWidget>();
  for (const FormControl& c : kFormControls) {
    auto* control = new QLabel(c.caption, form.get());
    control->setObjectName(c.name);
    control->setEnabled(c.enabled);
    TagKind(*control, c.kind);
  }
  return form;
}

struct StepCase {
  const char* name;
  const char* dump;
  double clock_mhz;
  const char* clock_text;
  bool speed_lines_enabled;
  std::map<std::string, std::string> captions;  // the controls whose caption the case checks
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const StepCase& c, std::ostream* out) {
  *out << c.name;
}

const StepCase kCases[] = {
    {"P4a160Overclocked",
     "intel/pentium-4-1.60-northwood.txt",
     1700,
     "1700",
     true,
     {{"Panel30", "1700"},
      {"Label27", "K\xB5OP"},
      {"Panel24", "1600,00 MHz"},
      {"Panel20", "106.25"},
      {"Panel21", "425"},
      {"Panel22", "x 16"},
      {"Panel23", "Yes 6.25%"},
      {"Panel28", "256 KB"},
      {"Panel31", "1700"}}},
    {"P4a160NotOverclocked",
     "intel/pentium-4-1.60-northwood.txt",
     1610,
     "1610",
     true,
     {{"Panel23", "no"}}},
    // A speed the table lacks: the lines are enabled and keep the form's captions.
    {"P4a266NotInTable",
     "intel/pentium-4-2.66-northwood.txt",
     2660,
     "2660",
     true,
     {{"Panel24", ""},
      {"Panel20", ""},
      {"Panel21", ""},
      {"Panel22", ""},
      {"Panel23", ""},
      {"Label27", "K\xB5OP"},
      {"Panel31", "2660"}}},
    {"ChomperNoL2Speed",
     "amd/k6-2-chomper.txt",
     500,
     "500",
     false,
     {{"Panel30", "500"}, {"Label27", "Kb"}, {"Panel28", "N/A"}, {"Panel31", "N/A"}}},
    {"PlutoHalfClock",
     "amd/athlon-pluto.txt",
     700,
     "700",
     false,
     {{"Panel30", "700"}, {"Panel28", "256 KB"}, {"Panel31", "350"}}},
    {"KatmaiHalfClock",
     "intel/pentium-iii-katmai.txt",
     500,
     "500",
     false,
     {{"Label27", "Kb"}, {"Panel31", "250"}}},
};

class ClockDetailsStepTest : public RecordTest, public ::testing::WithParamInterface<StepCase> {
 protected:
  // The figures are written for a point as decimal separator.
  void SetUp() override { std::setlocale(LC_NUMERIC, "C"); }
};

TEST_P(ClockDetailsStepTest, FillsTheCacheAndSpeedBoxes) {
  const StepCase& c = GetParam();
  UseDump(c.dump);
  ReadSignature();
  CpuidState.ClockMHz = c.clock_mhz;
  CpuidState.ClockText = c.clock_text;
  std::unique_ptr<QWidget> form = MakeForm();

  ShowClockDetails(*form);

  for (const auto& [name, caption] : c.captions) {
    EXPECT_EQ(Caption(*form, name), caption) << name;
  }
  for (const char* line : kSpeedBoxLines) {
    bool enabled_by_form = std::string(line) == "Panel21";
    EXPECT_EQ(Control(*form, line).isEnabled(), c.speed_lines_enabled || enabled_by_form) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(ClockSteps, ClockDetailsStepTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
