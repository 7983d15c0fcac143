// The command line of halvane-report: what it accepts and what it refuses.
#include "report/arguments.h"

#include <gtest/gtest.h>

namespace {

ReportOptions Options(bool json, std::optional<std::string> dump, std::optional<double> mhz,
                      bool help = false) {
  ReportOptions options;
  options.help = help;
  options.json = json;
  options.cpuid_dump = std::move(dump);
  options.clock_mhz = mhz;
  return options;
}

TEST(ParseArguments, Accepts) {
  struct Case {
    std::vector<std::string> arguments;
    ReportOptions expected;
  };
  const Case cases[] = {
      {{}, Options(false, {}, {})},
      {{"--json"}, Options(true, {}, {})},
      {{"--cpuid-dump", "p4.txt", "--json", "--clock-mhz", "1700"}, Options(true, "p4.txt", 1700)},
      {{"--clock-mhz", "1533.33"}, Options(false, {}, 1533.33)},
      {{"--clock-mhz", "0.5"}, Options(false, {}, 0.5)},
      {{"--cpuid-dump", "--json"}, Options(false, "--json", {})},
      {{"--json", "--help"}, Options(true, {}, {}, true)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseArguments(c.arguments), c.expected) << ::testing::PrintToString(c.arguments);
  }
}

TEST(ParseArguments, Refuses) {
  const std::vector<std::string> cases[] = {
      {"--clock-mhz", "0"},
      {"--clock-mhz", "-5"},
      {"--clock-mhz", "abc"},
      {"--clock-mhz", "1e3x"},
      {"--clock-mhz", "1e3"},
      {"--clock-mhz", ""},
      {"--clock-mhz", " 1700"},
      {"--clock-mhz", "1.2.3"},
      {"--clock-mhz", "inf"},
      {"--clock-mhz", "1000001"},
      {"--clock-mhz"},
      {"--cpuid-dump"},
      {"--cpuid-dump", ""},
      {"--cpuid-dump", "a.txt", "--cpuid-dump", "b.txt"},
      {"--clock-mhz", "1", "--clock-mhz", "2"},
      {"--verbose"},
      {"--cpuid-dump=a.txt"},
      {"stray"},
  };
  for (const std::vector<std::string>& arguments : cases) {
    EXPECT_THROW(ParseArguments(arguments), ArgumentError) << ::testing::PrintToString(arguments);
  }
}

TEST(ParseArguments, ErrorNamesTheFault) {
  try {
    ParseArguments({"--clock-mhz", "-5"});
    FAIL();
  } catch (const ArgumentError& error) {
    EXPECT_NE(std::string(error.what()).find("-5"), std::string::npos) << error.what();
  }
}

}  // namespace
