// Leaves 80000005h and 80000006h: every bit field as decimal text plus the associativity wording.
#include "cache/amd_cache.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cpu/cpuid.h"

namespace {

enum class Reg { Eax, Ebx, Ecx, Edx };

using TextField = std::string TCpuidState::*;

struct BitField {
  Reg reg;
  int shift;
  int width;
  TextField field;
};

uint32_t RegisterValue(const CpuidRegisters& regs, Reg reg) {
  switch (reg) {
    case Reg::Eax:
      return regs.eax;
    case Reg::Ebx:
      return regs.ebx;
    case Reg::Ecx:
      return regs.ecx;
    case Reg::Edx:
      return regs.edx;
  }
  return 0;
}

uint32_t Extract(const CpuidRegisters& regs, const BitField& f) {
  const uint32_t mask = (1u << f.width) - 1u;
  return (RegisterValue(regs, f.reg) >> f.shift) & mask;
}

void StoreDecimal(const CpuidRegisters& regs, std::span<const BitField> fields) {
  for (const BitField& f : fields) CpuidState.*f.field = std::to_string(Extract(regs, f));
}

// clang-format off
constexpr std::array<BitField, 16> kLeaf80000005Fields{{
    {Reg::Eax, 24, 8, &TCpuidState::AmdL1DataTlb2M4MAssoc},
    {Reg::Eax, 16, 8, &TCpuidState::AmdL1DataTlb2M4MEntries},
    {Reg::Eax,  8, 8, &TCpuidState::AmdL1CodeTlb2M4MAssoc},
    {Reg::Eax,  0, 8, &TCpuidState::AmdL1CodeTlb2M4MEntries},
    {Reg::Ebx, 24, 8, &TCpuidState::AmdL1DataTlb4KAssoc},
    {Reg::Ebx, 16, 8, &TCpuidState::AmdL1DataTlb4KEntries},
    {Reg::Ebx,  8, 8, &TCpuidState::AmdL1CodeTlb4KAssoc},
    {Reg::Ebx,  0, 8, &TCpuidState::AmdL1CodeTlb4KEntries},
    {Reg::Ecx, 24, 8, &TCpuidState::AmdL1DataSize},
    {Reg::Ecx, 16, 8, &TCpuidState::AmdL1DataAssoc},
    {Reg::Ecx,  8, 8, &TCpuidState::AmdL1DataLinesPerTag},
    {Reg::Ecx,  0, 8, &TCpuidState::AmdL1DataLineSize},
    {Reg::Edx, 24, 8, &TCpuidState::AmdL1CodeSize},
    {Reg::Edx, 16, 8, &TCpuidState::AmdL1CodeAssoc},
    {Reg::Edx,  8, 8, &TCpuidState::AmdL1CodeLinesPerTag},
    {Reg::Edx,  0, 8, &TCpuidState::AmdL1CodeLineSize},
}};

// EAX (the large-page L2 TLBs) and EDX of this leaf are not decoded.
constexpr std::array<BitField, 8> kLeaf80000006Fields{{
    {Reg::Ebx, 28,  4, &TCpuidState::AmdL2DataTlbAssoc},
    {Reg::Ebx, 16, 12, &TCpuidState::AmdL2DataTlbEntries},
    {Reg::Ebx, 12,  4, &TCpuidState::AmdL2CodeTlbAssoc},
    {Reg::Ebx,  0, 12, &TCpuidState::AmdL2CodeTlbEntries},
    {Reg::Ecx, 16, 16, &TCpuidState::AmdL2Size},
    {Reg::Ecx, 12,  4, &TCpuidState::AmdL2Assoc},
    {Reg::Ecx,  8,  4, &TCpuidState::AmdL2LinesPerTag},
    {Reg::Ecx,  0,  8, &TCpuidState::AmdL2LineSize},
}};
// clang-format on

// A code without a row, or a row whose column holds kUnchanged, leaves the text as it was.
constexpr std::optional<std::string_view> kUnchanged = std::nullopt;

// The L1 caches count their ways directly; only the instruction cache calls 0 "Disabled".
struct L1AssocRow {
  uint32_t code;
  std::optional<std::string_view> data_text;
  std::optional<std::string_view> code_text;
};

// The L2 cache and L2 TLBs use a 4-bit encoding where 6 means 8 ways and 8 means 16.
struct L2AssocRow {
  uint32_t code;
  std::string_view text;
};

// clang-format off
constexpr std::array<L1AssocRow, 6> kL1Assoc{{
//  code  data cache     instruction cache
    {  0, kUnchanged,    "Disabled"},
    {  2, "2-Way",       "2-Way"},
    {  4, "4-Way",       "4-Way"},
    {  6, "6-Way",       "6-Way"},
    {  8, "8-Way",       "8-Way"},
    {255, "Full-Way",    "Full-Way"},
}};

constexpr std::array<L2AssocRow, 7> kL2Assoc{{
    { 0, "L2 Off"},
    { 1, "Direct mapped"},
    { 2, "2-Way"},
    { 4, "4-Way"},
    { 6, "8-Way"},
    { 8, "16-Way"},
    {15, "Full-Way"},
}};

struct L1AssocText {
  BitField code;
  std::optional<std::string_view> L1AssocRow::*column;
};

constexpr std::array<L1AssocText, 2> kL1AssocTexts{{
    {{Reg::Ecx, 16, 8, &TCpuidState::AmdL1DataAssocText}, &L1AssocRow::data_text},
    {{Reg::Edx, 16, 8, &TCpuidState::AmdL1CodeAssocText}, &L1AssocRow::code_text},
}};

constexpr std::array<BitField, 3> kL2AssocTexts{{
    {Reg::Ebx, 28, 4, &TCpuidState::AmdL2DataTlbAssocText},
    {Reg::Ebx, 12, 4, &TCpuidState::AmdL2CodeTlbAssocText},
    {Reg::Ecx, 12, 4, &TCpuidState::AmdL2AssocText},
}};
// clang-format on

template <typename Row, size_t N>
constexpr bool CodesAreUnique(const std::array<Row, N>& rows) {
  for (size_t i = 0; i < N; ++i) {
    for (size_t j = i + 1; j < N; ++j) {
      if (rows[i].code == rows[j].code) return false;
    }
  }
  return true;
}
static_assert(CodesAreUnique(kL1Assoc) && CodesAreUnique(kL2Assoc));

template <typename Row, size_t N>
const Row* FindCode(const std::array<Row, N>& rows, uint32_t code) {
  auto found = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.code == code; });
  return found == rows.end() ? nullptr : &*found;
}

}  // namespace

void DecodeAmdL1() {
  const CpuidRegisters regs = ExecuteCpuid(0x80000005);
  StoreDecimal(regs, kLeaf80000005Fields);
  for (const L1AssocText& t : kL1AssocTexts) {
    if (const L1AssocRow* row = FindCode(kL1Assoc, Extract(regs, t.code))) {
      if (const auto& text = row->*t.column) CpuidState.*t.code.field = *text;
    }
  }
}

void DecodeAmdL2() {
  const CpuidRegisters regs = ExecuteCpuid(0x80000006);
  StoreDecimal(regs, kLeaf80000006Fields);
  for (const BitField& t : kL2AssocTexts) {
    if (const L2AssocRow* row = FindCode(kL2Assoc, Extract(regs, t))) {
      CpuidState.*t.field = row->text;
    }
  }
}
