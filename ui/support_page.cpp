// The Support page: the update group, the report inputs and the privacy statement link.
#include <QColor>
#include <QLabel>
#include <array>
#include <string_view>

#include "ui/layout_rows.h"
#include "ui/pages.h"

namespace {

using K = ControlKind;
using namespace look;
constexpr int A = kAutoSize;

constexpr std::string_view kNotice =
    "All the information, (screenshots, info, name....), will be send by \n"
    "email, and if you do not have a email client installed, you cant \n"
    "use thes feature.";
constexpr unsigned kNoticeLook = kReadOnly | kLightBackground;

// clang-format off
// kind, name, parent, x, y, w, h, caption, look
constexpr auto kSupportRows = std::to_array<LayoutRow>({
    {K::GroupBox, "GroupBox1", "",            8,   8, 329,  57, "Auto Update:",                          kPlain},
    {K::Label,    "Label186",  "GroupBox1",  12,  26,   A,   A, "Check for a newer version of Halvane2", kPlain},
    {K::Button,   "Button2",   "GroupBox1", 244,  20,  75,   A, "Check",                                 kPlain},
    {K::Label,    "Label179",  "",            8,  76,   A,   A, "Report:",                               kPlain},
    {K::Panel,    "Panel32",   "",            8,  92, 329, 333, "",                                      kPlain},
    {K::CheckBox, "CheckBox1", "Panel32",     8,   8,   A,   A, "Submit Bugreport",                      kPlain},
    {K::CheckBox, "CheckBox2", "Panel32",     8,  28,   A,   A, "Become a betatester",                   kPlain},
    {K::CheckBox, "CheckBox3", "Panel32",     8,  48,   A,   A, "Submit a comment",                      kPlain},
    {K::Label,    "Label184",  "Panel32",     8,  74,   A,   A, "Email adr:",                            kPlain},
    {K::Edit,     "Edit2",     "Panel32",     8,  88, 153,   A, "",                                      kPlain},
    {K::Label,    "Label182",  "Panel32",   168,  74,   A,   A, "Name:",                                 kPlain},
    {K::Edit,     "Edit1",     "Panel32",   168,  88, 153,   A, "",                                      kPlain},
    {K::Label,    "Label181",  "Panel32",     8, 118,   A,   A, "Additional info and  Comments:",        kPlain},
    {K::Memo,     "Memo9",     "Panel32",     8, 132, 313, 113, "",                                      kPlain},
    {K::Memo,     "Memo10",    "Panel32",     8, 252, 313,  73, kNotice,                                 kNoticeLook},
    {K::Button,   "Button3",   "",          176, 436,  75,   A, "Reset",                                 kDisabled},
    {K::Button,   "Button1",   "",          262, 436,  75,   A, "Submit",                                kDisabled},
    {K::Label,    "Label187",  "",            8, 480,   A,   A, "Click to view our Privacy statement",   kPlain},
});
// clang-format on

constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kAqua = 0x00FFFF;
constexpr QRgb kScrollBarGrey = 0xD4D0C8;  // the classic desktop's scroll-bar colour

}  // namespace

void BuildSupportPage(QWidget& page) {
  BuildControls(page, kSupportRows);
  SetFontColor(page, "Label186", QColor::fromRgb(kBlue));

  // A link: aqua on the scroll-bar colour, with the hand cursor.
  QWidget& link = Control(page, "Label187");
  SetFontColor(page, "Label187", QColor::fromRgb(kAqua));
  QPalette palette = link.palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(kScrollBarGrey));
  link.setPalette(palette);
  link.setAutoFillBackground(true);
  link.setCursor(Qt::PointingHandCursor);
}
