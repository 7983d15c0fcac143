// The strip below the pages: capture and exit pictures, build, date and author notice.
#include <QLabel>
#include <array>
#include <cstdlib>

#include "ui/image.h"
#include "ui/layout_rows.h"
#include "ui/pages.h"
#include "ui/pictures.h"

namespace {

using K = ControlKind;
using namespace look;
constexpr int A = kAutoSize;

// The date is right-aligned so that its right edge stays at x = 349 whatever
// the locale's short format makes of it.
constexpr int kDateRight = 349;
constexpr int kDateW = 60;
constexpr int kDateX = kDateRight - kDateW;
constexpr unsigned kDateLook = kDisabled | kAlignRight;

// clang-format off
// kind, name, parent, x, y, w, h, caption, look
constexpr auto kStripRows = std::to_array<LayoutRow>({
    {K::Image, "Image1",   "",      0, 552,     33, 33, "",                                     kPlain},
    {K::Image, "Image2",   "",     32, 552,     33, 33, "",                                     kPlain},
    {K::Label, "Label183", "",    248, 552,      A,  A, "Build108",                             kDisabled},
    {K::Label, "Label185", "", kDateX, 552, kDateW,  A, "date",                                 kDateLook},
    {K::Label, "Label177", "",    144, 568,    209,  A, "Copyright (C) the Halvane developers", kPlain},
});
// clang-format on

}  // namespace

void BuildStrip(QWidget& form) {
  BuildControls(form, kStripRows);
  auto* capture = qobject_cast<TImage*>(&Control(form, "Image1"));
  auto* exit = qobject_cast<TImage*>(&Control(form, "Image2"));
  capture->setPixmap(MonitorIcon());
  exit->setPixmap(ExitDoorIcon());
  // Ends the process on the spot: the window's close handling must not run.
  QObject::connect(exit, &TImage::clicked, [] { std::_Exit(EXIT_SUCCESS); });
}
