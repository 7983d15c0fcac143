// Parsing the command line of halvane-report.
#include "report/arguments.h"

#include <charconv>
#include <cmath>

namespace {

// Far above any processor, low enough that simulated counter readings stay
// well inside 64 bits.
constexpr double kHighestClockMhz = 1'000'000;

const std::string& ValueOf(const std::vector<std::string>& arguments, size_t& i) {
  if (i + 1 >= arguments.size()) throw ArgumentError(arguments[i] + " needs a value");
  return arguments[++i];
}

}  // namespace

std::optional<double> ParseClockMhz(const std::string& text) {
  size_t digits = 0;
  size_t points = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || points > 1) return std::nullopt;
  double mhz = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), mhz);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(mhz)) {
    return std::nullopt;
  }
  if (mhz <= 0 || mhz > kHighestClockMhz) return std::nullopt;
  return mhz;
}

ReportOptions ParseArguments(const std::vector<std::string>& arguments) {
  ReportOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help") {
      options.help = true;
    } else if (argument == "--json") {
      options.json = true;
    } else if (argument == "--cpuid-dump") {
      if (options.cpuid_dump) throw ArgumentError("--cpuid-dump given twice");
      options.cpuid_dump = ValueOf(arguments, i);
      if (options.cpuid_dump->empty()) throw ArgumentError("--cpuid-dump needs a file name");
    } else if (argument == "--clock-mhz") {
      if (options.clock_mhz) throw ArgumentError("--clock-mhz given twice");
      const std::string& value = ValueOf(arguments, i);
      options.clock_mhz = ParseClockMhz(value);
      if (!options.clock_mhz) {
        throw ArgumentError("--clock-mhz: \"" + value +
                            "\" is not a positive decimal number of MHz up to 1000000");
      }
    } else if (argument.starts_with("-")) {
      throw ArgumentError("unknown option " + argument);
    } else {
      throw ArgumentError("unexpected argument " + argument);
    }
  }
  return options;
}

std::string UsageText() {
  return "Usage: halvane-report [--json] [--cpuid-dump FILE] [--clock-mhz MHZ]\n"
         "Builds the Halvane window off screen, runs one activation and prints what\n"
         "every control of the window shows.\n"
         "\n"
         "  --json             print a JSON document instead of the text report\n"
         "  --cpuid-dump FILE  answer CPUID from a recorded dump\n"
         "                     (lines such as \"CPUID 00000001: EAX-EBX-ECX-EDX\")\n"
         "  --clock-mhz MHZ    measure against a simulated clock running at MHZ\n"
         "                     (a positive decimal number) instead of the system timers\n"
         "  --help             print this text\n"
         "\n"
         "Exit status: 0 done, 2 bad arguments or an unreadable dump.\n";
}
