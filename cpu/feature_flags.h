// The 43 leaf-1 feature flags: record field, register, bit and mnemonic, in stored order.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "cpu/cpuid_state.h"

enum class FlagRegister { Ecx, Edx };

struct FeatureFlagRow {
  int32_t TCpuidState::*field;
  FlagRegister reg;
  int bit;
  std::string_view mnemonic;
};

// clang-format off
inline constexpr std::array<FeatureFlagRow, 43> kFeatureFlags{{
    {&TCpuidState::FlagCID,   FlagRegister::Ecx, 10, "cid"},
    {&TCpuidState::FlagTM2,   FlagRegister::Ecx,  8, "tm2"},
    {&TCpuidState::FlagDSCPL, FlagRegister::Ecx,  4, "dscpl"},
    {&TCpuidState::FlagMON,   FlagRegister::Ecx,  3, "mon"},
    {&TCpuidState::FlagEcx9,  FlagRegister::Ecx,  9, "reserved"},
    {&TCpuidState::FlagEcx7,  FlagRegister::Ecx,  7, "reserved"},
    {&TCpuidState::FlagEcx6,  FlagRegister::Ecx,  6, "reserved"},
    {&TCpuidState::FlagEcx5,  FlagRegister::Ecx,  5, "reserved"},
    {&TCpuidState::FlagEcx2,  FlagRegister::Ecx,  2, "reserved"},
    {&TCpuidState::FlagEcx1,  FlagRegister::Ecx,  1, "reserved"},
    {&TCpuidState::FlagSSE3,  FlagRegister::Ecx,  0, "sse3"},
    {&TCpuidState::FlagVME,   FlagRegister::Edx,  1, "vme"},
    {&TCpuidState::FlagFPU,   FlagRegister::Edx,  0, "fpu"},
    {&TCpuidState::FlagDE,    FlagRegister::Edx,  2, "de"},
    {&TCpuidState::FlagPSE,   FlagRegister::Edx,  3, "pse"},
    {&TCpuidState::FlagMSR,   FlagRegister::Edx,  5, "msr"},
    {&TCpuidState::FlagTSC,   FlagRegister::Edx,  4, "tsc"},
    {&TCpuidState::FlagPAE,   FlagRegister::Edx,  6, "pae"},
    {&TCpuidState::FlagMCE,   FlagRegister::Edx,  7, "mce"},
    {&TCpuidState::FlagCX8,   FlagRegister::Edx,  8, "cx8"},
    {&TCpuidState::FlagAPIC,  FlagRegister::Edx,  9, "apic"},
    {&TCpuidState::FlagSEP,   FlagRegister::Edx, 11, "sep"},
    {&TCpuidState::FlagMTRR,  FlagRegister::Edx, 12, "mtrr"},
    {&TCpuidState::FlagPGE,   FlagRegister::Edx, 13, "pge"},
    {&TCpuidState::FlagMCA,   FlagRegister::Edx, 14, "mca"},
    {&TCpuidState::FlagPAT,   FlagRegister::Edx, 16, "pat"},
    {&TCpuidState::FlagCMOV,  FlagRegister::Edx, 15, "cmov"},
    {&TCpuidState::FlagPSE36, FlagRegister::Edx, 17, "pse36"},
    {&TCpuidState::FlagPSN,   FlagRegister::Edx, 18, "psn"},
    {&TCpuidState::FlagCLFL,  FlagRegister::Edx, 19, "clfl"},
    {&TCpuidState::FlagDTES,  FlagRegister::Edx, 21, "dtes"},
    {&TCpuidState::FlagEdx20, FlagRegister::Edx, 20, "reserved"},
    {&TCpuidState::FlagEdx10, FlagRegister::Edx, 10, "reserved"},
    {&TCpuidState::FlagMMX,   FlagRegister::Edx, 23, "mmx"},
    {&TCpuidState::FlagACPI,  FlagRegister::Edx, 22, "acpi"},
    {&TCpuidState::FlagFXSR,  FlagRegister::Edx, 24, "fxsr"},
    {&TCpuidState::FlagSS,    FlagRegister::Edx, 27, "ss"},
    {&TCpuidState::FlagSSE,   FlagRegister::Edx, 25, "sse"},
    {&TCpuidState::FlagSSE2,  FlagRegister::Edx, 26, "sse2"},
    {&TCpuidState::FlagHTT,   FlagRegister::Edx, 28, "htt"},
    {&TCpuidState::FlagPBE,   FlagRegister::Edx, 31, "pbe"},
    {&TCpuidState::FlagIA64,  FlagRegister::Edx, 30, "ia64"},
    {&TCpuidState::FlagTM,    FlagRegister::Edx, 29, "tm"},
}};
// clang-format on
