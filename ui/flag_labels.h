// Flag labels: which flag of the processor record drives a label, and the two colouring rules.
#pragma once

#include <cstdint>
#include <string_view>

#include "cpu/cpuid_state.h"

class QWidget;

// A leaf-1 flag of the record, or an entry of ExtFlags.
struct FlagRef {
  int32_t TCpuidState::*field = nullptr;
  int ext_entry = 0;

  int32_t Value() const { return field ? CpuidState.*field : CpuidState.ExtFlags[ext_entry]; }
};

constexpr FlagRef Leaf1(int32_t TCpuidState::*field) {
  return {field, 0};
}
// Entry i of ExtFlags is leaf 80000001h EDX bit 31 - i.
constexpr FlagRef Ext(int entry) {
  return {nullptr, entry};
}

struct FlagLabel {
  std::string_view label;
  FlagRef flag;
};

// Summary page: green when set; red and disabled when clear.
void ApplySummaryFlagRule(QWidget& form, std::string_view label, int32_t flag);
// Featureset page: green when set; disabled, colour unchanged, when clear.
void ApplyFeaturesetFlagRule(QWidget& form, std::string_view label, int32_t flag);
