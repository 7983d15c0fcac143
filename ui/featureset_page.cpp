// The Featureset page: two frames, two vertical words and one label per feature flag.
#include <QColor>
#include <QLabel>
#include <array>
#include <string>
#include <string_view>

#include "ui/fonts.h"
#include "ui/layout_rows.h"
#include "ui/pages.h"

namespace {

using K = ControlKind;
using namespace look;
constexpr int A = kAutoSize;

// clang-format off
// kind, name, parent, x, y, w, h, caption, look
constexpr auto kFrames = std::to_array<LayoutRow>({
    {K::Shape, "Shape2", "",  24, 4, 185, 517, "", kPlain},
    {K::Shape, "Shape1", "", 232, 4, 105, 517, "", kPlain},
});

struct FlagRow {
  std::string_view label;
  std::string_view caption;
};

// Leaf 1 EDX, bit 31 first.
constexpr std::array<FlagRow, 32> kEdxColumn{{
    {"Label33", "pbe"},  {"Label34", "ia64"},     {"Label35", "tm"},    {"Label36", "htt"},
    {"Label37", "ss"},   {"Label38", "sse2"},     {"Label39", "sse"},   {"Label40", "fxsr"},
    {"Label41", "mmx"},  {"Label42", "acpi"},     {"Label43", "dtes"},  {"Label44", "reserved"},
    {"Label45", "clfl"}, {"Label46", "psn"},      {"Label47", "pse36"}, {"Label48", "pat"},
    {"Label49", "cmov"}, {"Label50", "mca"},      {"Label51", "pge"},   {"Label52", "mtrr"},
    {"Label53", "sep"},  {"Label54", "reserved"}, {"Label81", "apic"},  {"Label82", "cx8"},
    {"Label84", "mce"},  {"Label85", "pae"},      {"Label86", "msr"},   {"Label87", "tsc"},
    {"Label88", "pse"},  {"Label89", "de"},       {"Label90", "vme"},   {"Label91", "fpu"},
}};

// Leaf 1 ECX, bit 10 first.
constexpr std::array<FlagRow, 11> kEcxColumn{{
    {"Label165", "cid"},      {"Label166", "reserved"}, {"Label172", "tm2"},
    {"Label173", "reserved"}, {"Label174", "reserved"}, {"Label178", "reserved"},
    {"Label180", "dscpl"},    {"Label193", "mon"},      {"Label194", "reserved"},
    {"Label195", "reserved"}, {"Label15",  "sse3"},
}};

// Leaf 80000001h EDX, ExtFlags entry 0 (bit 31) first. The page step rewrites
// these captions; they start as it will write them, except the bit-24 row.
constexpr std::array<FlagRow, 32> kExtColumn{{
    {"Label92",  "3DNow"},    {"Label93",  "3DNow+"},   {"Label94",  "AA-64 long mode"},
    {"Label95",  "reserved"}, {"Label96",  "reserved"}, {"Label97",  "reserved"},
    {"Label98",  "reserved"}, {"Label99",  "mmx"},      {"Label100", "mmx"},
    {"Label101", "mmx+"},     {"Label124", "reserved"}, {"Label103", "nx"},
    {"Label104", "mp"},       {"Label105", "reserved"}, {"Label106", "pse36"},
    {"Label107", "fcmov"},    {"Label108", "cmov"},     {"Label109", "mca"},
    {"Label110", "pge"},      {"Label111", "mtrr"},     {"Label112", "sep"},
    {"Label113", "reserved"}, {"Label114", "apic"},     {"Label115", "cx8"},
    {"Label116", "mce"},      {"Label117", "pae"},      {"Label118", "msr"},
    {"Label119", "tsc"},      {"Label120", "pse"},      {"Label121", "de"},
    {"Label122", "vme"},      {"Label123", "fpu"},
}};

// A vertical word: one letter a label, names numbered upwards from `first`.
struct VerticalWord {
  std::string_view letters;
  int first;
  int x;
};

constexpr std::array<VerticalWord, 2> kWords{{
    {"STANDARD", 125,   8},
    {"EXTENDED", 133, 216},
}};
// clang-format on

constexpr int kEdxX = 32;
constexpr int kEcxX = 152;
constexpr int kExtX = 240;
constexpr int kExtWidth = 92;  // up to the inner edge of the frame around the column
constexpr int kFirstRowTop = 8;
constexpr int kRowPitch = 16;
constexpr int kLetterHeight = 18;
constexpr int kLetterPitch = 16;
constexpr std::string_view kDisabledAtStart = "Label99";  // bit 24, until a vendor claims it

void BuildColumn(QWidget& page, std::span<const FlagRow> column, int x, int width) {
  for (size_t i = 0; i < column.size(); ++i) {
    unsigned flags = column[i].label == kDisabledAtStart ? kDisabled : kPlain;
    const std::array row{LayoutRow{K::Label, column[i].label, "", x,
                                   kFirstRowTop + kRowPitch * static_cast<int>(i), width, A,
                                   column[i].caption, flags}};
    BuildControls(page, row);
  }
}

void BuildWord(QWidget& page, const VerticalWord& word) {
  for (size_t i = 0; i < word.letters.size(); ++i) {
    std::string name = "Label" + std::to_string(word.first + static_cast<int>(i));
    const std::array row{LayoutRow{K::Label, name, "", word.x, kLetterPitch * static_cast<int>(i),
                                   A, kLetterHeight, word.letters.substr(i, 1), kPlain}};
    BuildControls(page, row);
    QWidget& letter = Control(page, name);
    letter.setFont(LetterFont());
    letter.resize(letter.sizeHint().width(), kLetterHeight);
    SetFontColor(page, name, QColor::fromRgb(kFlagRed));
  }
}

}  // namespace

void BuildFeaturesetPage(QWidget& page) {
  BuildControls(page, kFrames);
  for (const VerticalWord& word : kWords) BuildWord(page, word);
  BuildColumn(page, kEdxColumn, kEdxX, A);
  BuildColumn(page, kEcxColumn, kEcxX, A);
  BuildColumn(page, kExtColumn, kExtX, kExtWidth);
}
