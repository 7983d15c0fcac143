// Window layouts as rows of data, and the one builder that turns rows into widgets.
#pragma once

#include <span>
#include <string_view>

#include "ui/controls.h"

// Look of a control beyond its kind, as bits of LayoutRow::look.
namespace look {
inline constexpr unsigned kPlain = 0;
inline constexpr unsigned kDisabled = 1u << 0;
inline constexpr unsigned kBold = 1u << 1;
inline constexpr unsigned kAlignRight = 1u << 2;
inline constexpr unsigned kAlignCentre = 1u << 3;
inline constexpr unsigned kReadOnly = 1u << 4;
inline constexpr unsigned kFaceBackground = 1u << 5;   // memo on the button-face colour
inline constexpr unsigned kLightBackground = 1u << 6;  // memo on the 3-D light colour
}  // namespace look

// A label's width and every control's height may be left to the builder.
inline constexpr int kAutoSize = 0;

struct LayoutRow {
  ControlKind kind;
  std::string_view name;
  std::string_view parent;  // empty: the widget the rows are built on
  int x;
  int y;
  int w;                     // kAutoSize on a label: as wide as its caption
  int h;                     // kAutoSize: the usual height of the kind
  std::string_view caption;  // Latin-1; a memo's lines are separated by '\n'
  unsigned look = look::kPlain;
};

// Creates the rows in order (so later rows lie above earlier ones); a row's
// parent must be `root` or a control of an earlier row.
void BuildControls(QWidget& root, std::span<const LayoutRow> rows);
