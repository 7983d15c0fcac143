// Prints the processor query's view of this machine (a stop-gap until the window exists).
#include <cstdio>

#include "cpu/cpuid.h"

int main() {
  ReadMaxStandardLeaf();
  ReadSignature();
  std::string instruction_set = GetInstructionSet();
  std::printf("Vendor:          %s\n", ReadVendorString().c_str());
  std::printf("Instruction set: %s\n", instruction_set.c_str());
  std::printf("Level:           %d\n", CpuidState.MaxStandardLeaf);
  std::printf("Family/Model/Stepping: %d/%d/%d\n", CpuidState.Family, CpuidState.Model,
              CpuidState.Stepping);
  std::printf("Brand:           %s\n", ReadBrandString().c_str());
  return 0;
}
