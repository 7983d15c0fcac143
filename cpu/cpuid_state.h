// The processor record: one instance for the whole program, filled in place
// by the query, the knowledge tables, the cache decoders and the clock.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct TCpuidState {
  // Query group, in the order the processor query writes and documents it.
  int32_t ExtFamily = 0;
  int32_t ExtModel = 0;
  int32_t ExtStepping = 0;
  std::array<int32_t, 32> ExtFlags{};  // entry i is leaf 80000001h EDX bit 31 - i
  int32_t BrandIndex = 0;              // leaf 1 EBX bits 3..0 only
  int32_t FlagCID = 0;
  int32_t FlagTM2 = 0;
  int32_t FlagDSCPL = 0;
  int32_t FlagMON = 0;
  int32_t FlagEcx9 = 0;
  int32_t FlagEcx7 = 0;
  int32_t FlagEcx6 = 0;
  int32_t FlagEcx5 = 0;
  int32_t FlagEcx2 = 0;
  int32_t FlagEcx1 = 0;
  int32_t FlagSSE3 = 0;
  int32_t FlagVME = 0;
  int32_t FlagFPU = 0;
  int32_t FlagDE = 0;
  int32_t FlagPSE = 0;
  int32_t FlagMSR = 0;
  int32_t FlagTSC = 0;
  int32_t FlagPAE = 0;
  int32_t FlagMCE = 0;
  int32_t FlagCX8 = 0;
  int32_t FlagAPIC = 0;
  int32_t FlagSEP = 0;
  int32_t FlagMTRR = 0;
  int32_t FlagPGE = 0;
  int32_t FlagMCA = 0;
  int32_t FlagPAT = 0;
  int32_t FlagCMOV = 0;
  int32_t FlagPSE36 = 0;
  int32_t FlagPSN = 0;
  int32_t FlagCLFL = 0;
  int32_t FlagDTES = 0;
  int32_t FlagEdx20 = 0;
  int32_t FlagEdx10 = 0;
  int32_t FlagMMX = 0;
  int32_t FlagACPI = 0;
  int32_t FlagFXSR = 0;
  int32_t FlagSS = 0;
  int32_t FlagSSE = 0;
  int32_t FlagSSE2 = 0;
  int32_t FlagHTT = 0;
  int32_t FlagPBE = 0;
  int32_t FlagIA64 = 0;
  int32_t FlagTM = 0;
  int32_t ProcessorType = 0;  // leaf 1 EAX bits 15..12 (four bits, not two)
  int32_t Family = 0;
  int32_t Model = 0;
  int32_t Stepping = 0;
  int32_t ExtendedFamily = 0;  // leaf 1 EAX bits 23..20 only
  int32_t MaxStandardLeaf = 0;
  int32_t RequestedLeaf = 0;

  // Knowledge-table keys.
  int32_t KeyFamily = 0;
  int32_t KeyModel = 0;
  int32_t KeyStepping = 0;
  std::string FamilyModelKey;
  std::string SignatureKey;

  // Package texts.
  std::string Platform;
  std::string FormFactor;

  // Core architecture texts.
  std::string GenericDetail;
  std::string SpecificDetails;
  std::string Registers;
  std::string PipelineDepth;
  std::string InstructionDecode;
  std::string ExecutionUnits;
  std::string ExecutionSpeed;

  // Intel cache descriptor values.
  std::array<std::string, 7> DescriptorTexts;
  std::string L1CodeSizeText;
  std::string L1DataSizeText;
  std::string L2SizeText;
  int32_t L3SizeKB = 0;

  // AMD cache and TLB values, leaf 80000005h.
  std::string AmdL1DataTlb2M4MAssoc;
  std::string AmdL1DataTlb2M4MEntries;
  std::string AmdL1CodeTlb2M4MAssoc;
  std::string AmdL1CodeTlb2M4MEntries;
  std::string AmdL1DataTlb4KAssoc;
  std::string AmdL1DataTlb4KEntries;
  std::string AmdL1CodeTlb4KAssoc;
  std::string AmdL1CodeTlb4KEntries;
  std::string AmdL1DataSize;
  std::string AmdL1DataAssoc;
  std::string AmdL1DataLinesPerTag;
  std::string AmdL1DataLineSize;
  std::string AmdL1CodeSize;
  std::string AmdL1CodeAssoc;
  std::string AmdL1CodeLinesPerTag;
  std::string AmdL1CodeLineSize;
  std::string AmdL1DataAssocText;
  std::string AmdL1CodeAssocText;
  // Leaf 80000006h.
  std::string AmdL2DataTlbAssoc;
  std::string AmdL2DataTlbEntries;
  std::string AmdL2CodeTlbAssoc;
  std::string AmdL2CodeTlbEntries;
  std::string AmdL2Size;
  std::string AmdL2Assoc;
  std::string AmdL2LinesPerTag;
  std::string AmdL2LineSize;
  std::string AmdL2DataTlbAssocText;
  std::string AmdL2CodeTlbAssocText;
  std::string AmdL2AssocText;

  // Clock values.
  double ClockMHz = 0;
  std::string ClockText;

  // Rated-speed values.
  std::string RatedSpeedText;
  double SysClockMHz = 0;
  double BusClockMHz = 0;
  double OverclockPercent = 0;
  std::string OverclockText;
  std::string SysClockText;
  std::string BusClockText;
  std::string HalfClockText;
};

extern TCpuidState CpuidState;

// Returns the record to its start state (tests and replays only).
void ResetCpuidState();
