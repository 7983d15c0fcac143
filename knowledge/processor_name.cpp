// The processor name table: vendor, family, model and brand index to a short name.
#include "knowledge/processor_name.h"

#include <cstddef>
#include <span>
#include <string_view>

#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"

namespace {

constexpr int kAny = 0x7FFFFFFF;  // matches every value of its column

struct NameRow {
  std::string_view vendor;
  int family;
  int extended_family;
  int model;
  int brand;
  std::string_view name;
};

// Consecutive rows with the same vendor, family and extended family form a block. Blocks are
// applied in order, each replacing the name; within a block the model picks the row and a kAny
// model stands for every model the block does not list. A listed model whose brand index no row
// names leaves the name as it was (Intel family 15, model 2).
// The UMC block is left out: its 11-character vendor text never equals the 12-character vendor.
// clang-format off
constexpr NameRow kNameRows[] = {
  // vendor          family ext.fam model  brand  name
  {kVendorIntel,     4,     kAny,   0,     kAny,  "80486DX-25/33"},
  {kVendorIntel,     4,     kAny,   1,     kAny,  "80486DX-50"},
  {kVendorIntel,     4,     kAny,   2,     kAny,  "80486SX"},
  {kVendorIntel,     4,     kAny,   3,     kAny,  "80486DX2"},
  {kVendorIntel,     4,     kAny,   4,     kAny,  "80486SL"},
  {kVendorIntel,     4,     kAny,   5,     kAny,  "i80486SX2"},
  {kVendorIntel,     4,     kAny,   7,     kAny,  "80486DX2WB"},
  {kVendorIntel,     4,     kAny,   8,     kAny,  "80486DX4"},
  {kVendorIntel,     4,     kAny,   9,     kAny,  "80486DX4WB"},
  {kVendorIntel,     4,     kAny,   kAny,  kAny,  "486 class"},
  {kVendorIntel,     5,     kAny,   0,     kAny,  "P5 A-step"},
  {kVendorIntel,     5,     kAny,   1,     kAny,  "P5"},
  {kVendorIntel,     5,     kAny,   2,     kAny,  "P54C"},
  {kVendorIntel,     5,     kAny,   3,     kAny,  "P24T Overdrive"},
  {kVendorIntel,     5,     kAny,   4,     kAny,  "P55C"},
  {kVendorIntel,     5,     kAny,   7,     kAny,  "P54C"},
  {kVendorIntel,     5,     kAny,   8,     kAny,  "P55C (0.25\xB5" "m)"},
  {kVendorIntel,     5,     kAny,   kAny,  kAny,  "Pentium class"},
  {kVendorIntel,     6,     kAny,   0,     kAny,  "P6 A"},
  {kVendorIntel,     6,     kAny,   1,     kAny,  "P6"},
  {kVendorIntel,     6,     kAny,   3,     kAny,  "P2"},
  {kVendorIntel,     6,     kAny,   5,     1,     "Celeron (Model 5)"},
  {kVendorIntel,     6,     kAny,   5,     kAny,  "P2 (Model 5)"},
  {kVendorIntel,     6,     kAny,   6,     kAny,  "Celeron"},
  {kVendorIntel,     6,     kAny,   7,     kAny,  "P III"},
  {kVendorIntel,     6,     kAny,   8,     1,     "Celeron"},
  {kVendorIntel,     6,     kAny,   8,     2,     "Pentium III"},
  {kVendorIntel,     6,     kAny,   8,     3,     "Pentium III Xeon"},
  {kVendorIntel,     6,     kAny,   8,     kAny,  "Pentium III class"},
  {kVendorIntel,     6,     kAny,   10,    kAny,  "Pentium III Xeon"},
  {kVendorIntel,     6,     kAny,   11,    4,     "P3"},
  {kVendorIntel,     6,     kAny,   11,    6,     "P3 mobile"},
  {kVendorIntel,     6,     kAny,   11,    kAny,  "Pentium III class"},
  {kVendorIntel,     6,     kAny,   kAny,  kAny,  "Pentium II/III class"},
  {kVendorIntel,     7,     kAny,   kAny,  kAny,  "Itanium1"},
  {kVendorIntel,     kAny,  1,      kAny,  kAny,  "Itanium2"},
  {kVendorIntel,     15,    kAny,   1,     8,     "Pentium 4"},
  {kVendorIntel,     15,    kAny,   1,     10,    "Celeron 4"},
  {kVendorIntel,     15,    kAny,   1,     11,    "Pentium 4 Xeon MP"},
  {kVendorIntel,     15,    kAny,   1,     14,    "Pentium 4 Xeon"},
  {kVendorIntel,     15,    kAny,   1,     kAny,  "Pentium 4 class"},
  {kVendorIntel,     15,    kAny,   2,     8,     "Celeron 4 mobile"},
  {kVendorIntel,     15,    kAny,   2,     9,     "Pentium 4a"},
  {kVendorIntel,     15,    kAny,   2,     10,    "Celeron 4"},
  {kVendorIntel,     15,    kAny,   2,     11,    "Pentium 4 Xeon "},
  {kVendorIntel,     15,    kAny,   2,     12,    "Pentium 4 Xeon MP "},
  {kVendorIntel,     15,    kAny,   2,     14,    "Pentium 4 mobile (production)"},
  {kVendorIntel,     15,    kAny,   2,     15,    "Pentium 4 mobile (samples)"},
  {kVendorIntel,     15,    kAny,   3,     kAny,  "{Pentium 4b}"},
  {kVendorIntel,     15,    kAny,   kAny,  kAny,  "Pentium 4 class"},

  {kVendorRise,      5,     kAny,   0,     kAny,  "mP6"},
  {kVendorRise,      5,     kAny,   2,     kAny,  "mP6"},
  {kVendorRise,      5,     kAny,   kAny,  kAny,  "Pentium class"},

  {kVendorCentaur,   5,     kAny,   4,     kAny,  "C6"},
  {kVendorCentaur,   5,     kAny,   8,     kAny,  "C2"},
  {kVendorCentaur,   5,     kAny,   9,     kAny,  "C3"},
  {kVendorCentaur,   5,     kAny,   kAny,  kAny,  "Pentium class"},
  {kVendorCentaur,   6,     kAny,   7,     kAny,  "VIA C3 Samuel 2"},
  {kVendorCentaur,   6,     kAny,   kAny,  kAny,  "Pentium class"},

  {kVendorNexGen,    5,     kAny,   0,     kAny,  "Nx586"},
  {kVendorNexGen,    5,     kAny,   kAny,  kAny,  "Pentium class"},

  {kVendorCyrix,     4,     kAny,   4,     kAny,  "Media GX"},
  {kVendorCyrix,     4,     kAny,   9,     kAny,  "Cx5x86"},
  {kVendorCyrix,     4,     kAny,   kAny,  kAny,  "486 class"},
  {kVendorCyrix,     5,     kAny,   2,     kAny,  "6x86"},
  {kVendorCyrix,     5,     kAny,   4,     kAny,  "GXm"},
  {kVendorCyrix,     5,     kAny,   kAny,  kAny,  "Pentium class"},
  {kVendorCyrix,     6,     kAny,   0,     kAny,  "6x86MX"},
  {kVendorCyrix,     6,     kAny,   5,     kAny,  "Cyrix M2 core"},
  {kVendorCyrix,     6,     kAny,   6,     kAny,  "WinChip C5A core"},
  {kVendorCyrix,     6,     kAny,   7,     kAny,  "WinChip C5"},
  {kVendorCyrix,     6,     kAny,   8,     kAny,  "WinChip C5C "},
  {kVendorCyrix,     6,     kAny,   kAny,  kAny,  "Pentium II class"},

  {kVendorAmd,       4,     kAny,   3,     kAny,  "Am486"},
  {kVendorAmd,       4,     kAny,   7,     kAny,  "Am486"},
  {kVendorAmd,       4,     kAny,   8,     kAny,  "Am486"},
  {kVendorAmd,       4,     kAny,   9,     kAny,  "Am486"},
  {kVendorAmd,       4,     kAny,   14,    kAny,  "Am5x86"},
  {kVendorAmd,       4,     kAny,   15,    kAny,  "Am5x86"},
  {kVendorAmd,       4,     kAny,   kAny,  kAny,  "486 class"},
  {kVendorAmd,       5,     kAny,   0,     kAny,  "K5 (Model 0)"},
  {kVendorAmd,       5,     kAny,   1,     kAny,  "K5 (Model 1)"},
  {kVendorAmd,       5,     kAny,   2,     kAny,  "K5 (Model 2)"},
  {kVendorAmd,       5,     kAny,   3,     kAny,  "K5 (Model 3)"},
  {kVendorAmd,       5,     kAny,   6,     kAny,  "K6 (Model 6)"},
  {kVendorAmd,       5,     kAny,   7,     kAny,  "K6 (Model 7)"},
  {kVendorAmd,       5,     kAny,   8,     kAny,  "K6-2"},
  {kVendorAmd,       5,     kAny,   9,     kAny,  "K6-III"},
  {kVendorAmd,       5,     kAny,   13,    kAny,  "K6-2+/K6-III+"},
  {kVendorAmd,       5,     kAny,   kAny,  kAny,  "Pentium class"},
  {kVendorAmd,       6,     kAny,   1,     kAny,  "Athlon (0.25 \xB5" "m)"},
  {kVendorAmd,       6,     kAny,   2,     kAny,  "Athlon (0.18 \xB5" "m)"},
  {kVendorAmd,       6,     kAny,   3,     kAny,  "Duron (SF core)"},
  {kVendorAmd,       6,     kAny,   4,     kAny,  "Athlon (TB core)"},
  {kVendorAmd,       6,     kAny,   6,     kAny,  "Athlon XP/MP (PM core)"},
  {kVendorAmd,       6,     kAny,   7,     kAny,  "Duron (MG core)"},
  {kVendorAmd,       6,     kAny,   8,     kAny,  "Athlon XP (TH core)"},
  {kVendorAmd,       6,     kAny,   10,    kAny,  "Athlon XP (BT core)"},
  {kVendorAmd,       6,     kAny,   kAny,  kAny,  "Athlon class"},
  {kVendorAmd,       15,    kAny,   0,     kAny,  "Athlon ST"},
  {kVendorAmd,       15,    kAny,   1,     kAny,  "Athlon ST"},
  {kVendorAmd,       15,    kAny,   kAny,  kAny,  "??"},
  {kVendorAmd,       7,     kAny,   0,     kAny,  "Athlon"},
  {kVendorAmd,       7,     kAny,   1,     kAny,  "Athlon"},
  {kVendorAmd,       7,     kAny,   kAny,  kAny,  "??"},
};
// clang-format on

constexpr bool Fits(int column, int value) {
  return column == kAny || column == value;
}

constexpr bool SameBlock(const NameRow& a, const NameRow& b) {
  return a.vendor == b.vendor && a.family == b.family && a.extended_family == b.extended_family;
}

// Within a block, a row behind an earlier one with the same model and the same or any brand
// index could never be picked.
constexpr bool EveryRowReachable(std::span<const NameRow> rows) {
  for (std::size_t later = 0; later < rows.size(); ++later) {
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      const NameRow& a = rows[earlier];
      const NameRow& b = rows[later];
      if (SameBlock(a, b) && a.model == b.model && Fits(a.brand, b.brand)) return false;
    }
  }
  return true;
}
static_assert(EveryRowReachable(kNameRows));

// The row a block gives for this model and brand index, or nullptr when it gives none.
const NameRow* PickRow(std::span<const NameRow> block, int model, int brand) {
  bool listed = false;
  for (const NameRow& row : block) listed = listed || row.model == model;
  for (const NameRow& row : block) {
    bool model_fits = listed ? row.model == model : row.model == kAny;
    if (model_fits && Fits(row.brand, brand)) return &row;
  }
  return nullptr;
}

}  // namespace

std::string GetProcessorName() {
  ReadSignature();
  std::string name;
  std::span<const NameRow> rows(kNameRows);
  while (!rows.empty()) {
    std::size_t length = 1;
    while (length < rows.size() && SameBlock(rows[0], rows[length])) ++length;
    std::span<const NameRow> block = rows.first(length);
    rows = rows.subspan(length);

    const NameRow& head = block.front();
    if (!Fits(head.family, CpuidState.Family) ||
        !Fits(head.extended_family, CpuidState.ExtendedFamily) || !VendorIs(head.vendor)) {
      continue;
    }
    if (const NameRow* row = PickRow(block, CpuidState.Model, CpuidState.BrandIndex)) {
      name = row->name;
    }
  }
  return name;
}
