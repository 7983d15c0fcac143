// The Cache page: TLB and cache group boxes, with the descriptor memo laid over the L1 half.
#include <array>
#include <string_view>

#include "ui/layout_rows.h"
#include "ui/pages.h"

namespace {

using K = ControlKind;
using namespace look;
constexpr int A = kAutoSize;

// clang-format off
// kind, name, parent, x, y, w, h, caption, look
constexpr auto kCacheBoxes = std::to_array<LayoutRow>({
    {K::Label,    "Label55",   "", 160,   0,   A,  A, "L1 cache:",             kBold},
    {K::GroupBox, "GroupBox3", "",   0,  16, 249, 81, "2-Mbyte/4-Mbyte Pages", kPlain},
    {K::GroupBox, "GroupBox4", "",   0,  96, 249, 81, "4-Kbyte Pages",         kPlain},
    {K::GroupBox, "GroupBox6", "",   0, 184, 137, 81, "L1 Instruction Cache",  kPlain},
    {K::GroupBox, "GroupBox5", "", 144, 184, 137, 81, "L1 Data Cache",         kPlain},
    {K::Label,    "Label150",  "", 160, 272,   A,  A, "L2 Cache:",             kBold},
    {K::GroupBox, "GroupBox7", "",   0, 288, 345, 57, "2-Mbyte/4-Mbyte Pages", kPlain},
    {K::GroupBox, "GroupBox8", "",   0, 352, 345, 57, "4-Kbyte Pages",         kPlain},
    {K::GroupBox, "GroupBox9", "",   0, 416, 177, 89, "L2 Cache:",             kPlain},
});

// One line of a group box: a caption label at x = 8 and a value label that
// shows its own name until the cache step fills it.
struct CacheBoxRow {
  std::string_view box;
  std::string_view caption_label;
  std::string_view caption;
  int y;
  std::string_view value_label;
  int value_x;
};

constexpr std::array<CacheBoxRow, 20> kCacheBoxRows{{
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
}};

// Last, so that when shown it lies over the headings and the L1 boxes.
constexpr auto kCacheMemo = std::to_array<LayoutRow>({
    {K::Memo, "Memo1", "", 0, 0, 313, 289, "", kLightBackground},
});
// clang-format on

// Room for the longest TLB wording, up to the box's inner edge.
constexpr int kBoxInnerMargin = 4;

}  // namespace

void BuildCachePage(QWidget& page) {
  BuildControls(page, kCacheBoxes);
  for (const CacheBoxRow& row : kCacheBoxRows) {
    int value_width = Control(page, row.box).width() - row.value_x - kBoxInnerMargin;
    const std::array rows{
        LayoutRow{K::Label, row.caption_label, row.box, 8, row.y, A, A, row.caption, kPlain},
        LayoutRow{K::Label, row.value_label, row.box, row.value_x, row.y, value_width, A,
                  row.value_label, kPlain},
    };
    BuildControls(page, rows);
  }
  BuildControls(page, kCacheMemo);
}
