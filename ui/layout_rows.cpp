// Turns layout rows into widgets.
#include "ui/layout_rows.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <stdexcept>
#include <string>

#include "ui/image.h"

namespace {

// Heights the layout uses wherever it gives none.
constexpr int kLabelHeight = 13;
constexpr int kPanelHeight = 17;
constexpr int kCheckBoxHeight = 17;
constexpr int kEditHeight = 21;
constexpr int kButtonHeight = 25;

QString Text(std::string_view caption) {
  return ToQString(std::string(caption));
}

bool Has(const LayoutRow& row, unsigned bit) {
  return (row.look & bit) != 0;
}

Qt::Alignment LabelAlignment(const LayoutRow& row) {
  if (Has(row, look::kAlignRight)) return Qt::AlignRight | Qt::AlignTop;
  if (Has(row, look::kAlignCentre)) return Qt::AlignHCenter | Qt::AlignTop;
  return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* NewLabel(QWidget& parent, const LayoutRow& row) {
  auto* label = new QLabel(Text(row.caption), &parent);
  label->setAlignment(LabelAlignment(row));
  return label;
}

// A panel with a lowered bevel: a sunken frame around a centred caption.
QWidget* NewPanel(QWidget& parent, const LayoutRow& row) {
  auto* panel = new QLabel(Text(row.caption), &parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  panel->setAlignment(Qt::AlignCenter);
  return panel;
}

// The 3-D light colour lies between the button face and the highlight edge;
// the styles' Midlight role is darker than the face in some of them.
QColor Light3D(const QPalette& palette) {
  QColor face = palette.color(QPalette::Button);
  QColor light = palette.color(QPalette::Light);
  return QColor((face.red() + light.red()) / 2, (face.green() + light.green()) / 2,
                (face.blue() + light.blue()) / 2);
}

QWidget* NewMemo(QWidget& parent, const LayoutRow& row) {
  auto* memo = new QPlainTextEdit(&parent);
  memo->setReadOnly(Has(row, look::kReadOnly));
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->document()->setDocumentMargin(2);
  memo->setPlainText(Text(row.caption));
  QPalette palette = memo->palette();
  if (Has(row, look::kFaceBackground))
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  if (Has(row, look::kLightBackground)) palette.setColor(QPalette::Base, Light3D(palette));
  memo->setPalette(palette);
  return memo;
}

// A rectangle with a black one-pixel outline, filled with the button face.
QWidget* NewShape(QWidget& parent) {
  auto* shape = new QFrame(&parent);
  shape->setFrameStyle(QFrame::Box | QFrame::Plain);
  shape->setLineWidth(1);
  QPalette palette = shape->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  shape->setPalette(palette);
  shape->setAutoFillBackground(true);
  return shape;
}

QWidget* NewControl(QWidget& parent, const LayoutRow& row) {
  switch (row.kind) {
    case ControlKind::Label:
      return NewLabel(parent, row);
    case ControlKind::Panel:
      return NewPanel(parent, row);
    case ControlKind::Memo:
      return NewMemo(parent, row);
    case ControlKind::GroupBox:
      return new QGroupBox(Text(row.caption), &parent);
    case ControlKind::CheckBox:
      return new QCheckBox(Text(row.caption), &parent);
    case ControlKind::Edit:
      return new QLineEdit(Text(row.caption), &parent);
    case ControlKind::Button:
      return new QPushButton(Text(row.caption), &parent);
    case ControlKind::Image:
      return new TImage(&parent);
    case ControlKind::Shape:
      return NewShape(parent);
    case ControlKind::Page:
      break;
  }
  throw std::logic_error("pages belong to a page control, not to a layout row: " +
                         std::string(row.name));
}

int UsualHeight(ControlKind kind) {
  switch (kind) {
    case ControlKind::Panel:
      return kPanelHeight;
    case ControlKind::CheckBox:
      return kCheckBoxHeight;
    case ControlKind::Edit:
      return kEditHeight;
    case ControlKind::Button:
      return kButtonHeight;
    case ControlKind::Label:
    case ControlKind::Page:
    case ControlKind::Memo:
    case ControlKind::GroupBox:
    case ControlKind::Image:
    case ControlKind::Shape:
      return kLabelHeight;
  }
  return kLabelHeight;
}

}  // namespace

void BuildControls(QWidget& root, std::span<const LayoutRow> rows) {
  for (const LayoutRow& row : rows) {
    QWidget& parent = row.parent.empty() ? root : Control(root, row.parent);
    QWidget* control = NewControl(parent, row);
    control->setObjectName(
        QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size())));
    TagKind(*control, row.kind);
    if (Has(row, look::kBold)) {
      QFont font = control->font();
      font.setBold(true);
      control->setFont(font);
    }
    control->setEnabled(!Has(row, look::kDisabled));
    int height = row.h == kAutoSize ? UsualHeight(row.kind) : row.h;
    // One pixel more than the caption's advance keeps the last glyph's fringe.
    int width = row.w == kAutoSize ? control->sizeHint().width() + 1 : row.w;
    control->setGeometry(row.x, row.y, width, height);
  }
}
