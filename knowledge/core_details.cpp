// The core architecture texts of the three described cores, chosen by vendor and family.
#include "knowledge/core_details.h"

#include <cstdint>
#include <string_view>

#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"

namespace {

// The seven texts are always written together.
struct CoreTexts {
  std::string_view generic_detail;
  std::string_view specific_details;
  std::string_view registers;
  std::string_view pipeline_depth;
  std::string_view instruction_decode;
  std::string_view execution_units;
  std::string_view execution_speed;
};

// clang-format off
constexpr CoreTexts kAmdFamily6 = {
  "RISC, Out-of-order and Speculative Execution",
  "72 MOP Entry ROB/ICU, 18 MOP Entry Integer Scheduler,36 MOP Entry FP Scheduler",
  "32 Bit Integer, 80 Bit FP, 64 Bit MM, 24 Entry 32 Bit 9xRead 8xWrite IFFRF (Integer RAT), "
    "88 Entry 90 Bit 5xRead 5xWrite FPRF (FP RAT)",
  "10 (Integer), 15 (FP)",
  "Direct and Vector Path,up to 3x IA-32/Cycle ,up to 3x MOPs/Cycle,up to 6x ROPs/Cycle",
  "3x IEU (2x w/ MUL, 1x w/o MUL), 3x AGU (1x/IEU), 3x Pipelined FP (1x ADD, 1x MUL, 1x STORE)",
  "Up to 3x Integer MOPs/Cycle, up to 6x Integer ROPs/Cycle, up to 3x FP ROPs/Cycle",
};

constexpr CoreTexts kIntelFamily6 = {
  "RISC, Out-of-order and Speculative Execution",
  "20 Entry RS, 40 Entry ROB",
  "32 Bit Integer, 80 Bit FP, 64 Bit MM, 128 Bit SSE, 40 Entry RAT",
  "12 (In-order) plus 2 (Out-of-order) Stages",
  "3x IA-32/Cycle, 6x (4+1+1) \xB5OPs/Cycle",
  "2x ALU/MMX/SSE, Load, Store Adress, Store Data, Pipelined FPU",
  "Up to 5 \xB5OPs/Cycle",
};

constexpr CoreTexts kIntelFamily15 = {
  "RISC, Out-of-order and Speculative Execution",
  "up to 126 \xB5OPs In-flight,up to 48 Loads In-flight, up to 24 Stores In-Flight ",
  "32 Bit Integer, 80 Bit FP, 64 Bit MM, 128 Bit SSE and SSE2, 128 Entry Integer Register File, "
    "??? Entry FP Register File ",
  "20 Stages (excludes ??? Decode Stages before Trace Cache)",
  "1 IA-32/Cycle",
  "Port 0: Double-pumped ALU, FP Move/Store/FXCH, Port 1: Double-pumped ALU, Slow ALU, "
    "FP Execute, Port 2: Load, Port 3: Store ",
  "up to 6 \xB5OPs/Cycle",
};

struct CoreRow {
  std::string_view vendor;
  int32_t family;
  const CoreTexts* texts;
};

// Further sets exist for other cores, selected by Family + Model equal to numbers from 52
// to 125; the sum never exceeds 30, so they can never apply and are left out.
constexpr CoreRow kCoreRows[] = {
  // vendor        family  texts
  {kVendorAmd,     6,      &kAmdFamily6},
  {kVendorIntel,   6,      &kIntelFamily6},
  {kVendorIntel,   15,     &kIntelFamily15},
};
// clang-format on

void Write(const CoreTexts& texts) {
  CpuidState.GenericDetail.assign(texts.generic_detail);
  CpuidState.SpecificDetails.assign(texts.specific_details);
  CpuidState.Registers.assign(texts.registers);
  CpuidState.PipelineDepth.assign(texts.pipeline_depth);
  CpuidState.InstructionDecode.assign(texts.instruction_decode);
  CpuidState.ExecutionUnits.assign(texts.execution_units);
  CpuidState.ExecutionSpeed.assign(texts.execution_speed);
}

}  // namespace

// Apply-all: every applying row writes its set; with no applying row all seven fields stay.
void FillCoreDetails() {
  for (const CoreRow& row : kCoreRows) {
    if (VendorIs(row.vendor) && CpuidState.Family == row.family) Write(*row.texts);
  }
}
