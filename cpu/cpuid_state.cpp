// The one processor record.
#include "cpu/cpuid_state.h"

TCpuidState CpuidState;

void ResetCpuidState() {
  CpuidState = TCpuidState{};
}
