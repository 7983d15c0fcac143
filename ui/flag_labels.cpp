// Flag labels: the two colouring rules. Neither ever enables a label again.
#include "ui/flag_labels.h"

#include <QColor>

#include "ui/controls.h"

void ApplySummaryFlagRule(QWidget& form, std::string_view label, int32_t flag) {
  if (flag == 1) {
    SetFontColor(form, label, QColor::fromRgb(kFlagGreen));
  } else {
    SetFontColor(form, label, QColor::fromRgb(kFlagRed));
    SetControlEnabled(form, label, false);
  }
}

void ApplyFeaturesetFlagRule(QWidget& form, std::string_view label, int32_t flag) {
  if (flag == 1) {
    SetFontColor(form, label, QColor::fromRgb(kFlagGreen));
  } else {
    SetControlEnabled(form, label, false);
  }
}
