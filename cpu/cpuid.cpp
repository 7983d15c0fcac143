// CPUID readers filling the query group of the processor record.
#include "cpu/cpuid.h"

#include "cpu/feature_flags.h"
#include "cpu/tcpuid.h"

namespace {

void AppendLittleEndian(std::string& out, uint32_t reg) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((reg >> (8 * i)) & 0xFF));
}

int32_t Bits(uint32_t value, int shift, uint32_t mask) {
  return static_cast<int32_t>((value >> shift) & mask);
}

}  // namespace

CpuidRegisters ExecuteCpuid(uint32_t leaf) {
  return CurrentCpuidSource().Execute(leaf, 0);
}

bool IsCpuidSupported() {
  return CurrentCpuidSource().IdFlagToggles();
}

void ReadMaxStandardLeaf() {
  CpuidState.MaxStandardLeaf = static_cast<int32_t>(ExecuteCpuid(0).eax);
}

void ReadLeaf(uint32_t& eax, uint32_t& ebx, uint32_t& ecx, uint32_t& edx) {
  CpuidRegisters r = ExecuteCpuid(static_cast<uint32_t>(CpuidState.RequestedLeaf));
  eax = r.eax;
  ebx = r.ebx;
  ecx = r.ecx;
  edx = r.edx;
}

void ReadSignature() {
  CpuidState.RequestedLeaf = 1;
  uint32_t eax, ebx, ecx, edx;
  ReadLeaf(eax, ebx, ecx, edx);
  CpuidState.ProcessorType = Bits(eax, 12, 0xF);
  CpuidState.Family = Bits(eax, 8, 0xF);
  CpuidState.Model = Bits(eax, 4, 0xF);
  CpuidState.Stepping = Bits(eax, 0, 0xF);
  CpuidState.BrandIndex = Bits(ebx, 0, 0xF);
  CpuidState.ExtendedFamily = Bits(eax, 20, 0xF);
}

void ReadFeatureFlags() {
  CpuidState.RequestedLeaf = 1;
  uint32_t eax, ebx, ecx, edx;
  ReadLeaf(eax, ebx, ecx, edx);
  for (const FeatureFlagRow& flag : kFeatureFlags) {
    uint32_t reg = flag.reg == FlagRegister::Ecx ? ecx : edx;
    CpuidState.*flag.field = Bits(reg, flag.bit, 1);
  }
}

void ReadExtendedFeatures() {
  TCPUID signature;
  CpuidState.ExtFamily = signature.Family;
  CpuidState.ExtModel = signature.Model;
  CpuidState.ExtStepping = signature.Stepping;
  CpuidState.ExtFlags = signature.Flags;
}

std::string ReadVendorString() {
  CpuidRegisters r = ExecuteCpuid(0);
  std::string vendor;
  vendor.reserve(12);
  AppendLittleEndian(vendor, r.ebx);
  AppendLittleEndian(vendor, r.edx);
  AppendLittleEndian(vendor, r.ecx);
  return vendor;
}

std::string ReadBrandString() {
  std::string brand;
  brand.reserve(48);
  for (uint32_t leaf = 0x80000002; leaf <= 0x80000004; ++leaf) {
    CpuidRegisters r = ExecuteCpuid(leaf);
    AppendLittleEndian(brand, r.eax);
    AppendLittleEndian(brand, r.ebx);
    AppendLittleEndian(brand, r.ecx);
    AppendLittleEndian(brand, r.edx);
  }
  return brand;
}

std::string GetInstructionSet() {
  ReadFeatureFlags();
  ReadExtendedFeatures();
  if (CpuidState.FlagIA64 == 1) return "IA-64";
  if (CpuidState.ExtFlags[2] == 1) return "X86-64-(AA64)";
  return "X86-(IA32)";
}

bool VendorIs(std::string_view vendor) {
  return ReadVendorString() == vendor;
}
