// The signature object behind ReadExtendedFeatures.
#include "cpu/tcpuid.h"

#include <cstring>

#include "cpu/cpuid.h"

namespace {

void StoreLittleEndian(uint32_t reg, char* out) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((reg >> (8 * i)) & 0xFF);
}

}  // namespace

TCPUID::TCPUID() {
  Available = Query();
}

void TCPUID::ReadExtendedLeaf(uint32_t& eax, uint32_t& ebx, uint32_t& ecx, uint32_t& edx) {
  // Leaf 80000000h is deliberately not consulted first: whatever the
  // processor answers for 80000001h is decoded.
  CpuidRegisters r = ExecuteCpuid(0x80000001);
  eax = r.eax;
  ebx = r.ebx;
  ecx = r.ecx;
  edx = r.edx;
}

void TCPUID::ReadVendorChars(std::array<char, 12>& chars) {
  CpuidRegisters r = ExecuteCpuid(0);
  StoreLittleEndian(r.ebx, &chars[0]);
  StoreLittleEndian(r.edx, &chars[4]);
  StoreLittleEndian(r.ecx, &chars[8]);
}

bool TCPUID::Query() {
  if (!IsCpuidSupported()) return false;
  ReadExtendedLeaf(RegEax, RegEbx, RegEcx, RegEdx);
  ProcessorType = static_cast<int32_t>((RegEax >> 12) & 3);
  Family = static_cast<int32_t>((RegEax >> 8) & 0xF);
  Model = static_cast<int32_t>((RegEax >> 4) & 0xF);
  Stepping = static_cast<int32_t>(RegEax & 0xF);
  for (int i = 0; i < 32; ++i) Flags[i] = static_cast<int32_t>((RegEdx >> (31 - i)) & 1);
  ReadVendorChars(VendorChars);
  VendorName.assign(VendorChars.data(), strnlen(VendorChars.data(), VendorChars.size()));
  return true;
}
