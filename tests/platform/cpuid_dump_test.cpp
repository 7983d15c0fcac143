// Reading recorded CPUID dumps, and what a malformed one says.
#include "platform/cpuid_dump.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/dump_fixture.h"

namespace {

TEST(CpuidDump, AnswersFirstLineOfFirstCpuAndZerosElsewhere) {
  auto dump = DumpCpuidSource::FromText(
      "------[ Logical CPU #0 ]------\r\n"
      "CPUID 00000000: 00000004-756e6547-6C65746E-49656E69\r\n"
      "CPUID 00000004: 00000001-00000002-00000003-00000004 [SL 00]\r\n"
      "CPUID 00000004: 0000000A-0000000B-0000000C-0000000D [SL 01]\r\n"
      "some trailing remark\n"
      "------[ Logical CPU #1 ]------\n"
      "CPUID 00000001: 11111111-11111111-11111111-11111111\n",
      "mem");
  EXPECT_EQ(dump.Execute(0, 0), (CpuidRegisters{4, 0x756E6547, 0x6C65746E, 0x49656E69}));
  EXPECT_EQ(dump.Execute(4, 1), (CpuidRegisters{1, 2, 3, 4}));
  EXPECT_EQ(dump.Execute(1, 0), CpuidRegisters{});
  EXPECT_TRUE(dump.IdFlagToggles());
}

TEST(CpuidDump, MalformedInputNamesFileAndLine) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"CPUID 00000000: 00000004-756E6547-6C65746E-49656E69\nCPUID 00000001: 00000F24-0001\n",
       "d.txt:2: malformed CPUID line"},
      {"CPUID 0000000: 00000004-756E6547-6C65746E-49656E69\n", "d.txt:1: malformed"},
      {"CPUID 00000000: 0000000G-756E6547-6C65746E-49656E69\n", "d.txt:1: malformed"},
      {"CPUID 00000000: 00000004 756E6547 6C65746E 49656E69\n", "d.txt:1: malformed"},
      {"hello\nworld\n", "d.txt: no CPUID lines"},
      {"", "d.txt: no CPUID lines"},
  };
  for (const Case& c : cases) {
    try {
      DumpCpuidSource::FromText(c.text, "d.txt");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const DumpError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

TEST(CpuidDump, UnreadableFilesAreErrorsNamingThePath) {
  auto folder = std::filesystem::temp_directory_path();
  EXPECT_THROW(DumpCpuidSource::FromFile(folder.string()), DumpError);
  try {
    DumpCpuidSource::FromFile("/nonexistent/dump.txt");
    ADD_FAILURE();
  } catch (const DumpError& error) {
    EXPECT_NE(std::string(error.what()).find("/nonexistent/dump.txt"), std::string::npos);
  }
}

TEST(CpuidDump, EveryShippedDumpParses) {
  int count = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(TestDataPath(""))) {
    if (entry.path().extension() != ".txt") continue;
    auto dump = DumpCpuidSource::FromFile(entry.path().string());
    EXPECT_FALSE(dump.Leaves().empty());
    ++count;
  }
  EXPECT_GT(count, 100);
}

}  // namespace
