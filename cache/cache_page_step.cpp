// The Cache page step: descriptor list or cache and TLB table, and the Summary cache rows.
#include "cache/cache_page_step.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cache/amd_cache.h"
#include "cache/intel_descriptors.h"
#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"
#include "ui/controls.h"

namespace {

using TextField = std::string TCpuidState::*;

// How a value label of the AMD table is worded from its fields.
enum class Wording {
  L1Tlb,   // associativity (255 = fully associative) and entries
  L2Tlb,   // associativity text and entries
  Suffix,  // the field followed by the row's suffix
  Fixed,   // the row's text alone
};

struct AmdValueRow {
  std::string_view label;
  Wording wording;
  TextField first;
  TextField second;
  std::string_view text;
};

using S = TCpuidState;
constexpr TextField kNone = nullptr;

// clang-format off
constexpr std::array<AmdValueRow, 20> kAmdValueLabels{{
    {"Label57",  Wording::L1Tlb,  &S::AmdL1DataTlb2M4MAssoc, &S::AmdL1DataTlb2M4MEntries, ""},
    {"Label59",  Wording::L1Tlb,  &S::AmdL1CodeTlb2M4MAssoc, &S::AmdL1CodeTlb2M4MEntries, ""},
    {"Label61",  Wording::L1Tlb,  &S::AmdL1DataTlb4KAssoc,   &S::AmdL1DataTlb4KEntries,   ""},
    {"Label63",  Wording::L1Tlb,  &S::AmdL1CodeTlb4KAssoc,   &S::AmdL1CodeTlb4KEntries,   ""},
    {"Label68",  Wording::Suffix, &S::AmdL1DataSize,         kNone,                       " Kb"},
    {"Label69",  Wording::Suffix, &S::AmdL1DataAssocText,    kNone,                       ""},
    {"Label70",  Wording::Suffix, &S::AmdL1DataLinesPerTag,  kNone,                       ""},
    {"Label71",  Wording::Suffix, &S::AmdL1DataLineSize,     kNone,                       " bytes"},
    {"Label75",  Wording::Suffix, &S::AmdL1CodeSize,         kNone,                       " Kb"},
    {"Label72",  Wording::Suffix, &S::AmdL1CodeAssocText,    kNone,                       ""},
    {"Label73",  Wording::Suffix, &S::AmdL1CodeLinesPerTag,  kNone,                       ""},
    {"Label74",  Wording::Suffix, &S::AmdL1CodeLineSize,     kNone,                       " bytes"},
    {"Label83",  Wording::Fixed,  kNone,                     kNone,                       "N/A"},
    {"Label149", Wording::Fixed,  kNone,                     kNone,                       "N/A"},
    {"Label161", Wording::L2Tlb,  &S::AmdL2DataTlbAssocText, &S::AmdL2DataTlbEntries,     ""},
    {"Label162", Wording::L2Tlb,  &S::AmdL2CodeTlbAssocText, &S::AmdL2CodeTlbEntries,     ""},
    {"Label163", Wording::Suffix, &S::AmdL2Size,             kNone,                       " Kb"},
    {"Label167", Wording::Suffix, &S::AmdL2AssocText,        kNone,                       ""},
    {"Label168", Wording::Suffix, &S::AmdL2LinesPerTag,      kNone,                       ""},
    {"Label169", Wording::Suffix, &S::AmdL2LineSize,         kNone,                       " Bytes"},
}};
// clang-format on

constexpr std::array<std::string_view, 7> kAmdGroupBoxes{
    "GroupBox3", "GroupBox4", "GroupBox5", "GroupBox6", "GroupBox7", "GroupBox8", "GroupBox9"};

// The AMD leaves give 255 (FFh) for a fully associative TLB.
constexpr std::string_view kFullyAssociative = "255";

std::string AmdValueText(const AmdValueRow& row) {
  switch (row.wording) {
    case Wording::L1Tlb: {
      const std::string& assoc = CpuidState.*row.first;
      std::string way = assoc == kFullyAssociative ? std::string("Full") : assoc;
      return way + "-Way Associativity, " + CpuidState.*row.second + " Entries";
    }
    case Wording::L2Tlb:
      return CpuidState.*row.first + " Associativity, " + CpuidState.*row.second + " Entries";
    case Wording::Suffix:
      return CpuidState.*row.first + std::string(row.text);
    case Wording::Fixed:
      return std::string(row.text);
  }
  return {};
}

void HideCacheTable(QWidget& form) {
  for (std::string_view box : kAmdGroupBoxes) SetControlVisible(form, box, false);
}

// Always seven lines: an empty slot gives an empty line.
void ShowDescriptorList(QWidget& form) {
  SetMemoLines(form, "Memo1",
               std::vector<std::string>(CpuidState.DescriptorTexts.begin(),
                                        CpuidState.DescriptorTexts.end()));
}

void ShowIntelBrandRow(QWidget& form) {
  SetCaption(form, "Panel25", std::to_string(CpuidState.BrandIndex));
  SetControlEnabled(form, "Label9", true);
  SetControlEnabled(form, "Label14", false);
  for (std::string_view panel : {"Panel13", "Panel14", "Panel15"}) SetCaption(form, panel, "");
}

void ShowAmdTable(QWidget& form) {
  SetControlVisible(form, "Memo1", false);
  DecodeAmdL1();
  SetCaption(form, "Panel26", CpuidState.AmdL1CodeSize);
  SetCaption(form, "Panel27", CpuidState.AmdL1DataSize);
  DecodeAmdL2();
  for (const AmdValueRow& row : kAmdValueLabels) SetCaption(form, row.label, AmdValueText(row));
  SetCaption(form, "Panel28", CpuidState.AmdL2Size);
}

void ShowL3Row(QWidget& form) {
  if (CpuidState.L3SizeKB != 0) {
    SetCaption(form, "Panel29", std::to_string(CpuidState.L3SizeKB));
    return;
  }
  SetCaption(form, "Panel29", "");
  SetControlEnabled(form, "Label30", false);
  SetControlEnabled(form, "Label156", false);
}

}  // namespace

void ShowCacheInfo(QWidget& form) {
  DecodeIntelDescriptors();
  SetCaption(form, "Panel26", CpuidState.L1CodeSizeText);
  SetCaption(form, "Panel27", CpuidState.L1DataSizeText);
  SetCaption(form, "Panel28", CpuidState.L2SizeText);

  // Three independent tests, each reading the vendor afresh; at most one applies.
  if (VendorIs(kVendorIntel)) {
    ShowIntelBrandRow(form);
    HideCacheTable(form);
    SetControlVisible(form, "Memo1", true);
    ShowDescriptorList(form);
  }
  if (VendorIs(kVendorCyrix)) {
    HideCacheTable(form);
    ShowDescriptorList(form);
  }
  if (VendorIs(kVendorAmd)) ShowAmdTable(form);

  ShowL3Row(form);
}
