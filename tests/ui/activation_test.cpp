// The activation sequence on whole recorded processors: what each page shows afterwards.
#include "ui/activation.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <map>

#include "ui/window_fixture.h"

namespace {

constexpr const char* kGroupBoxes[] = {"GroupBox3", "GroupBox4", "GroupBox5", "GroupBox6",
                                       "GroupBox7", "GroupBox8", "GroupBox9"};
constexpr const char* kSummaryFlagLabels[] = {"Label19",  "Label20", "Label21", "Label22",
                                              "Label196", "Label17", "Label18"};
constexpr const char* kCoreDetailMemos[] = {"Memo2", "Memo3", "Memo4", "Memo5",
                                            "Memo6", "Memo7", "Memo8"};

class ActivationTest : public WindowTest {
 protected:
  void Activate(const std::string& dump, double mhz) {
    Open(dump, mhz);
    RunActivationSequence(form());
  }

  void ExpectCacheTableFace() {
    EXPECT_TRUE(Hidden("Memo1"));
    for (const char* box : kGroupBoxes) EXPECT_FALSE(Hidden(box)) << box;
  }
  void ExpectDescriptorListFace() {
    EXPECT_FALSE(Hidden("Memo1"));
    for (const char* box : kGroupBoxes) EXPECT_TRUE(Hidden(box)) << box;
    EXPECT_EQ(Lines("Memo1").size(), 7u);
  }
  // Vendors other than Intel keep the brand row off and the extended row on.
  void ExpectExtendedRowShown(const char* ext_family) {
    EXPECT_FALSE(Enabled("Label9"));
    EXPECT_EQ(Text("Panel25"), "");
    EXPECT_TRUE(Enabled("Label14"));
    EXPECT_EQ(Text("Panel13"), ext_family);
  }
  void ExpectSpeedBoxOff() {
    for (const char* name : {"Panel24", "Label23", "Panel20", "Panel22", "Panel23"}) {
      EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_EQ(Text("Label27"), "Kb");
  }
};

TEST_F(ActivationTest, Pentium4aAt1700MHz) {
  Activate("intel/pentium-4-1.60-northwood.txt", 1700);

  EXPECT_EQ(form().BuildNumber, 108);
  EXPECT_EQ(Text("Panel33"), "2");
  EXPECT_EQ(qobject_cast<QLabel*>(&Control(form(), "Label185"))->text(),
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
  EXPECT_EQ(Control(form(), "Image1").toolTip(), "Screen capture");
  EXPECT_EQ(Control(form(), "Image2").toolTip(), "Exit program");

  EXPECT_EQ(Text("Panel2"), "X86-(IA32)");
  EXPECT_EQ(Text("Panel3"), "GenuineIntel");
  EXPECT_EQ(Text("Panel4"), "Pentium 4a");
  EXPECT_EQ(Text("Panel10"), "15");
  EXPECT_EQ(Text("Panel11"), "2");
  EXPECT_EQ(Text("Panel16"), "              Intel(R) Pentium(R) 4 CPU 1.60GHz");

  // Brand row on, extended row blank.
  EXPECT_TRUE(Enabled("Label9"));
  EXPECT_EQ(Text("Panel25"), "9");
  EXPECT_FALSE(Enabled("Label14"));
  for (const char* panel : {"Panel13", "Panel14", "Panel15"}) EXPECT_EQ(Text(panel), "") << panel;

  // Speed box.
  EXPECT_EQ(Text("Panel18"), "1700 MHz");
  EXPECT_EQ(Text("Panel24"), "1600,00 MHz");
  EXPECT_EQ(Text("Panel20"), "106.25");
  EXPECT_EQ(Text("Panel21"), "425");
  EXPECT_EQ(Text("Panel22"), "x 16");
  EXPECT_EQ(Text("Panel23"), "Yes 6.25%");
  EXPECT_TRUE(Enabled("Panel24"));
  EXPECT_TRUE(Enabled("Label144"));

  // Cache rows: trace cache in thousands of micro-operations, no L3.
  EXPECT_EQ(Text("Label27"), "K\xB5OP");
  EXPECT_EQ(Text("Panel26"), "12");
  EXPECT_EQ(Text("Panel27"), "8");
  EXPECT_EQ(Text("Panel28"), "512");
  EXPECT_EQ(Text("Panel29"), "");
  EXPECT_FALSE(Enabled("Label30"));
  EXPECT_FALSE(Enabled("Label156"));
  EXPECT_EQ(Text("Panel30"), "1700");
  EXPECT_EQ(Text("Panel31"), "1700");

  ExpectDescriptorListFace();
  std::vector<std::string> lines = Lines("Memo1");
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "66h Data L1 cache, 8 KB, 4 ways, 64 byte lines, sectored");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "7bh Code and Data L2 cache, 512 KB, 8 ways, 64 byte lines, sectored");
  EXPECT_EQ(lines[5], "70h Trace L1 cache, 12 K\xB5OPs, 4 ways");

  EXPECT_EQ(MemoLines(form(), "Memo2"),
            std::vector<std::string>{"RISC, Out-of-order and Speculative Execution"});
  EXPECT_EQ(MemoLines(form(), "Memo8"), std::vector<std::string>{"up to 6 \xB5OPs/Cycle"});
}

TEST_F(ActivationTest, PentiumIiiKatmaiHalvesTheClockForL2) {
  Activate("intel/pentium-iii-katmai.txt", 500);
  EXPECT_EQ(Text("Panel18"), "500 MHz");
  EXPECT_EQ(Text("Panel31"), "250");
  EXPECT_EQ(Text("Panel26"), "16");
  EXPECT_EQ(Text("Panel27"), "16");
  EXPECT_EQ(Text("Panel28"), "512");
  EXPECT_EQ(Text("Panel25"), "0");
  ExpectSpeedBoxOff();
  ExpectDescriptorListFace();
  EXPECT_EQ(Lines("Memo1")[6], "43h Code and data L2 cache, 512 KB, 4 ways, 32 byte lines");
  EXPECT_EQ(Lines("Memo3"), std::vector<std::string>{"20 Entry RS, 40 Entry ROB"});
  EXPECT_EQ(Lines("Memo8"), std::vector<std::string>{"Up to 5 \xB5OPs/Cycle"});
}

TEST_F(ActivationTest, AmdK7FillsTheCacheTable) {
  struct Case {
    const char* dump;
    double mhz;
    const char* l2_size;
    const char* l2_assoc;
    const char* l2_speed;
  };
  const Case cases[] = {
      {"amd/athlon-xp-2200-thoroughbred-a.txt", 1800, "256", "16-Way", "1800"},
      {"amd/k7-argon.txt", 600, "512", "2-Way", "300"},  // half-clock L2
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dump);
    ResetCpuidState();
    Activate(c.dump, c.mhz);
    ExpectCacheTableFace();
    ExpectExtendedRowShown("7");
    ExpectSpeedBoxOff();
    EXPECT_EQ(Text("Panel26"), "64");
    EXPECT_EQ(Text("Panel27"), "64");
    EXPECT_EQ(Text("Panel28"), c.l2_size);
    EXPECT_EQ(Text("Panel31"), c.l2_speed);
    EXPECT_EQ(Text("Label57"), "4-Way Associativity, 8 Entries");
    EXPECT_EQ(Text("Label59"), "Full-Way Associativity, 8 Entries");
    EXPECT_EQ(Text("Label63"), "Full-Way Associativity, 16 Entries");
    EXPECT_EQ(Text("Label68"), "64 Kb");
    EXPECT_EQ(Text("Label69"), "2-Way");
    EXPECT_EQ(Text("Label70"), "1");
    EXPECT_EQ(Text("Label71"), "64 bytes");
    EXPECT_EQ(Text("Label75"), "64 Kb");
    EXPECT_EQ(Text("Label74"), "64 bytes");
    EXPECT_EQ(Text("Label83"), "N/A");
    EXPECT_EQ(Text("Label149"), "N/A");
    EXPECT_EQ(Text("Label161"), "4-Way Associativity, 256 Entries");
    EXPECT_EQ(Text("Label162"), "4-Way Associativity, 256 Entries");
    EXPECT_EQ(Text("Label163"), std::string(c.l2_size) + " Kb");
    EXPECT_EQ(Text("Label167"), c.l2_assoc);
    EXPECT_EQ(Text("Label169"), "64 Bytes");
    EXPECT_EQ(Lines("Memo5"), std::vector<std::string>{"10 (Integer), 15 (FP)"});
  }
}

TEST_F(ActivationTest, AmdK6ChomperHasNoL2Speed) {
  Activate("amd/k6-2-chomper.txt", 300);
  ExpectCacheTableFace();
  EXPECT_EQ(Text("Panel28"), "N/A");
  EXPECT_EQ(Text("Panel31"), "N/A");
  EXPECT_EQ(Text("Panel26"), "32");
  EXPECT_EQ(Text("Panel27"), "32");
  for (const char* memo : kCoreDetailMemos) EXPECT_TRUE(Lines(memo).empty()) << memo;
}

TEST_F(ActivationTest, CyrixShowsTheDescriptorListWithoutTheBrandRow) {
  Activate("cyrix/m-ii-600.txt", 300);
  ExpectDescriptorListFace();
  EXPECT_EQ(Lines("Memo1"), std::vector<std::string>(7, ""));  // no leaf 2: seven empty lines
  ExpectExtendedRowShown("0");
}

TEST_F(ActivationTest, CentaurLeavesTheCachePageAsDesigned) {
  Activate("centaur/c3-samuel-2.txt", 700);
  EXPECT_FALSE(Hidden("Memo1"));
  EXPECT_TRUE(Lines("Memo1").empty());
  for (const char* box : kGroupBoxes) EXPECT_FALSE(Hidden(box)) << box;
  EXPECT_EQ(Text("Label83"), "Label83");
  EXPECT_EQ(Text("Label169"), "Label169");
  EXPECT_EQ(Text("Panel29"), "");
  EXPECT_FALSE(Enabled("Label30"));
  ExpectExtendedRowShown("6");
  EXPECT_EQ(Text("Panel31"), "700");
  for (const char* memo : kCoreDetailMemos) EXPECT_TRUE(Lines(memo).empty()) << memo;
}

TEST_F(ActivationTest, SummaryFlagsAreGreenOrRedAndDisabled) {
  struct Case {
    const char* dump;
    std::vector<std::string> set;
  };
  const Case cases[] = {
      {"intel/pentium-4-1.60-northwood.txt", {"Label19", "Label21", "Label22"}},
      {"intel/pentium-mmx-p55c.txt", {"Label19"}},
      {"amd/k6-2-chomper.txt", {"Label19", "Label17"}},  // 3DNow without its extensions
      {"amd/athlon-xp-2200-thoroughbred-a.txt",
       {"Label19", "Label21", "Label20", "Label17", "Label18"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dump);
    ResetCpuidState();
    Activate(c.dump, 1000);
    for (const char* label : kSummaryFlagLabels) {
      bool set = std::find(c.set.begin(), c.set.end(), label) != c.set.end();
      EXPECT_EQ(Colour(label), set ? kFlagGreen : kFlagRed) << label;
      EXPECT_EQ(Enabled(label), set) << label;
    }
  }
}

// Every named control's visible state; free memory is the one figure that may
// move between two runs.
std::map<std::string, std::string> Snapshot(QWidget& form) {
  std::map<std::string, std::string> state;
  for (QWidget* w : form.findChildren<QWidget*>()) {
    QString name = w->objectName();
    if (name.isEmpty() || name.startsWith("qt_") || name == "Label189") continue;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) text = memo->toPlainText();
    if (auto* box = qobject_cast<QGroupBox*>(w)) text = box->title();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
    state[name.toStdString()] =
        text.toStdString() + "|" + (w->isEnabled() ? "on" : "off") + "|" +
        (w->isHidden() ? "hidden" : "shown") + "|" +
        w->palette().color(QPalette::Active, QPalette::WindowText).name().toStdString() + "|" +
        w->toolTip().toStdString();
  }
  return state;
}

TEST_F(ActivationTest, SecondActivationLeavesEveryControlAsTheFirst) {
  for (const char* dump : {"intel/pentium-4-1.60-northwood.txt",
                           "amd/athlon-xp-2200-thoroughbred-a.txt", "cyrix/m-ii-600.txt"}) {
    SCOPED_TRACE(dump);
    ResetCpuidState();
    Activate(dump, 1700);
    std::map<std::string, std::string> first = Snapshot(form());
    ASSERT_GT(first.size(), 100u);
    RunActivationSequence(form());
    std::map<std::string, std::string> second = Snapshot(form());
    for (const auto& [name, state] : first) EXPECT_EQ(second[name], state) << name;
  }
}

}  // namespace
