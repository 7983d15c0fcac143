// The few toolkit operations the page steps need, by control name, on Qt widgets.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

// What a named control is; every named control of a window carries its kind
// in the dynamic property "halvaneKind" so the report can describe it.
enum class ControlKind { Page, Label, Panel, Memo, GroupBox, CheckBox, Edit, Button, Image, Shape };

inline constexpr QRgb kFlagGreen = 0x008000;
inline constexpr QRgb kFlagRed = 0xFF0000;

void TagKind(QWidget& control, ControlKind kind);
ControlKind KindOf(const QWidget& control);
std::string_view KindName(ControlKind kind);  // "page", "label", ... as the report writes them

// The program's 8-bit texts are Latin-1; a caption ends at its first NUL.
QString ToQString(const std::string& latin1);
std::string ToLatin1(const QString& text);

// The named descendant of `form`; throws std::logic_error when there is none.
QWidget& Control(QWidget& form, std::string_view name);

// Caption of a label, panel, group box, check box, button, page or edit.
void SetCaption(QWidget& form, std::string_view name, const std::string& latin1);
std::string Caption(QWidget& form, std::string_view name);
// A memo's whole text, or its lines (one line each, empty entries kept).
void SetMemoText(QWidget& form, std::string_view name, const std::string& latin1);
void SetMemoLines(QWidget& form, std::string_view name, const std::vector<std::string>& lines);
std::vector<std::string> MemoLines(QWidget& form, std::string_view name);
// Font colour in the active and inactive palette groups only, so that a
// disabled control is still drawn greyed.
void SetFontColor(QWidget& form, std::string_view name, QColor color);
QColor FontColor(QWidget& form, std::string_view name);
void SetControlEnabled(QWidget& form, std::string_view name, bool enabled);
void SetControlVisible(QWidget& form, std::string_view name, bool visible);
