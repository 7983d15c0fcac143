// Cost of decoding one recorded processor end to end: query, knowledge tables, cache decoders.
#include <benchmark/benchmark.h>

#include <string>

#include "cache/amd_cache.h"
#include "cache/intel_descriptors.h"
#include "cpu/cpuid.h"
#include "cpu/cpuid_state.h"
#include "knowledge/codename.h"
#include "knowledge/core_details.h"
#include "knowledge/package.h"
#include "knowledge/processor_name.h"
#include "knowledge/stepping_name.h"
#include "knowledge/technology.h"
#include "platform/cpuid_dump.h"
#include "platform/cpuid_source.h"

namespace {

// The core of one activation, in the order the window runs it, without widgets or the clock.
void DecodeProcessor() {
  ReadMaxStandardLeaf();
  ReadSignature();
  std::string instruction_set = GetInstructionSet();
  std::string vendor = ReadVendorString();
  std::string name = GetProcessorName();
  std::string codename = GetCodename();
  FillPackageInfo();
  std::string technology = GetTechnology();
  std::string stepping = GetSteppingName();
  ReadExtendedFeatures();
  std::string brand = ReadBrandString();
  ReadFeatureFlags();
  DecodeIntelDescriptors();
  DecodeAmdL1();
  DecodeAmdL2();
  FillCoreDetails();
  benchmark::DoNotOptimize(instruction_set);
  benchmark::DoNotOptimize(vendor);
  benchmark::DoNotOptimize(name);
  benchmark::DoNotOptimize(codename);
  benchmark::DoNotOptimize(technology);
  benchmark::DoNotOptimize(stepping);
  benchmark::DoNotOptimize(brand);
  benchmark::DoNotOptimize(CpuidState);
}

void BM_DecodeRecordedProcessor(benchmark::State& state, const char* dump) {
  DumpCpuidSource source = DumpCpuidSource::FromFile(std::string(HALVANE_DATA_DIR) + "/" + dump);
  ScopedCpuidSource guard(source);
  ResetCpuidState();
  for (auto _ : state) DecodeProcessor();
  ResetCpuidState();
}

BENCHMARK_CAPTURE(BM_DecodeRecordedProcessor, pentium_4_northwood,
                  "intel/pentium-4-1.60-northwood.txt")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DecodeRecordedProcessor, athlon_xp_thoroughbred,
                  "amd/athlon-xp-2200-thoroughbred-a.txt")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
