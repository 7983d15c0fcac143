// The process technology table: the feature size the processor was made in.
#include "knowledge/technology.h"

#include <span>
#include <string>
#include <string_view>

#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"
#include "knowledge/key_rows.h"

namespace {

// The Centaur and Rise rows test the model whatever the family.
// clang-format off
constexpr KeyRow kCentaurRows[] = {
  {ModelIs(4),                "0.35\xB5"},
  {ModelIs(8),                "0.25\xB5"},
};

constexpr KeyRow kRiseRows[] = {
  {ModelIs(0),                "0.25\xB5"},
  {ModelIs(2),                "0.18\xB5"},
  {ModelIs(8),                "0.25\xB5"},
  {ModelIs(9),                "0.18\xB5"},
};

constexpr KeyRow kIntelRows[] = {
  {SignatureKeyIs("650"),     "0.25\xB5"},
  {FamilyModelKeyIs("50"),    "0.80\xB5"},
  {FamilyModelKeyIs("51"),    "0.80\xB5"},
  {FamilyModelKeyIs("52"),    "0.50\xB5"},
  {FamilyModelKeyIs("53"),    "0.35\xB5"},
  {FamilyModelKeyIs("54"),    "0.28\xB5"},
  {FamilyModelKeyIs("58"),    "0.25\xB5"},
  {SignatureKeyIs("632"),     "0.28\xB5"},
  {SignatureKeyIs("633"),     "0.28\xB5"},
  {SignatureKeyIs("652"),     "0.25\xB5"},
  {SignatureKeyIs("653"),     "0.25\xB5"},
  {SignatureKeyIs("634"),     "0.28\xB5"},
  {SignatureKeyIs("651"),     "0.25\xB5"},
  {SignatureKeyIs("660"),     "0.25\xB5"},
  {SignatureKeyIs("665"),     "0.25\xB5"},
  {SignatureKeyIs("672"),     "0.25\xB5"},
  {SignatureKeyIs("673"),     "0.18\xB5"},
  {SignatureKeyIs("681"),     "0.18\xB5"},
  {SignatureKeyIs("683"),     "0.18\xB5"},
  {SignatureKeyIs("686"),     "0.18\xB5"},
  {SignatureKeyIs("6810"),    "0.18\xB5"},
  {SignatureKeyIs("6111"),    "0.13\xB5"},
  {SignatureKeyIs("1507"),    "0.18\xB5"},
  {SignatureKeyIs("15010"),   "0.18\xB5"},
  {SignatureKeyIs("1512"),    "0.18\xB5"},
  {SignatureKeyIs("1524"),    "0.13\xB5"},
  {SignatureKeyIs("1513"),    "0.18\xB5"},
  {SignatureKeyIs("1527"),    "0.13\xB5"},
  {ModelIs(2),                "0.13\xB5"},
  {ModelIs(3),                "0.09\xB5"},
};

// Left out: a last row comparing a record text with "7", a text nothing ever sets.
constexpr KeyRow kAmdRows[] = {
  {FamilyModelKeyIs("57"),    "0.25 \xB5" "m"},
  {FamilyModelKeyIs("56"),    "0.30 \xB5" "m"},
  {FamilyModelKeyIs("513"),   "0.18 \xB5" "m"},
  {FamilyModelKeyIs("58"),    "0.25 \xB5" "m"},
  {FamilyModelKeyIs("59"),    "0.25 \xB5" "m"},
  {SignatureKeyIs("611"),     "0.25\xB5"},
  {SignatureKeyIs("612"),     "0.25\xB5"},
  {SignatureKeyIs("621"),     "0.18\xB5"},
  {SignatureKeyIs("622"),     "0.18\xB5"},
  {SignatureKeyIs("642"),     "0.18\xB5"},
  {SignatureKeyIs("643"),     "0.18\xB5"},
  {SignatureKeyIs("644"),     "0.18\xB5"},
  {SignatureKeyIs("660"),     "0.18\xB5"},
  {SignatureKeyIs("661"),     "0.18\xB5"},
  {SignatureKeyIs("662"),     "0.18\xB5"},
  {SignatureKeyIs("630"),     "0.18\xB5"},
  {SignatureKeyIs("631"),     "0.18\xB5"},
  {SignatureKeyIs("670"),     "0.18\xB5"},
  {SignatureKeyIs("671"),     "0.18\xB5"},
  {SignatureKeyIs("680"),     "0.13\xB5"},
  {KeyFamilyIs(15),           "0.13\xB5"},
  {KeyFamilyIs(10),           "0.13\xB5"},
};
// clang-format on

static_assert(EveryRowReachable(kCentaurRows) && EveryRowReachable(kRiseRows) &&
              EveryRowReachable(kIntelRows) && EveryRowReachable(kAmdRows));

struct TechnologyBlock {
  std::string_view vendor;
  std::span<const KeyRow> rows;
  std::string_view fallback;
};

// clang-format off
constexpr TechnologyBlock kTechnologyBlocks[] = {
  // vendor         rows           no row applied
  {kVendorCentaur,  kCentaurRows,  "??"},
  {kVendorRise,     kRiseRows,     "??"},
  {kVendorIntel,    kIntelRows,    "??"},
  {kVendorAmd,      kAmdRows,      ""},
};
// clang-format on

}  // namespace

// Reads FamilyModelKey and KeyFamily as the codename lookup left them; only the signature key
// is rebuilt here.
std::string GetTechnology() {
  CpuidState.SignatureKey = std::to_string(CpuidState.Family) + std::to_string(CpuidState.Model) +
                            std::to_string(CpuidState.Stepping);
  for (const TechnologyBlock& block : kTechnologyBlocks) {
    if (VendorIs(block.vendor)) return std::string(FirstPassing(block.rows, block.fallback));
  }
  return {};
}
