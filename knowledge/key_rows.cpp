// Matching the shared key rows against the processor record.
#include "knowledge/key_rows.h"

#include "cpu/cpuid_state.h"

bool Passes(const KeyTest& test) {
  switch (test.field) {
    case KeyField::kSignatureKey:
      return CpuidState.SignatureKey == test.text;
    case KeyField::kFamilyModelKey:
      return CpuidState.FamilyModelKey == test.text;
    case KeyField::kKeyFamily:
      return CpuidState.KeyFamily == test.number;
    case KeyField::kKeyModel:
      return CpuidState.KeyModel == test.number;
    case KeyField::kFamily:
      return CpuidState.Family == test.number;
    case KeyField::kModel:
      return CpuidState.Model == test.number;
  }
  return false;
}

std::string_view FirstPassing(std::span<const KeyRow> rows, std::string_view fallback) {
  for (const KeyRow& row : rows) {
    if (Passes(row.test)) return row.text;
  }
  return fallback;
}
