// AMD leaves 80000005h (L1 caches and TLBs) and 80000006h (L2), into CpuidState.
#pragma once

void DecodeAmdL1();
void DecodeAmdL2();
