// TCPUID: the small signature object that tests for CPUID and reads leaf
// 80000001h and the vendor into fields of its own.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class TCPUID {
 public:
  TCPUID();

  bool Query();
  void ReadExtendedLeaf(uint32_t& eax, uint32_t& ebx, uint32_t& ecx, uint32_t& edx);
  void ReadVendorChars(std::array<char, 12>& chars);

  bool Available = false;
  uint32_t RegEax = 0;
  uint32_t RegEbx = 0;
  uint32_t RegEcx = 0;
  uint32_t RegEdx = 0;
  int32_t ProcessorType = 0;  // two bits here, unlike the record's four
  int32_t Family = 0;
  int32_t Model = 0;
  int32_t Stepping = 0;
  std::array<char, 12> VendorChars{};
  std::string VendorName = "unknown";
  std::array<int32_t, 32> Flags{};  // Flags[i] is RegEdx bit 31 - i
};
