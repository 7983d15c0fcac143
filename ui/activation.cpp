// The activation sequence: every run recomputes the processor's facts and rewrites every page.
#include "ui/activation.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <array>
#include <string>
#include <string_view>

#include "cache/cache_page_step.h"
#include "clock/clock_details_step.h"
#include "clock/processor_clock_step.h"
#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"
#include "knowledge/codename.h"
#include "knowledge/core_details.h"
#include "knowledge/package.h"
#include "knowledge/processor_name.h"
#include "knowledge/stepping_name.h"
#include "knowledge/technology.h"
#include "ui/controls.h"
#include "ui/featureset_step.h"
#include "ui/flag_labels.h"
#include "ui/form1.h"
#include "ui/system_lines.h"

namespace {

constexpr int kBuildNumber = 108;

using S = TCpuidState;

// clang-format off
// The instruction-extension labels of the Summary page, in the order they are coloured.
constexpr std::array<FlagLabel, 7> kSummaryFlagLabels{{
    {"Label19",  Leaf1(&S::FlagMMX)},
    {"Label21",  Leaf1(&S::FlagSSE)},
    {"Label22",  Leaf1(&S::FlagSSE2)},
    {"Label196", Leaf1(&S::FlagSSE3)},
    {"Label20",  Ext(9)},  // leaf 80000001h EDX bit 22
    {"Label17",  Ext(0)},  // bit 31
    {"Label18",  Ext(1)},  // bit 30
}};

struct CoreDetailMemo {
  std::string_view memo;
  std::string TCpuidState::*text;
};

constexpr std::array<CoreDetailMemo, 7> kCoreDetailMemos{{
    {"Memo2", &S::GenericDetail},
    {"Memo3", &S::SpecificDetails},
    {"Memo4", &S::Registers},
    {"Memo5", &S::PipelineDepth},
    {"Memo6", &S::InstructionDecode},
    {"Memo7", &S::ExecutionUnits},
    {"Memo8", &S::ExecutionSpeed},
}};
// clang-format on

std::string Decimal(int32_t value) {
  return std::to_string(value);
}

// The date alone, in the locale's short format; set as a QString because a
// locale's digits or separators need not be Latin-1.
void ShowToday(QWidget& form) {
  auto* label = qobject_cast<QLabel*>(&Control(form, "Label185"));
  if (label) label->setText(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

// Qt shows a widget's tool tip on hover without further switches.
void ShowHints(QWidget& form) {
  Control(form, "Image1").setToolTip(QStringLiteral("Screen capture"));
  Control(form, "Image2").setToolTip(QStringLiteral("Exit program"));
}

void ShowSummaryFlags(QWidget& form) {
  for (const FlagLabel& row : kSummaryFlagLabels) {
    ApplySummaryFlagRule(form, row.label, row.flag.Value());
  }
}

void ShowCoreDetails(QWidget& form) {
  for (const CoreDetailMemo& row : kCoreDetailMemos) {
    SetMemoText(form, row.memo, CpuidState.*row.text);
  }
}

}  // namespace

// Every run repeats every step; the order matters where a step reads what an
// earlier one left in the record or on the window (the signature before any
// table, the codename's keys before the technology, the measured clock and the
// cache rows before the clock details).
void RunActivationSequence(TForm1& form) {
  form.BuildNumber = kBuildNumber;
  ReadMaxStandardLeaf();
  SetCaption(form, "Panel33", Decimal(CpuidState.MaxStandardLeaf));
  ShowToday(form);
  ShowHints(form);
  ReadSignature();
  SetCaption(form, "Panel2", GetInstructionSet());
  SetCaption(form, "Panel3", ReadVendorString());
  SetCaption(form, "Panel4", GetProcessorName());
  SetCaption(form, "Panel5", GetCodename());
  FillPackageInfo();
  SetCaption(form, "Panel6", CpuidState.Platform);
  SetCaption(form, "Panel7", CpuidState.FormFactor);
  SetCaption(form, "Panel8", GetTechnology());
  SetCaption(form, "Panel9", Decimal(CpuidState.ProcessorType));
  SetCaption(form, "Panel10", Decimal(CpuidState.Family));
  SetCaption(form, "Panel11", Decimal(CpuidState.Model));
  SetCaption(form, "Panel12", GetSteppingName());
  ShowProcessorClock(form);
  ReadExtendedFeatures();
  SetCaption(form, "Panel13", Decimal(CpuidState.ExtFamily));
  SetCaption(form, "Panel14", Decimal(CpuidState.ExtModel));
  SetCaption(form, "Panel15", Decimal(CpuidState.ExtStepping));
  SetCaption(form, "Panel16", ReadBrandString());
  ReadFeatureFlags();
  ShowSummaryFlags(form);
  ShowCacheInfo(form);
  ShowFeaturesetPage(form);
  ShowClockDetails(form);
  FillCoreDetails();
  ShowCoreDetails(form);
  ShowMemoryLines(form);
  ShowOperatingSystemLine(form);
}
