// Rebuilding the shared lookup keys from the signature.
#include "knowledge/lookup_keys.h"

#include <string>

#include "cpu/cpuid_state.h"

void RebuildLookupKeys() {
  CpuidState.KeyFamily = CpuidState.Family;
  CpuidState.KeyModel = CpuidState.Model;
  CpuidState.KeyStepping = CpuidState.Stepping;
  // The keys carry no separator, so "6111" stands for both 6/1/11 and 6/11/1.
  CpuidState.FamilyModelKey =
      std::to_string(CpuidState.KeyFamily) + std::to_string(CpuidState.KeyModel);
  CpuidState.SignatureKey = CpuidState.FamilyModelKey + std::to_string(CpuidState.KeyStepping);
}
