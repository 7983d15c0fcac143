// TForm3: the download notice window.
#include "ui/form3.h"

#include <QApplication>
#include <QColor>
#include <array>

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/layout_rows.h"

namespace {

using K = ControlKind;
using namespace look;
constexpr int A = kAutoSize;

constexpr QSize kWindowSize{324, 114};
constexpr QRgb kBlue = 0x0000FF;
constexpr int kNoticeHeight = 16;  // the 13-pixel font's line

// A title and no border icons: the notice cannot be closed by the user.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// clang-format off
// kind, name, parent, x, y, w, h, caption, look
constexpr auto kNoticeRows = std::to_array<LayoutRow>({
    {K::Label, "Label1", "", 16, 40, A, kNoticeHeight,
     "The new version, is being dowmload, please wait.", kPlain},
});
// clang-format on

}  // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent, kWindowFlags) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Downloding...Please wait."));
  setFont(NoticeFont());
  setFixedSize(kWindowSize);
  // Only the main window's closing ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  BuildControls(*this, kNoticeRows);
  SetFontColor(*this, "Label1", QColor::fromRgb(kBlue));
}

TForm3* FindForm3() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* form = qobject_cast<TForm3*>(window)) return form;
  }
  return nullptr;
}
