// The stepping name table: signature key to the vendor's stepping designation.
#include "knowledge/stepping_name.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"
#include "knowledge/lookup_keys.h"

namespace {

struct SteppingRow {
  std::string_view signature_key;
  std::string_view text;
};

// clang-format off
constexpr SteppingRow kAmdSteppings[] = {
  // key      stepping text
  {"611",     "1  (C1)"},
  {"612",     "2 (C2)"},
  {"621",     "1 (A1)"},
  {"622",     "2 (A2)"},
  {"642",     "2 (A4)"},
  {"643",     "3 (B0)"},
  {"644",     "4 (A9)"},
  {"660",     "0 (A0)"},
  {"661",     "1 (A2)"},
  {"662",     "2 (A5)"},
  {"630",     "0 (A0)"},
  {"631",     "1 (A2)"},
  {"680",     "0"},
  {"681",     "1"},
};

// As the vendor writes them: "A" is stepping 10, and "12 (D0)" sits on a stepping-2 key.
constexpr SteppingRow kIntelSteppings[] = {
  // key      stepping text
  {"650",     "dA0"},
  {"632",     "2 (TdB0)"},
  {"633",     "3 (C0)"},
  {"652",     "2 (dB0)"},
  {"653",     "3 (dB1)"},
  {"634",     "4 (C1)"},
  {"651",     "1 (dA1)"},
  {"660",     "0 (mA0)"},
  {"665",     "5 (mB0)"},
  {"672",     "2 (KB0)"},
  {"673",     "3 (KC0)"},
  {"681",     "1 (cA2)"},
  {"683",     "3 (cB0)"},
  {"686",     "6 (cC0)"},
  {"6810",    "A (cD0)"},
  {"6111",    "1 (tA1)"},
  {"1507",    "7 (B2)"},
  {"15010",   "A (C1)"},
  {"1512",    "12 (D0)"},
  {"1513",    "3 (E0)"},
  {"1524",    "4 (B0)"},
  {"1527",    "7 (C1)"},
  {"1529",    "9 (D1)"},
};
// clang-format on

// With distinct keys the order of search changes no result.
constexpr bool KeysDistinct(std::span<const SteppingRow> rows) {
  for (std::size_t later = 0; later < rows.size(); ++later) {
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      if (rows[earlier].signature_key == rows[later].signature_key) return false;
    }
  }
  return true;
}
static_assert(KeysDistinct(kAmdSteppings));
static_assert(KeysDistinct(kIntelSteppings));

// First match wins; an unlisted signature shows its plain stepping number.
std::string FirstMatch(std::span<const SteppingRow> rows) {
  for (const SteppingRow& row : rows) {
    if (row.signature_key == CpuidState.SignatureKey) return std::string(row.text);
  }
  return std::to_string(CpuidState.KeyStepping);
}

}  // namespace

std::string GetSteppingName() {
  RebuildLookupKeys();
  if (VendorIs(kVendorAmd)) return FirstMatch(kAmdSteppings);
  if (VendorIs(kVendorIntel)) return FirstMatch(kIntelSteppings);
  return {};
}
