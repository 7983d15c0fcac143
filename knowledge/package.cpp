// The package table: socket or slot and package of Intel and AMD processors.
#include "knowledge/package.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"
#include "knowledge/lookup_keys.h"

namespace {

// A condition column that accepts every value.
constexpr std::nullopt_t kAny = std::nullopt;

struct PackageRow {
  std::optional<int32_t> family;
  std::optional<int32_t> model;
  std::optional<int32_t> brand_index;
  std::optional<std::string_view> signature_key;
  // No text leaves the field as it was; the empty text "" empties it.
  std::optional<std::string_view> platform;
  std::optional<std::string_view> form_factor;
};

// Rows that a later general row always overwrites are left out: they could never show.
// clang-format off
constexpr PackageRow kIntelPackages[] = {
  // family  model  brand  key       platform                              form factor
  {6,        kAny,  3,     "660",    "Slot1",                              "SEPP Rev. 1"},
  {6,        kAny,  3,     "665",    "Socket 370",                         "PPGA"},
  {6,        3,     kAny,  kAny,     "Slot 1",                             "SECC"},
  {6,        5,     kAny,  kAny,     "Slot 1",                             "SECC or SECC2"},
  {6,        7,     kAny,  kAny,     "Slot 1",                             "SECC2"},
  {6,        8,     kAny,  kAny,     "Slot 1 or Socket 370",               "SECC2 or FC-PGA"},
  {6,        11,    kAny,  kAny,     "Socket 370",                         "FC-PGA2"},
  {15,       kAny,  kAny,  kAny,     "423 Pin PGA or 478 Pin \xB5PGA",     "OOI or FC-PGA2 "},
  {kAny,     kAny,  kAny,  "1524",   "478 Pin \xB5PGA",                    "FC-PGA2"},
  {kAny,     kAny,  kAny,  "1527",   "478 Pin \xB5PGA",                    "FC-PGA2"},
  {kAny,     kAny,  kAny,  "1513",   "478 Pin \xB5PGA",                    "FC-PGA2"},
};

constexpr PackageRow kAmdPackages[] = {
  // family  model  brand  key       platform                              form factor
  {4,        kAny,  kAny,  kAny,     "Socket 5/7",                         "296 Pin PGA)"},
  {5,        kAny,  kAny,  kAny,     "Socket 7",                           "(BGA or OBGA)"},
  {6,        3,     kAny,  kAny,     "462 Pin Socket A ",                  "CPGA"},
  {6,        4,     kAny,  kAny,     "(462 Pin Socket A) ",                "OPGA"},
  {6,        7,     kAny,  kAny,     "462 Pin Socket A ",                  "OPGA"},
  {6,        6,     kAny,  kAny,     "462 Pin Socket A ",                  "OPGA"},
  {6,        8,     kAny,  kAny,     "462 Pin Socket A ",                  "OPGA"},
  {15,       kAny,  kAny,  kAny,     "",                                   "754-pin Package"},
};
// clang-format on

template <typename T, typename U>
bool Accepts(const std::optional<T>& wanted, const U& actual) {
  return !wanted || *wanted == actual;
}

void SetIfGiven(std::string& field, const std::optional<std::string_view>& text) {
  if (text) field.assign(*text);
}

// Every applying row is applied in order, so a later row overrides an earlier one.
void ApplyAll(std::span<const PackageRow> rows) {
  for (const PackageRow& row : rows) {
    if (Accepts(row.family, CpuidState.Family) && Accepts(row.model, CpuidState.Model) &&
        Accepts(row.brand_index, CpuidState.BrandIndex) &&
        Accepts(row.signature_key, CpuidState.SignatureKey)) {
      SetIfGiven(CpuidState.Platform, row.platform);
      SetIfGiven(CpuidState.FormFactor, row.form_factor);
    }
  }
}

}  // namespace

void FillPackageInfo() {
  RebuildLookupKeys();
  if (VendorIs(kVendorIntel)) ApplyAll(kIntelPackages);
  if (VendorIs(kVendorAmd)) ApplyAll(kAmdPackages);
}
