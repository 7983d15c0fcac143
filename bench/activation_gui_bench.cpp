// Cost of one activation of the main window on a recorded processor, the clock simulated.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "cpu/cpuid_state.h"
#include "platform/cpuid_dump.h"
#include "platform/cpuid_source.h"
#include "platform/time_source.h"
#include "ui/activation.h"
#include "ui/form1.h"

namespace {

// The simulated clock makes the one-second measurements free, so what is left
// is the decoding and the rewriting of every control.
void BM_Activation(benchmark::State& state, const char* dump, double mhz) {
  DumpCpuidSource source = DumpCpuidSource::FromFile(std::string(HALVANE_DATA_DIR) + "/" + dump);
  ScopedCpuidSource cpuid_guard(source);
  SimulatedTimeSource clock(mhz);
  ScopedTimeSource time_guard(clock);
  ResetCpuidState();
  TForm1 form;
  for (auto _ : state) RunActivationSequence(form);
  ResetCpuidState();
}

BENCHMARK_CAPTURE(BM_Activation, pentium_4_northwood, "intel/pentium-4-1.60-northwood.txt", 1700)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Activation, athlon_xp_thoroughbred, "amd/athlon-xp-2200-thoroughbred-a.txt",
                  1800)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
