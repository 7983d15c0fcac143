// What the report knows of one named control of the window after an activation.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/controls.h"

struct ControlFacts {
  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string caption;             // Latin-1, up to the first NUL; memos have lines instead
  std::vector<std::string> lines;  // Latin-1, memos only
  bool enabled = true;             // the control's own flags
  bool visible = true;
  uint32_t font_rgb = 0;  // 0xRRGGBB
  // Where it stands, for pairing captions with values in the text report.
  int page = -1;    // index in the list of the page it lies on; -1 outside the pages
  int parent = -1;  // identifies the widget it lies in; equal for siblings
  int left = 0, top = 0, width = 0, height = 0;
  bool shown = true;  // neither it nor a control between it and its page is hidden
};

// Every named control of `form` whose kind is known, in creation order.
std::vector<ControlFacts> CollectControls(QWidget& form);
