// The windows as laid out, before any activation: names, kinds, places, captions, states.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "components/game_info.h"
#include "ui/controls.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"

namespace {

using K = ControlKind;
constexpr int kAuto = 0;  // a label's size follows its caption: only its place is fixed
constexpr std::string_view kAnyText = "<any non-empty text>";

struct Expected {
  std::string_view name;
  ControlKind kind;
  int x, y, w, h;
  std::string_view caption;
  bool enabled;
};

// clang-format off
constexpr Expected kControls[] = {
    // Summary
    {"Image4",   K::Image,   -8,   0, 353, 529, "",                 true},
    {"Panel1",   K::Panel,    0,   0, 281, 193, "",                 true},
    {"Label1",   K::Label,    8,   8, kAuto, kAuto, "Instruction set:", true},
    {"Panel2",   K::Panel,   80,   8, 113,  17, "",                 true},
    {"Label3",   K::Label,    8,  56, kAuto, kAuto, "Porcessor:",   true},
    {"Label4",   K::Label,    8,  80, kAuto, kAuto, "Codename;",    true},
    {"Panel8",   K::Panel,  240,   8,  33,  17, "",                 true},
    {"Label164", K::Label,  208,  32, kAuto, kAuto, "Level:",       true},
    {"Label9",   K::Label,  208, 128, kAuto, kAuto, "Brand:",       false},
    {"Panel25",  K::Panel,  240, 128,  33,  17, "",                 false},
    {"Label12",  K::Label,  112, 160, kAuto, kAuto, "Stepping:",    true},
    {"Panel10",  K::Panel,   40, 152,  17,  17, "",                 true},
    {"Panel15",  K::Panel,  160, 168,  49,  17, "",                 true},
    {"Label13",  K::Label,  216, 152, kAuto, kAuto, "[Standard]",   true},
    {"Label14",  K::Label,  216, 168, kAuto, kAuto, "[Extended]",   true},
    {"Panel16",  K::Panel,    0, 200, 281,  17, "",                 true},
    {"Panel17",  K::Panel,    0, 224, 281, 105, "",                 true},
    {"Label16",  K::Label,    8,   8, kAuto, kAuto, "Processor speed:", true},
    {"Panel18",  K::Panel,   96,   8, 113,  17, "",                 true},
    {"Label23",  K::Label,    8,  32, kAuto, kAuto, "Original speed:", false},
    {"Panel21",  K::Panel,   96,  80,  49,  17, "",                 true},
    {"Label142", K::Label,    8,  80, kAuto, kAuto, "Bus clock:",   false},
    {"Label158", K::Label,  152,  80, kAuto, kAuto, "Mhz",          false},
    {"Label144", K::Label,  184,  80, kAuto, kAuto, "OC ?",         false},
    {"Panel19",  K::Panel,    0, 336, 281, 153, "",                 true},
    {"Label26",  K::Label,    8,  56, kAuto, kAuto, "L2 cache size:", true},
    {"Label156", K::Label,  160,  80, kAuto, kAuto, "Kb",           true},
    {"Label145", K::Label,  160, 128, kAuto, kAuto, "Mhz",          true},
    {"Label20",  K::Label,  224,  24, kAuto, kAuto, "MMX+",         true},
    {"Label196", K::Label,  224,  80, kAuto, kAuto, "SSE3",         true},
    {"Label17",  K::Label,  224, 104, kAuto, kAuto, "3DNow:",       true},
    {"Panel34",  K::Panel,    0, 492, 281,  33, "",                 true},
    {"Label191", K::Label,  160,   4, kAuto, kAuto, "Free memory:", true},
    {"Label188", K::Label,   74,   4,  50,  13, "Label188",         true},
    {"Label189", K::Label,  222,   4,  46,  13, "Label189",         true},
    {"Label192", K::Label,    2,  18, 277,  13, "",                 true},
    // Cache
    {"Label55",   K::Label,    160,   0, kAuto, kAuto, "L1 cache:",  true},
    {"GroupBox3", K::GroupBox,   0,  16, 249,  81, "2-Mbyte/4-Mbyte Pages", true},
    {"GroupBox5", K::GroupBox, 144, 184, 137,  81, "L1 Data Cache",  true},
    {"GroupBox8", K::GroupBox,   0, 352, 345,  57, "4-Kbyte Pages",  true},
    {"GroupBox9", K::GroupBox,   0, 416, 177,  89, "L2 Cache:",      true},
    {"Memo1",     K::Memo,       0,   0, 313, 289, "",               true},
    // Featureset
    {"Shape2",   K::Shape,  24, 4, 185, 517, "",    true},
    {"Shape1",   K::Shape, 232, 4, 105, 517, "",    true},
    {"Label99",  K::Label, 240, 120, kAuto, kAuto, "mmx", false},
    // Processor detail
    {"Label153", K::Label,  0, 248, kAuto, kAuto, "Instruction Decode:", true},
    {"Memo6",    K::Memo,  96, 248, 257,  65, "",                        true},
    {"Memo8",    K::Memo,  96, 416, 257,  89, "",                        true},
    // Support
    {"GroupBox1", K::GroupBox, kAuto, kAuto, kAuto, kAuto, "Auto Update:",     true},
    {"Button2",   K::Button,   kAuto, kAuto, kAuto, kAuto, "Check",            true},
    {"Label179",  K::Label,    kAuto, kAuto, kAuto, kAuto, "Report:",          true},
    {"CheckBox2", K::CheckBox, kAuto, kAuto, kAuto, kAuto, "Become a betatester", true},
    {"Edit2",     K::Edit,     kAuto, kAuto, kAuto, kAuto, "",                 true},
    {"Label181",  K::Label,    kAuto, kAuto, kAuto, kAuto, "Additional info and  Comments:", true},
    {"Memo9",     K::Memo,     kAuto, kAuto, kAuto, kAuto, "",                 true},
    {"Button3",   K::Button,   kAuto, kAuto, kAuto, kAuto, "Reset",            false},
    {"Button1",   K::Button,   kAuto, kAuto, kAuto, kAuto, "Submit",           false},
    {"Label187",  K::Label,    kAuto, kAuto, kAuto, kAuto, "Click to view our Privacy statement", true},
    // The strip below the pages
    {"Image1",   K::Image,   0, 552,  33,  33, "",         true},
    {"Image2",   K::Image,  32, 552,  33,  33, "",         true},
    {"Label183", K::Label, 248, 552, kAuto, kAuto, "Build108", false},
    {"Label185", K::Label, 289, 552,  60,  13, "date",     false},
    {"Label177", K::Label, 144, 568, 209,  13, kAnyText,   true},
};
// clang-format on

class Form1Layout : public ::testing::Test {
 protected:
  TForm1 form;

  // A page gets its final size only when it is first shown; shown off any
  // screen the window is never activated, so no activation runs.
  void LayOut() {
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.show();
    auto& pages = static_cast<QTabWidget&>(Control(form, "PageControl1"));
    for (int i = pages.count() - 1; i >= 0; --i) pages.setCurrentIndex(i);
  }
};

TEST_F(Form1Layout, Window) {
  EXPECT_EQ(form.windowTitle(), "Halvane version 2");
  EXPECT_EQ(form.size(), QSize(365, 613));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.pos(), QPoint(357, 108));
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_TRUE(form.GameInfo1().parent() == &form);

  auto* pages = qobject_cast<QTabWidget*>(&Control(form, "PageControl1"));
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->geometry(), QRect(0, 0, 353, 553));
  const std::vector<std::pair<QString, QString>> tabs{{"TabSheet1", "Summary"},
                                                      {"TabSheet2", "Cache"},
                                                      {"TabSheet3", "Featureset"},
                                                      {"TabSheet4", "Processor detail"},
                                                      {"TabSheet6", "Support"}};
  ASSERT_EQ(pages->count(), static_cast<int>(tabs.size()));
  for (int i = 0; i < pages->count(); ++i) {
    EXPECT_EQ(pages->widget(i)->objectName(), tabs[i].first);
    EXPECT_EQ(KindOf(*pages->widget(i)), K::Page);
    EXPECT_EQ(Caption(form, tabs[i].first.toStdString()), tabs[i].second.toStdString());
  }
  EXPECT_EQ(pages->currentIndex(), 0);
}

TEST_F(Form1Layout, ControlsStartAsLaidOut) {
  for (const Expected& e : kControls) {
    SCOPED_TRACE(std::string(e.name));
    QWidget& c = Control(form, e.name);
    EXPECT_EQ(KindOf(c), e.kind);
    if (e.x != kAuto || e.y != kAuto) {
      EXPECT_EQ(c.pos(), QPoint(e.x, e.y));
    }
    if (e.w != kAuto) {
      EXPECT_EQ(c.size(), QSize(e.w, e.h));
    }
    if (e.caption == kAnyText) {
      EXPECT_FALSE(Caption(form, e.name).empty());
    } else {
      EXPECT_EQ(Caption(form, e.name), e.caption);
    }
    EXPECT_EQ(c.isEnabled(), e.enabled);
    EXPECT_FALSE(c.isHidden());
  }
}

TEST_F(Form1Layout, AlignmentsAndColours) {
  const std::vector<std::pair<std::string_view, Qt::Alignment>> aligned{
      {"Label185", Qt::AlignRight},   {"Label188", Qt::AlignRight}, {"Label189", Qt::AlignRight},
      {"Label192", Qt::AlignHCenter}, {"Panel2", Qt::AlignHCenter}, {"Label1", Qt::AlignLeft}};
  for (const auto& [name, alignment] : aligned) {
    auto* label = qobject_cast<QLabel*>(&Control(form, name));
    ASSERT_NE(label, nullptr) << name;
    EXPECT_TRUE(label->alignment() & alignment) << name;
  }
  EXPECT_EQ(FontColor(form, "Label186").rgb() & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(FontColor(form, "Label187").rgb() & 0xFFFFFF, 0x00FFFFu);
  EXPECT_TRUE(Control(form, "Label55").font().bold());
  EXPECT_TRUE(Control(form, "Label150").font().bold());
}

TEST_F(Form1Layout, MemosAsLaidOut) {
  struct MemoCase {
    std::string_view name;
    bool read_only;
  };
  for (auto [name, read_only] : {MemoCase{"Memo1", false}, MemoCase{"Memo2", true},
                                 MemoCase{"Memo10", true}, MemoCase{"Memo9", false}}) {
    auto* memo = qobject_cast<QPlainTextEdit*>(&Control(form, name));
    ASSERT_NE(memo, nullptr) << name;
    EXPECT_EQ(memo->isReadOnly(), read_only) << name;
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth) << name;
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << name;
  }
  EXPECT_EQ(MemoLines(form, "Memo10"),
            (std::vector<std::string>{
                "All the information, (screenshots, info, name....), will be send by ",
                "email, and if you do not have a email client installed, you cant ",
                "use thes feature."}));
  EXPECT_TRUE(MemoLines(form, "Memo1").empty());
  // The descriptor memo lies over everything else on its page.
  EXPECT_EQ(Control(form, "TabSheet2").children().last(), &Control(form, "Memo1"));
}

struct FlagColumn {
  int x;
  std::vector<std::pair<std::string_view, std::string_view>> rows;  // top row first
};

TEST_F(Form1Layout, EveryFeatureFlagLabelInItsRow) {
  // clang-format off
  const FlagColumn columns[] = {
      {32, {{"Label33", "pbe"}, {"Label34", "ia64"}, {"Label35", "tm"}, {"Label36", "htt"},
            {"Label37", "ss"}, {"Label38", "sse2"}, {"Label39", "sse"}, {"Label40", "fxsr"},
            {"Label41", "mmx"}, {"Label42", "acpi"}, {"Label43", "dtes"}, {"Label44", "reserved"},
            {"Label45", "clfl"}, {"Label46", "psn"}, {"Label47", "pse36"}, {"Label48", "pat"},
            {"Label49", "cmov"}, {"Label50", "mca"}, {"Label51", "pge"}, {"Label52", "mtrr"},
            {"Label53", "sep"}, {"Label54", "reserved"}, {"Label81", "apic"}, {"Label82", "cx8"},
            {"Label84", "mce"}, {"Label85", "pae"}, {"Label86", "msr"}, {"Label87", "tsc"},
            {"Label88", "pse"}, {"Label89", "de"}, {"Label90", "vme"}, {"Label91", "fpu"}}},
      {152, {{"Label165", "cid"}, {"Label166", "reserved"}, {"Label172", "tm2"},
             {"Label173", "reserved"}, {"Label174", "reserved"}, {"Label178", "reserved"},
             {"Label180", "dscpl"}, {"Label193", "mon"}, {"Label194", "reserved"},
             {"Label195", "reserved"}, {"Label15", "sse3"}}},
      {240, {{"Label92", ""}, {"Label93", ""}, {"Label94", ""}, {"Label95", ""}, {"Label96", ""},
             {"Label97", ""}, {"Label98", ""}, {"Label99", "mmx"}, {"Label100", ""},
             {"Label101", ""}, {"Label124", ""}, {"Label103", ""}, {"Label104", ""},
             {"Label105", ""}, {"Label106", ""}, {"Label107", ""}, {"Label108", ""},
             {"Label109", ""}, {"Label110", ""}, {"Label111", ""}, {"Label112", ""},
             {"Label113", ""}, {"Label114", ""}, {"Label115", ""}, {"Label116", ""},
             {"Label117", ""}, {"Label118", ""}, {"Label119", ""}, {"Label120", ""},
             {"Label121", ""}, {"Label122", ""}, {"Label123", ""}}},
  };
  // clang-format on
  QWidget& page = Control(form, "TabSheet3");
  for (const FlagColumn& column : columns) {
    for (size_t i = 0; i < column.rows.size(); ++i) {
      auto [name, caption] = column.rows[i];
      SCOPED_TRACE(std::string(name));
      QWidget& label = Control(form, name);
      EXPECT_EQ(label.parentWidget(), &page);
      EXPECT_EQ(label.pos(), QPoint(column.x, 8 + 16 * static_cast<int>(i)));
      EXPECT_EQ(label.height(), 13);
      if (!caption.empty()) {
        EXPECT_EQ(Caption(form, name), caption);
      }
      EXPECT_EQ(label.isEnabled(), name != "Label99");
    }
  }
  // The two vertical words, one red letter a label.
  for (auto [word, first, x] : {std::tuple{"STANDARD", 125, 8}, std::tuple{"EXTENDED", 133, 216}}) {
    for (int i = 0; i < 8; ++i) {
      std::string name = "Label" + std::to_string(first + i);
      SCOPED_TRACE(name);
      EXPECT_EQ(Control(form, name).geometry().topLeft(), QPoint(x, 16 * i));
      EXPECT_EQ(Control(form, name).height(), 18);
      EXPECT_EQ(Caption(form, name), std::string(1, word[i]));
      EXPECT_EQ(FontColor(form, name).rgb() & 0xFFFFFF, kFlagRed);
    }
  }
}

TEST_F(Form1Layout, EveryCacheBoxRow) {
  struct Row {
    std::string_view box, caption_label, caption;
    int y;
    std::string_view value_label;
    int value_x;
  };
  // clang-format off
  const Row rows[] = {
      {"GroupBox3", "Label56",  "Data TLB:",                      24, "Label57",   88},
      {"GroupBox3", "Label58",  "Instruction TLB:",               48, "Label59",   88},
      {"GroupBox4", "Label60",  "Data TLB:",                      24, "Label61",   88},
      {"GroupBox4", "Label62",  "Instruction TLB:",               48, "Label63",   88},
      {"GroupBox5", "Label64",  "Size:",                          16, "Label68",   88},
      {"GroupBox5", "Label65",  "Associativity:",                 32, "Label69",   88},
      {"GroupBox5", "Label66",  "Lines per Tag:",                 48, "Label70",   88},
      {"GroupBox5", "Label67",  "Line Size:",                     64, "Label71",   88},
      {"GroupBox6", "Label76",  "Size:",                          16, "Label75",   88},
      {"GroupBox6", "Label77",  "Associativity:",                 32, "Label72",   88},
      {"GroupBox6", "Label78",  "Lines per Tag:",                 48, "Label73",   88},
      {"GroupBox6", "Label79",  "Line Size:",                     64, "Label74",   88},
      {"GroupBox7", "Label80",  "L2 Data TLB:",                   24, "Label83",   88},
      {"GroupBox7", "Label102", "Instruction TLB:",               40, "Label149",  88},
      {"GroupBox8", "Label159", "L2 Data TLB:",                   24, "Label161", 152},
      {"GroupBox8", "Label160", "L2 Instruction or Unified TLB:", 40, "Label162", 152},
      {"GroupBox9", "Label170", "Size:",                          24, "Label163",  80},
      {"GroupBox9", "Label171", "Associativity:",                 40, "Label167",  80},
      {"GroupBox9", "Label175", "Lines per Tag:",                 56, "Label168",  80},
      {"GroupBox9", "Label176", "Line Size:",                     72, "Label169",  80},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.caption_label));
    QWidget& box = Control(form, row.box);
    QWidget& caption = Control(form, row.caption_label);
    QWidget& value = Control(form, row.value_label);
    EXPECT_EQ(caption.parentWidget(), &box);
    EXPECT_EQ(value.parentWidget(), &box);
    EXPECT_EQ(caption.pos(), QPoint(8, row.y));
    EXPECT_EQ(value.pos(), QPoint(row.value_x, row.y));
    EXPECT_EQ(Caption(form, row.caption_label), row.caption);
    EXPECT_EQ(Caption(form, row.value_label), row.value_label);
  }
}

// Every named control carries the kind its name says, and no name is used twice.
void ExpectNamesMatchKinds(QWidget& window) {
  static const std::map<QString, ControlKind> kPrefixes{
      {"TabSheet", K::Page}, {"Label", K::Label},       {"Panel", K::Panel},
      {"Memo", K::Memo},     {"GroupBox", K::GroupBox}, {"CheckBox", K::CheckBox},
      {"Edit", K::Edit},     {"Button", K::Button},     {"Image", K::Image},
      {"Shape", K::Shape}};
  static const QRegularExpression kName("^([A-Za-z]+)\\d+$");
  std::set<QString> seen;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    QRegularExpressionMatch m = kName.match(w->objectName());
    auto kind = m.hasMatch() ? kPrefixes.find(m.captured(1)) : kPrefixes.end();
    if (kind == kPrefixes.end()) continue;
    SCOPED_TRACE(w->objectName().toStdString());
    EXPECT_TRUE(seen.insert(w->objectName()).second) << "name used twice";
    EXPECT_EQ(KindOf(*w), kind->second);
  }
}

// Where a label's caption is inked, in its parent's coordinates.
QRect InkOf(const QLabel& label) {
  QFontMetrics metrics(label.font());
  QRect ink = metrics.tightBoundingRect(label.text());
  int advance = metrics.horizontalAdvance(label.text());
  QRect box = label.contentsRect().translated(label.pos());
  int left = box.left();
  if (label.alignment() & Qt::AlignRight) left = box.right() + 1 - advance;
  if (label.alignment() & Qt::AlignHCenter) left = box.left() + (box.width() - advance) / 2;
  int baseline = label.alignment() & Qt::AlignVCenter
                     ? box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent()
                     : box.top() + metrics.ascent();
  return ink.translated(left, baseline);
}

// No caption is cut off by its own control or its parent, and none runs
// under a neighbour; the descriptor memo covers its page's headings by design.
void ExpectCaptionsUncovered(QWidget& window) {
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty() || label->objectName().isEmpty()) continue;
    SCOPED_TRACE(label->objectName().toStdString());
    // A glyph's antialiased fringe may stick out by a pixel at either side.
    QRect ink = InkOf(*label);
    EXPECT_TRUE(label->geometry().contains(ink.adjusted(1, 0, -1, 0))) << "clipped by its width";
    EXPECT_TRUE(label->parentWidget()->rect().contains(ink.adjusted(1, 0, -1, 0)))
        << "clipped by its parent";
    for (QObject* object : label->parentWidget()->children()) {
      auto* other = qobject_cast<QWidget*>(object);
      if (!other || other == label || other->isHidden() || other->objectName() == "Memo1") continue;
      if (other->property("halvaneKind").isValid() &&
          (KindOf(*other) == K::Shape || KindOf(*other) == K::Image)) {
        continue;  // backgrounds
      }
      auto* other_label = qobject_cast<QLabel*>(other);
      bool plain_label = other_label && other_label->frameShape() == QFrame::NoFrame &&
                         other_label->children().isEmpty();
      QRect area = plain_label ? (other_label->text().isEmpty() ? QRect() : InkOf(*other_label))
                               : other->geometry();
      EXPECT_FALSE(area.intersects(ink.adjusted(1, 0, -1, 0)))
          << "runs under " << other->objectName().toStdString();
    }
  }
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!button->property("halvaneKind").isValid()) continue;
    int text = QFontMetrics(button->font()).horizontalAdvance(button->text());
    int indicator = KindOf(*button) == K::CheckBox ? 20 : 8;
    EXPECT_LE(text + indicator, button->width()) << button->objectName().toStdString();
  }
  for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
    EXPECT_LT(QFontMetrics(box->font()).horizontalAdvance(box->title()), box->width() - 16)
        << box->objectName().toStdString();
  }
}

TEST_F(Form1Layout, NamesAndCaptionsHold) {
  LayOut();
  ASSERT_EQ(Caption(form, "Panel3"), "") << "the window was activated";
  ExpectNamesMatchKinds(form);
  ExpectCaptionsUncovered(form);
}

TEST_F(Form1Layout, ExitPictureEndsTheProcessAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto click = [](QWidget& target) {
    QPointF inside(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, inside, target.mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, target.mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &press);
    QCoreApplication::sendEvent(&target, &release);
  };
  EXPECT_EXIT(click(Control(form, "Image2")), ::testing::ExitedWithCode(0), "");
}

TEST(SmallWindows, PrivacyStatementStartsHiddenAndHidesOnOk) {
  TForm2 form;
  EXPECT_TRUE(form.isHidden());
  EXPECT_EQ(form.windowTitle(), "Privacy statement");
  EXPECT_EQ(form.size(), QSize(311, 214));
  EXPECT_FALSE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(form.testAttribute(Qt::WA_QuitOnClose));
  const std::pair<std::string_view, std::string_view> captions[] = {
      {"Label1", "By submitting your information to Brackwell (Auther),"},
      {"Label2", "you are agreed to send the following information to Auther:"},
      {"Label3", "-Screen shots of the panel pages, Summary, Cache,"},
      {"Label4", "Featureset and processor detail."},
      {"Label5", "-Information you have Entered in the support boxes."},
      {"Button1", "OK"}};
  for (auto [name, caption] : captions) EXPECT_EQ(Caption(form, name), caption) << name;
  ExpectNamesMatchKinds(form);
  ExpectCaptionsUncovered(form);

  form.show();
  qobject_cast<QAbstractButton*>(&Control(form, "Button1"))->click();
  EXPECT_TRUE(form.isHidden());
}

TEST(SmallWindows, DownloadNoticeStartsHiddenWithoutBorderIcons) {
  TForm3 form;
  EXPECT_TRUE(form.isHidden());
  EXPECT_EQ(form.windowTitle(), "Downloding...Please wait.");
  EXPECT_EQ(form.size(), QSize(324, 114));
  EXPECT_FALSE(form.windowFlags() & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                     Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(form.testAttribute(Qt::WA_QuitOnClose));
  EXPECT_EQ(Caption(form, "Label1"), "The new version, is being dowmload, please wait.");
  EXPECT_EQ(FontColor(form, "Label1").rgb() & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(Control(form, "Label1").font().pixelSize(), 13);
  ExpectNamesMatchKinds(form);
  ExpectCaptionsUncovered(form);
}

}  // namespace
