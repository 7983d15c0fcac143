// halvane-report: builds the window off screen, runs one activation and prints
// what it shows.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "platform/cpuid_dump.h"
#include "platform/cpuid_source.h"
#include "platform/time_source.h"
#include "report/arguments.h"
#include "report/control_facts.h"
#include "report/json_report.h"
#include "report/text_report.h"
#include "ui/form1.h"

namespace {

constexpr int kBadInput = 2;

int Fail(const std::string& message, int status) {
  std::cerr << "halvane-report: " << message << '\n';
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  ReportOptions options;
  std::optional<DumpCpuidSource> dump;
  try {
    options = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::cout << UsageText();
      return 0;
    }
    if (options.cpuid_dump) dump = DumpCpuidSource::FromFile(*options.cpuid_dump);
  } catch (const ArgumentError& error) {
    return Fail(std::string(error.what()) + " (see --help)", kBadInput);
  } catch (const DumpError& error) {
    return Fail(error.what(), kBadInput);
  }

  // No display is needed unless the user asks for a platform of their own.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Outside a desktop session the toolkit would warn on stderr that it has no
  // runtime folder; give it a private one so the report's stderr stays clean.
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    std::string runtime = "/tmp/halvane-runtime-" + std::to_string(geteuid());
    struct stat info {};
    if ((mkdir(runtime.c_str(), 0700) == 0 || errno == EEXIST) &&
        lstat(runtime.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
        (info.st_mode & 077) == 0) {
      setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
  }
  // The toolkit sees only the program name: the command line is ours alone.
  int toolkit_argc = 1;
  char* toolkit_argv[] = {argv[0], nullptr};
  QApplication application(toolkit_argc, toolkit_argv);

  std::optional<ScopedCpuidSource> cpuid_guard;
  if (dump) cpuid_guard.emplace(*dump);
  std::optional<SimulatedTimeSource> clock;
  std::optional<ScopedTimeSource> clock_guard;
  if (options.clock_mhz) {
    clock.emplace(*options.clock_mhz);
    clock_guard.emplace(*clock);
  }

  try {
    TForm1 form;
    form.FormActivate();
    std::vector<ControlFacts> controls = CollectControls(form);
    std::string report =
        options.json ? JsonReport(form.BuildNumber, controls) : TextReport(controls);
    std::cout << report << std::flush;
    return std::cout ? 0 : Fail("cannot write the report", 1);
  } catch (const std::exception& error) {
    return Fail(error.what(), 1);
  }
}
