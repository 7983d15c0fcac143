// Writing the report as text.
#include "report/text_report.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "report/json_report.h"

// How rows are formed. Controls with the same parent whose tops lie less than
// kSameLine pixels apart stand on one line. A caption (a label whose text ends
// in ':', ';' or '?') takes the nearest control to its right on its line as
// its value, unless that is another caption; labels that follow the value with
// at most kUnitGap pixels between them are its units ("100 Mhz"). Caption,
// value and units make one row "caption  value unit"; every other control that
// shows text makes a row of its own, and a memo's further lines follow on rows
// of their own, indented under its first. Rows follow the creation order of
// their first control; hidden controls, and controls inside a hidden one, are
// left out; a row whose first control is disabled ends in " (disabled)".
// Controls that pair with nothing and share a line (a grid's header or value
// row, the flag columns) make one row, each disabled one marked on its own.

namespace {

constexpr int kSameLine = 8;
constexpr int kUnitGap = 8;
constexpr std::string_view kCaptionEnds = ":;?";

bool IsCaption(const ControlFacts& control) {
  return control.kind == ControlKind::Label && !control.caption.empty() &&
         kCaptionEnds.find(control.caption.back()) != std::string_view::npos;
}

bool OnOneLine(const ControlFacts& a, const ControlFacts& b) {
  return a.parent == b.parent && std::abs(a.top - b.top) < kSameLine;
}

bool HasText(const ControlFacts& control) {
  return control.kind == ControlKind::Memo ? !control.lines.empty() : !control.caption.empty();
}

// The nearest shown control right of `from` on its line.
std::optional<size_t> NextOnLine(const std::vector<ControlFacts>& controls, size_t from,
                                 const std::vector<bool>& taken) {
  std::optional<size_t> nearest;
  for (size_t i = 0; i < controls.size(); ++i) {
    const ControlFacts& c = controls[i];
    if (i == from || taken[i] || !c.shown || c.kind == ControlKind::Page ||
        !OnOneLine(c, controls[from]) || c.left <= controls[from].left) {
      continue;
    }
    if (!nearest || c.left < controls[*nearest].left) nearest = i;
  }
  return nearest;
}

bool HasValue(const std::vector<ControlFacts>& controls, size_t caption,
              const std::vector<bool>& taken) {
  std::optional<size_t> value = NextOnLine(controls, caption, taken);
  return value && !IsCaption(controls[*value]);
}

// The controls of `from`'s line that pair with nothing, left to right: a
// grid's header or value row reads as one row, as it does in the window.
std::vector<size_t> LoneLine(const std::vector<ControlFacts>& controls, size_t from,
                             const std::vector<bool>& taken) {
  std::vector<size_t> line;
  for (size_t i = 0; i < controls.size(); ++i) {
    const ControlFacts& c = controls[i];
    if ((i != from && taken[i]) || !c.shown || c.kind == ControlKind::Page ||
        c.kind == ControlKind::Memo || !HasText(c) || !OnOneLine(c, controls[from]) ||
        (IsCaption(c) && HasValue(controls, i, taken))) {
      continue;
    }
    line.push_back(i);
  }
  std::stable_sort(line.begin(), line.end(),
                   [&](size_t a, size_t b) { return controls[a].left < controls[b].left; });
  return line;
}

std::vector<std::string> TextOf(const ControlFacts& control) {
  if (control.kind == ControlKind::Memo) return control.lines;
  return {control.caption};
}

}  // namespace

std::vector<std::string> TextRows(const std::vector<ControlFacts>& controls) {
  std::vector<bool> taken(controls.size(), false);
  std::vector<std::string> rows;
  for (size_t i = 0; i < controls.size(); ++i) {
    const ControlFacts& first = controls[i];
    if (taken[i] || !first.shown || first.kind == ControlKind::Page) continue;
    taken[i] = true;
    std::string lead;
    std::vector<std::string> text = TextOf(first);
    if (IsCaption(first)) {
      std::optional<size_t> value = NextOnLine(controls, i, taken);
      if (value && !IsCaption(controls[*value])) {
        taken[*value] = true;
        lead = first.caption + "  ";
        text = TextOf(controls[*value]);
        for (size_t last = *value; auto unit = NextOnLine(controls, last, taken);) {
          const ControlFacts& u = controls[*unit];
          if (u.kind != ControlKind::Label || IsCaption(u) ||
              u.left - (controls[last].left + controls[last].width) > kUnitGap) {
            break;
          }
          taken[*unit] = true;
          if (text.empty()) text.emplace_back();
          text.back() += (text.back().empty() ? "" : " ") + u.caption;
          last = *unit;
        }
      }
    } else if (!HasText(first)) {
      continue;
    }
    if (lead.empty() && first.kind != ControlKind::Memo) {
      if (auto line = LoneLine(controls, i, taken); line.size() > 1) {
        std::string joined;
        for (size_t member : line) {
          taken[member] = true;
          const ControlFacts& c = controls[member];
          joined += (joined.empty() ? "" : "  ") + c.caption + (c.enabled ? "" : " (disabled)");
        }
        rows.push_back(joined);
        continue;
      }
    }
    std::vector<std::string> group;
    if (text.empty() || (text.size() == 1 && text[0].empty())) {
      group.push_back(first.caption);
    } else {
      for (size_t line = 0; line < text.size(); ++line) {
        group.push_back((line == 0 ? lead : std::string(lead.size(), ' ')) + text[line]);
      }
    }
    if (!first.enabled) group.front() += " (disabled)";
    rows.insert(rows.end(), group.begin(), group.end());
  }
  return rows;
}

std::string TextReport(const std::vector<ControlFacts>& controls) {
  std::string report;
  std::vector<ControlFacts> outside;
  for (size_t p = 0; p < controls.size(); ++p) {
    if (controls[p].kind != ControlKind::Page) {
      if (controls[p].page < 0) outside.push_back(controls[p]);
      continue;
    }
    std::vector<ControlFacts> members;
    for (const ControlFacts& control : controls) {
      if (control.page == static_cast<int>(p)) members.push_back(control);
    }
    if (!report.empty()) report += '\n';
    report += Latin1ToUtf8(controls[p].caption) + '\n';
    for (const std::string& row : TextRows(members)) report += "  " + Latin1ToUtf8(row) + '\n';
  }
  std::vector<std::string> rows = TextRows(outside);
  if (!report.empty() && !rows.empty()) report += '\n';
  for (const std::string& row : rows) report += Latin1ToUtf8(row) + '\n';
  return report;
}
