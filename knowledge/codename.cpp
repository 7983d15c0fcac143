// The codename table: the core codename of an AMD or Intel processor from its lookup keys.
#include "knowledge/codename.h"

#include <span>
#include <string_view>

#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"
#include "knowledge/key_rows.h"
#include "knowledge/lookup_keys.h"

namespace {

constexpr int kAnyFamily = 0x7FFFFFFF;  // the AMD list serves every family

// Rows 15 and 16 test the family once through its copy and once directly; both hold one value.
// clang-format off
constexpr KeyRow kAmdRows[] = {
  {SignatureKeyIs("611"),     "Argon"},
  {SignatureKeyIs("612"),     "Argon"},
  {SignatureKeyIs("620"),     "Pluto"},
  {SignatureKeyIs("621"),     "Pluto"},
  {SignatureKeyIs("622"),     "Pluto"},
  {SignatureKeyIs("642"),     "Thunderbird"},
  {SignatureKeyIs("643"),     "Thunderbird"},
  {SignatureKeyIs("644"),     "Thunderbird"},
  {SignatureKeyIs("660"),     "Palomino"},
  {SignatureKeyIs("661"),     "Palomino"},
  {SignatureKeyIs("662"),     "Palomino"},
  {FamilyModelKeyIs("66"),    "Palomino"},
  {SignatureKeyIs("680"),     "Thoroughbred A"},
  {SignatureKeyIs("681"),     "Thoroughbred B"},
  {KeyFamilyIs(15),           "Clawhammer"},
  {FamilyIs(7),               "Clawhammer"},
  {FamilyModelKeyIs("63"),    "Spitfire"},
  {FamilyModelKeyIs("57"),    "Little Foot"},
  {ModelIs(7),                "Morgan"},
  {ModelIs(10),               "Barton"},
  {FamilyModelKeyIs("50"),    "K5"},
  {FamilyModelKeyIs("51"),    "K5"},
  {FamilyModelKeyIs("52"),    "K5"},
  {FamilyModelKeyIs("53"),    "K5"},
  {FamilyModelKeyIs("56"),    "K6 (nexgen)"},
  {FamilyModelKeyIs("58"),    "Chomper"},
  {FamilyModelKeyIs("59"),    "Sharptooth"},
  {FamilyModelKeyIs("513"),   "Sharptooth"},
};

constexpr KeyRow kIntelFamily5Rows[] = {
  {KeyModelIs(0),             "A80501, P5"},
  {KeyModelIs(2),             "A80502, P54"},
  {KeyModelIs(3),             "PODP5V, OD"},
  {KeyModelIs(4),             "A80503, P55"},
  {KeyModelIs(8),             "A80503, P55 0.25 micron"},
};

// Left out: "DA0" under "650" and "dB0" under "652" sit behind earlier rows with the same keys
// and never result.
constexpr KeyRow kIntelFamily6Rows[] = {
  {SignatureKeyIs("650"),     "mdA0"},
  {SignatureKeyIs("632"),     "TdB0"},
  {SignatureKeyIs("633"),     "C0"},
  {SignatureKeyIs("652"),     "A80523 Deschutes"},
  {SignatureKeyIs("653"),     "dB1"},
  {SignatureKeyIs("634"),     "C1"},
  {SignatureKeyIs("651"),     "dA1"},
  {SignatureKeyIs("660"),     "mA0"},
  {SignatureKeyIs("665"),     "mB0"},
  {SignatureKeyIs("672"),     "KB0"},
  {SignatureKeyIs("673"),     "Katmai"},
  {SignatureKeyIs("681"),     "Coppermine"},
  {SignatureKeyIs("683"),     "Coppermine"},
  {SignatureKeyIs("686"),     "Coppermine"},
  {SignatureKeyIs("6810"),    "Coppermine"},
  {SignatureKeyIs("6111"),    "Tualatin"},
  {ModelIs(6),                "P3!!!"},
};

// Left out: the "Merced" and "McKinley" rows after the fallback, which therefore never apply.
constexpr KeyRow kIntelFamily15Rows[] = {
  {SignatureKeyIs("1507"),    "Williamette"},
  {SignatureKeyIs("15010"),   "Williamette"},
  {SignatureKeyIs("1512"),    "Williamette"},
  {SignatureKeyIs("1524"),    "Northwood"},
  {SignatureKeyIs("1527"),    "Northwood"},
  {SignatureKeyIs("1529"),    "Northwood"},
  {SignatureKeyIs("1513"),    "Williamette-C"},
  {ModelIs(3),                "Prescott"},
};
// clang-format on

static_assert(EveryRowReachable(kAmdRows) && EveryRowReachable(kIntelFamily5Rows) &&
              EveryRowReachable(kIntelFamily6Rows) && EveryRowReachable(kIntelFamily15Rows));

struct CodenameList {
  std::string_view vendor;
  int key_family;
  std::span<const KeyRow> rows;
  std::string_view fallback;
};

// The first list whose vendor and family apply decides; other Intel families have no list.
// clang-format off
constexpr CodenameList kCodenameLists[] = {
  // vendor       family       rows                 no row applied
  {kVendorAmd,    kAnyFamily,  kAmdRows,            "??"},
  {kVendorIntel,  5,           kIntelFamily5Rows,   "??"},
  {kVendorIntel,  6,           kIntelFamily6Rows,   "??"},
  {kVendorIntel,  15,          kIntelFamily15Rows,  "P4!!!"},
};
// clang-format on

}  // namespace

std::string GetCodename() {
  RebuildLookupKeys();
  for (const CodenameList& list : kCodenameLists) {
    if (list.key_family != kAnyFamily && list.key_family != CpuidState.KeyFamily) continue;
    if (!VendorIs(list.vendor)) continue;
    return std::string(FirstPassing(list.rows, list.fallback));
  }
  return {};
}
