// The Featureset page step: every leaf-1 and extended feature flag as a coloured label.
#include "ui/featureset_step.h"

#include <array>
#include <string>
#include <string_view>

#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"
#include "ui/controls.h"
#include "ui/flag_labels.h"

namespace {

using S = TCpuidState;

// clang-format off
// Leaf 1 ECX, in the order the page walks it.
constexpr std::array<FlagLabel, 11> kEcxColumn{{
    {"Label15",  Leaf1(&S::FlagSSE3)},
    {"Label165", Leaf1(&S::FlagCID)},
    {"Label172", Leaf1(&S::FlagTM2)},
    {"Label166", Leaf1(&S::FlagEcx9)},
    {"Label173", Leaf1(&S::FlagEcx7)},
    {"Label174", Leaf1(&S::FlagEcx6)},
    {"Label178", Leaf1(&S::FlagEcx5)},
    {"Label180", Leaf1(&S::FlagDSCPL)},
    {"Label193", Leaf1(&S::FlagMON)},
    {"Label194", Leaf1(&S::FlagEcx2)},
    {"Label195", Leaf1(&S::FlagEcx1)},
}};

// Leaf 1 EDX, bit 31 down to bit 0.
constexpr std::array<FlagLabel, 32> kEdxColumn{{
    {"Label33", Leaf1(&S::FlagPBE)},
    {"Label34", Leaf1(&S::FlagIA64)},
    {"Label35", Leaf1(&S::FlagTM)},
    {"Label36", Leaf1(&S::FlagHTT)},
    {"Label37", Leaf1(&S::FlagSS)},
    {"Label38", Leaf1(&S::FlagSSE2)},
    {"Label39", Leaf1(&S::FlagSSE)},
    {"Label40", Leaf1(&S::FlagFXSR)},
    {"Label41", Leaf1(&S::FlagMMX)},
    {"Label42", Leaf1(&S::FlagACPI)},
    {"Label43", Leaf1(&S::FlagDTES)},
    {"Label44", Leaf1(&S::FlagEdx20)},
    {"Label45", Leaf1(&S::FlagCLFL)},
    {"Label46", Leaf1(&S::FlagPSN)},
    {"Label47", Leaf1(&S::FlagPSE36)},
    {"Label48", Leaf1(&S::FlagPAT)},
    {"Label49", Leaf1(&S::FlagCMOV)},
    {"Label50", Leaf1(&S::FlagMCA)},
    {"Label51", Leaf1(&S::FlagPGE)},
    {"Label52", Leaf1(&S::FlagMTRR)},
    {"Label53", Leaf1(&S::FlagSEP)},
    {"Label54", Leaf1(&S::FlagEdx10)},
    {"Label81", Leaf1(&S::FlagAPIC)},
    {"Label82", Leaf1(&S::FlagCX8)},
    {"Label84", Leaf1(&S::FlagMCE)},
    {"Label85", Leaf1(&S::FlagPAE)},
    {"Label86", Leaf1(&S::FlagMSR)},
    {"Label87", Leaf1(&S::FlagTSC)},
    {"Label88", Leaf1(&S::FlagPSE)},
    {"Label89", Leaf1(&S::FlagDE)},
    {"Label90", Leaf1(&S::FlagVME)},
    {"Label91", Leaf1(&S::FlagFPU)},
}};

// Extended column: row i shows ExtFlags entry i (leaf 80000001h EDX bit 31 - i)
// under a caption written at run time.
struct ExtendedRow {
  std::string_view label;
  std::string_view caption;
};

// The bit-24 row belongs to no vendor but the ones named in kVendorCaptions.
constexpr std::string_view kVendorRowOnly = {};

constexpr std::array<ExtendedRow, 32> kExtendedColumn{{
    {"Label92",  "3DNow"},           // bit 31
    {"Label93",  "3DNow+"},
    {"Label94",  "AA-64 long mode"},
    {"Label95",  "reserved"},
    {"Label96",  "reserved"},
    {"Label97",  "reserved"},
    {"Label98",  "reserved"},
    {"Label99",  kVendorRowOnly},    // bit 24
    {"Label100", "mmx"},
    {"Label101", "mmx+"},
    {"Label124", "reserved"},
    {"Label103", "nx"},
    {"Label104", "mp"},
    {"Label105", "reserved"},
    {"Label106", "pse36"},
    {"Label107", "fcmov"},           // bit 16
    {"Label108", "cmov"},
    {"Label109", "mca"},
    {"Label110", "pge"},
    {"Label111", "mtrr"},
    {"Label112", "sep"},
    {"Label113", "reserved"},
    {"Label114", "apic"},
    {"Label115", "cx8"},
    {"Label116", "mce"},
    {"Label117", "pae"},
    {"Label118", "msr"},
    {"Label119", "tsc"},
    {"Label120", "pse"},
    {"Label121", "de"},
    {"Label122", "vme"},
    {"Label123", "fpu"},             // bit 0
}};

// Captions that replace or stand in for a row's own, for one vendor each, in
// the order they are tested. `apply_rule` colours the row by its flag first.
struct VendorCaption {
  int entry;
  std::string_view vendor;
  bool apply_rule;
  std::string_view caption;
};

constexpr std::array<VendorCaption, 3> kVendorCaptions{{
    { 7, kVendorAmd,   true,  "fxsr"},
    { 7, kVendorCyrix, true,  "mmx+"},
    {15, kVendorAmd,   false, "pat"},
}};
// clang-format on

void ShowExtendedRow(QWidget& form, int entry) {
  const ExtendedRow& row = kExtendedColumn[entry];
  if (row.caption != kVendorRowOnly) {
    ApplyFeaturesetFlagRule(form, row.label, CpuidState.ExtFlags[entry]);
    SetCaption(form, row.label, std::string(row.caption));
  }
  for (const VendorCaption& special : kVendorCaptions) {
    if (special.entry != entry || !VendorIs(special.vendor)) continue;
    if (special.apply_rule) ApplyFeaturesetFlagRule(form, row.label, CpuidState.ExtFlags[entry]);
    SetCaption(form, row.label, std::string(special.caption));
  }
}

}  // namespace

void ShowFeaturesetPage(QWidget& form) {
  for (const FlagLabel& row : kEcxColumn)
    ApplyFeaturesetFlagRule(form, row.label, row.flag.Value());
  for (const FlagLabel& row : kEdxColumn)
    ApplyFeaturesetFlagRule(form, row.label, row.flag.Value());
  for (int entry = 0; entry < static_cast<int>(kExtendedColumn.size()); ++entry) {
    ShowExtendedRow(form, entry);
  }
}
