// Toolkit operations by control name.
#include "ui/controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVariant>
#include <array>
#include <stdexcept>

namespace {

constexpr const char* kKindProperty = "halvaneKind";

constexpr std::array<std::string_view, 10> kKindNames{
    "page", "label", "panel", "memo", "groupbox", "checkbox", "edit", "button", "image", "shape"};

// A page's caption is its tab's text in the enclosing tab widget.
QTabWidget* TabsOf(QWidget& page) {
  for (QWidget* w = page.parentWidget(); w; w = w->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs;
  }
  return nullptr;
}

}  // namespace

void TagKind(QWidget& control, ControlKind kind) {
  control.setProperty(kKindProperty, static_cast<int>(kind));
}

ControlKind KindOf(const QWidget& control) {
  QVariant kind = control.property(kKindProperty);
  if (!kind.isValid()) {
    throw std::logic_error("control " + control.objectName().toStdString() + " has no kind");
  }
  return static_cast<ControlKind>(kind.toInt());
}

std::string_view KindName(ControlKind kind) {
  return kKindNames[static_cast<size_t>(kind)];
}

QString ToQString(const std::string& latin1) {
  size_t end = latin1.find('\0');
  return QString::fromLatin1(
      latin1.data(), static_cast<qsizetype>(end == std::string::npos ? latin1.size() : end));
}

std::string ToLatin1(const QString& text) {
  return text.toLatin1().toStdString();
}

QWidget& Control(QWidget& form, std::string_view name) {
  QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  if (form.objectName() == wanted) return form;
  auto* found = form.findChild<QWidget*>(wanted);
  if (!found) throw std::logic_error("no control named " + std::string(name));
  return *found;
}

void SetCaption(QWidget& form, std::string_view name, const std::string& latin1) {
  QWidget& control = Control(form, name);
  QString text = ToQString(latin1);
  if (auto* label = qobject_cast<QLabel*>(&control)) {
    label->setText(text);
  } else if (auto* box = qobject_cast<QGroupBox*>(&control)) {
    box->setTitle(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
    button->setText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
    edit->setText(text);
  } else if (QTabWidget* tabs = TabsOf(control); tabs && tabs->indexOf(&control) >= 0) {
    tabs->setTabText(tabs->indexOf(&control), text);
  } else {
    throw std::logic_error("control " + std::string(name) + " has no caption");
  }
}

std::string Caption(QWidget& form, std::string_view name) {
  QWidget& control = Control(form, name);
  if (auto* label = qobject_cast<QLabel*>(&control)) return ToLatin1(label->text());
  if (auto* box = qobject_cast<QGroupBox*>(&control)) return ToLatin1(box->title());
  if (auto* button = qobject_cast<QAbstractButton*>(&control)) return ToLatin1(button->text());
  if (auto* edit = qobject_cast<QLineEdit*>(&control)) return ToLatin1(edit->text());
  if (QTabWidget* tabs = TabsOf(control); tabs && tabs->indexOf(&control) >= 0) {
    return ToLatin1(tabs->tabText(tabs->indexOf(&control)));
  }
  return {};
}

void SetMemoText(QWidget& form, std::string_view name, const std::string& latin1) {
  auto* memo = qobject_cast<QPlainTextEdit*>(&Control(form, name));
  if (!memo) throw std::logic_error(std::string(name) + " is not a memo");
  memo->setPlainText(ToQString(latin1));
}

void SetMemoLines(QWidget& form, std::string_view name, const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i].substr(0, lines[i].find('\0'));
  }
  SetMemoText(form, name, text);
}

std::vector<std::string> MemoLines(QWidget& form, std::string_view name) {
  auto* memo = qobject_cast<QPlainTextEdit*>(&Control(form, name));
  if (!memo) throw std::logic_error(std::string(name) + " is not a memo");
  std::vector<std::string> lines;
  QString text = memo->toPlainText();
  if (text.isEmpty() && memo->document()->blockCount() <= 1) return lines;
  for (const QString& line : text.split(QChar('\n'))) lines.push_back(ToLatin1(line));
  return lines;
}

void SetFontColor(QWidget& form, std::string_view name, QColor color) {
  QWidget& control = Control(form, name);
  QPalette palette = control.palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, color);
    palette.setColor(group, QPalette::Text, color);
    palette.setColor(group, QPalette::ButtonText, color);
  }
  control.setPalette(palette);
}

QColor FontColor(QWidget& form, std::string_view name) {
  QWidget& control = Control(form, name);
  QPalette::ColorRole role =
      qobject_cast<QPlainTextEdit*>(&control) || qobject_cast<QLineEdit*>(&control)
          ? QPalette::Text
          : QPalette::WindowText;
  return control.palette().color(QPalette::Active, role);
}

void SetControlEnabled(QWidget& form, std::string_view name, bool enabled) {
  Control(form, name).setEnabled(enabled);
}

void SetControlVisible(QWidget& form, std::string_view name, bool visible) {
  QWidget& control = Control(form, name);
  // setVisible(true) on a child of a hidden window would only mark it; the
  // hidden flag is what "the control's own visibility" means.
  control.setHidden(!visible);
}
