// Leaf-2 cache and TLB descriptors: texts and the L1/L2/L3 sizes, into CpuidState.
#pragma once

void DecodeIntelDescriptors();
