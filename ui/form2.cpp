// TForm2: the privacy statement window.
#include "ui/form2.h"

#include <QApplication>
#include <QPushButton>
#include <array>

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/layout_rows.h"

namespace {

using K = ControlKind;
using namespace look;
constexpr int A = kAutoSize;

constexpr QSize kWindowSize{311, 214};

// Only the system menu among the border icons.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

// clang-format off
// kind, name, parent, x, y, w, h, caption, look
constexpr auto kStatementRows = std::to_array<LayoutRow>({
    {K::Label,  "Label1",  "",   8,   8,  A, A, "By submitting your information to Brackwell (Auther),",       kPlain},
    {K::Label,  "Label2",  "",   8,  24,  A, A, "you are agreed to send the following information to Auther:", kPlain},
    {K::Label,  "Label3",  "",   8,  56,  A, A, "-Screen shots of the panel pages, Summary, Cache,",           kPlain},
    {K::Label,  "Label4",  "",  16,  72,  A, A, "Featureset and processor detail.",                            kPlain},
    {K::Label,  "Label5",  "",   8,  96,  A, A, "-Information you have Entered in the support boxes.",         kPlain},
    {K::Button, "Button1", "", 118, 144, 75, A, "OK",                                                          kPlain},
});
// clang-format on

}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, kWindowFlags) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Privacy statement"));
  setFont(WindowFont());
  setFixedSize(kWindowSize);
  // Only the main window's closing ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  BuildControls(*this, kStatementRows);
  auto* ok = qobject_cast<QPushButton*>(&Control(*this, "Button1"));
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

TForm2* FindForm2() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* form = qobject_cast<TForm2*>(window)) return form;
  }
  return nullptr;
}
