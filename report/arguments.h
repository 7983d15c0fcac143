// The command line of halvane-report.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct ReportOptions {
  bool help = false;
  bool json = false;
  std::optional<std::string> cpuid_dump;
  std::optional<double> clock_mhz;
  bool operator==(const ReportOptions&) const = default;
};

// A command line the program cannot run with; the message says what is wrong.
class ArgumentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments after the program name.
ReportOptions ParseArguments(const std::vector<std::string>& arguments);

// A positive decimal number of MHz ("1700", "1533.33"); nothing for anything
// else, signs, exponents and blanks included.
std::optional<double> ParseClockMhz(const std::string& text);

// The text --help prints.
std::string UsageText();
