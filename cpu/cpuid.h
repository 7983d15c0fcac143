// The processor query: CPUID readers that fill the query group of CpuidState.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cpu/cpuid_state.h"
#include "platform/cpuid_source.h"

inline constexpr std::string_view kVendorIntel = "GenuineIntel";
inline constexpr std::string_view kVendorAmd = "AuthenticAMD";
inline constexpr std::string_view kVendorCyrix = "CyrixInstead";
inline constexpr std::string_view kVendorCentaur = "CentaurHauls";
inline constexpr std::string_view kVendorRise = "RiseRiseRise";
inline constexpr std::string_view kVendorNexGen = "NexGenDriven";

// The one primitive every reader goes through.
CpuidRegisters ExecuteCpuid(uint32_t leaf);

void ReadMaxStandardLeaf();
void ReadLeaf(uint32_t& eax, uint32_t& ebx, uint32_t& ecx, uint32_t& edx);
void ReadSignature();
void ReadFeatureFlags();
void ReadExtendedFeatures();
// Exactly 12 bytes, NUL bytes kept.
std::string ReadVendorString();
// Exactly 48 bytes, leading blanks and NUL bytes kept.
std::string ReadBrandString();
std::string GetInstructionSet();
bool IsCpuidSupported();

// True when the vendor string read afresh equals `vendor` byte for byte.
bool VendorIs(std::string_view vendor);
