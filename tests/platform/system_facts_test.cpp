// Reading memory, os-release, cpuinfo and kernel facts from files a test writes.
#include "platform/system_facts.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class FactFiles : public ::testing::Test {
 protected:
  FactFiles() : dir_(fs::temp_directory_path() / ("halvane-facts-" + std::to_string(getpid()))) {
    fs::create_directories(dir_);
  }
  ~FactFiles() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }
  std::string Missing(const std::string& name) const { return (dir_ / name).string(); }

 private:
  fs::path dir_;
};

TEST(OsReleaseValue, UndoesShellQuoting) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"NAME=\"Debian\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n",
       "Debian GNU/Linux 12 (bookworm)"},
      {"PRETTY_NAME='Single $quoted \"text\"'\n", "Single $quoted \"text\""},
      {"PRETTY_NAME=Unquoted\n", "Unquoted"},
      {"PRETTY_NAME=\"Escaped \\\"quote\\\" \\\\ \\$HOME \\`x\\`\"",
       "Escaped \"quote\" \\ $HOME `x`"},
      {"PRETTY_NAME=\"Other \\n kept\"\n", "Other \\n kept"},
      {"PRETTY_NAME=Joined\\ by\\ backslash trailing words\n", "Joined by backslash"},
      {"PRETTY_NAME=\"Carriage return\"\r\n", "Carriage return"},
      {"PRETTY_NAME=\"first\"\nPRETTY_NAME=\"second\"\n", "second"},
      {"# PRETTY_NAME=\"comment\"\nPRETTY_NAME_EXTRA=\"longer key\"\nNAME=x\n", ""},
      {"PRETTY_NAME=\n", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OsReleaseValue(c.text, "PRETTY_NAME"), c.expected) << c.text;
  }
}

TEST(ParseMeminfo, KeepsSizesBeyondFourGibibytes) {
  std::optional<MemoryFigures> figures = ParseMeminfo(
      "MemTotal:       16318784 kB\n"
      "MemFree:         1234567 kB\n"
      "MemAvailable:    9876543 kB\n"
      "SwapTotal:       8388604 kB\n"
      "SwapFree:        8388000 kB\n");
  ASSERT_TRUE(figures);
  EXPECT_EQ(*figures, (MemoryFigures{16318784ull * 1024, 9876543ull * 1024, 8388604ull * 1024,
                                     8388000ull * 1024}));
}

TEST(ParseMeminfo, FallsBackToMemFreeAndNeedsMemTotal) {
  std::optional<MemoryFigures> old_kernel = ParseMeminfo("MemTotal: 524288 kB\nMemFree: 1024 kB\n");
  ASSERT_TRUE(old_kernel);
  EXPECT_EQ(old_kernel->total_bytes, 536870912u);
  EXPECT_EQ(old_kernel->available_bytes, 1048576u);
  EXPECT_EQ(old_kernel->swap_total_bytes, 0u);
  EXPECT_FALSE(ParseMeminfo("MemFree: 1024 kB\nMemTotalX: 5 kB\n"));
  EXPECT_FALSE(ParseMeminfo("MemTotal: lots kB\n"));
}

TEST_F(FactFiles, ReadsTheGivenFilesAndCopesWithMissingOnes) {
  SystemFactFiles files;
  files.meminfo = Write("meminfo", "MemTotal: 8388608 kB\nMemAvailable: 4194304 kB\n");
  files.os_release = {Missing("etc-os-release"), Write("lib-os-release", "PRETTY_NAME=\"Lib\"\n")};
  files.cpuinfo = Write("cpuinfo",
                        "processor\t: 0\nvendor_id\t: AuthenticAMD\n\n"
                        "processor\t: 1\nvendor_id\t: GenuineIntel\n");
  files.process_status = Write("status", "Name:\tx\nVmSize:\t  123456 kB\nVmRSS:\t 1 kB\n");
  EXPECT_EQ(ReadMemoryFigures(files).total_bytes, 8589934592u);
  EXPECT_EQ(ReadOsReleaseValue("PRETTY_NAME", files), "Lib");
  EXPECT_EQ(ReadProcessorVendor(files), "AuthenticAMD");
  EXPECT_EQ(ReadProcessVirtualBytes(files), 123456u * 1024);

  SystemFactFiles none;
  none.meminfo = Missing("meminfo2");
  none.os_release = {Missing("a"), Missing("b")};
  none.cpuinfo = Missing("cpuinfo2");
  none.process_status = Missing("status2");
  EXPECT_EQ(ReadOsReleaseValue("PRETTY_NAME", none), "");
  EXPECT_EQ(ReadProcessorVendor(none), "");
  EXPECT_EQ(ReadProcessVirtualBytes(none), 0u);
  // Without the file the kernel's sysinfo(2) still knows the memory.
  EXPECT_GT(ReadMemoryFigures(none).total_bytes, 0u);
}

TEST(VersionText, ShapesAKernelRelease) {
  struct Case {
    std::string release;
    std::string expected;
  };
  const Case cases[] = {
      {"6.1.0-18-amd64", "6.1 (0.18-amd64)"},
      {"5.15.146.1-microsoft-standard-WSL2", "5.15 (146.1-microsoft-standard-WSL2)"},
      {"6.8.9", "6.8 (9.)"},
      {"6.8-rc1", "6.8 (0.rc1)"},
      {"4", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(VersionText(c.release), c.expected) << c.release;
}

TEST(SystemFacts, TheRunningSystemAnswers) {
  std::optional<KernelFacts> kernel = ReadKernelFacts();
  ASSERT_TRUE(kernel);
  EXPECT_EQ(kernel->system, "Linux");
  EXPECT_FALSE(kernel->release.empty());
  EXPECT_FALSE(HostName().empty());
  EXPECT_GT(PageSize(), 0u);
  EXPECT_GT(ProcessorCount(), 0u);
  EXPECT_NE(ActiveProcessorMask(), 0u);
  EXPECT_GT(UserAddressSpaceBytes(), uint64_t{1} << 31);
}

}  // namespace
