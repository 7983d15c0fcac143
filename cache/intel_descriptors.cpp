// Leaf-2 decoding: seven descriptor bytes into the Cache page texts and the Summary cache sizes.
#include "cache/intel_descriptors.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "cache/intel_descriptor_table.h"
#include "cpu/cpuid.h"

namespace {

constexpr int kSlotCount = 7;

struct SlotPosition {
  bool from_edx;  // false: EAX
  int shift;
};

// Slot order of the list; EAX bits 7..0 hold the repeat count and EBX/ECX are not examined.
// clang-format off
constexpr std::array<SlotPosition, kSlotCount> kSlots{{
    {false, 24},
    {false, 16},
    {false,  8},
    {true,  24},
    {true,  16},
    {true,   8},
    {true,   0},
}};
// clang-format on

// The L2 descriptor is also shown at the top of the list. Every matching test
// replaces entry 0, so the last match in this order decides; 7Bh alone is
// looked for one slot further on.
struct TopEntryTest {
  int slot;
  uint8_t byte;
};

// clang-format off
constexpr std::array<TopEntryTest, 14> kTopEntryTests{{
    {4, 0x41}, {4, 0x42}, {4, 0x43}, {4, 0x44}, {4, 0x45}, {4, 0x79}, {4, 0x7A},
    {5, 0x7B},
    {4, 0x7C}, {4, 0x81}, {4, 0x82}, {4, 0x83}, {4, 0x84}, {4, 0x85},
}};
// clang-format on

static_assert(
    [] {
      for (const TopEntryTest& test : kTopEntryTests) {
        const IntelDescriptorRow* row = FindIntelDescriptor(test.byte);
        if (row == nullptr || row->text.empty() || row->l2.empty()) return false;
      }
      return true;
    }(),
    "every byte promoted to the top of the list is an L2 descriptor with a text");

using SlotRows = std::array<const IntelDescriptorRow*, kSlotCount>;

// Sizes taken from whichever slot holds them last; a slot without one leaves the field as it was.
void KeepLastSize(const SlotRows& rows, std::string_view IntelDescriptorRow::*size,
                  std::string& field) {
  for (const IntelDescriptorRow* row : rows) {
    if (row != nullptr && !(row->*size).empty()) field = row->*size;
  }
}

}  // namespace

void DecodeIntelDescriptors() {
  const CpuidRegisters regs = ExecuteCpuid(2);

  std::array<uint8_t, kSlotCount> bytes{};
  SlotRows rows{};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const uint32_t reg = kSlots[slot].from_edx ? regs.edx : regs.eax;
    bytes[slot] = static_cast<uint8_t>(reg >> kSlots[slot].shift);
    rows[slot] = FindIntelDescriptor(bytes[slot]);
  }

  auto& texts = CpuidState.DescriptorTexts;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (rows[slot] != nullptr && !rows[slot]->text.empty()) texts[slot] = rows[slot]->text;
  }

  for (const TopEntryTest& test : kTopEntryTests) {
    if (bytes[test.slot] == test.byte) texts[0] = rows[test.slot]->text;
  }

  // Unlike the other sizes, the L3 size is reset every run and the first slot wins.
  CpuidState.L3SizeKB = 0;
  for (const IntelDescriptorRow* row : rows) {
    if (row != nullptr && row->l3_kb != 0) {
      CpuidState.L3SizeKB = row->l3_kb;
      break;
    }
  }

  KeepLastSize(rows, &IntelDescriptorRow::l2, CpuidState.L2SizeText);
  KeepLastSize(rows, &IntelDescriptorRow::l1_code, CpuidState.L1CodeSizeText);
  KeepLastSize(rows, &IntelDescriptorRow::l1_data, CpuidState.L1DataSizeText);
}
