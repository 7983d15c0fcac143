// The fonts of the windows.
#include "ui/fonts.h"

namespace {

// Pixel sizes, not points, so the layout looks the same whatever DPI the
// screen reports; 10 px is the tallest size of this family at which the
// longest captions still end before the control beside them.
constexpr int kWindowPixels = 10;
constexpr int kLetterPixels = 13;
constexpr int kNoticePixels = 13;

QFont Sized(const char* family, int pixels) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

QFont WindowFont() {
  return Sized("DejaVu Sans Condensed", kWindowPixels);
}

QFont LetterFont() {
  return Sized("Comic Neue", kLetterPixels);
}

QFont NoticeFont() {
  return Sized("DejaVu Sans Condensed", kNoticePixels);
}
