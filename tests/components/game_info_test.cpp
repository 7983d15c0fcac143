// TGameInfo: the facts it collects when created and the figures it reads afresh.
#include "components/game_info.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <QVariant>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class GameInfoTest : public ::testing::Test {
 protected:
  GameInfoTest() : dir_(fs::temp_directory_path() / ("halvane-info-" + std::to_string(getpid()))) {
    fs::create_directories(dir_);
    files_.meminfo = Write("meminfo",
                           "MemTotal:       16318784 kB\n"
                           "MemFree:         1000000 kB\n"
                           "MemAvailable:    4079696 kB\n"
                           "SwapTotal:       2097148 kB\n"
                           "SwapFree:        1048574 kB\n");
    files_.cpuinfo = Write("cpuinfo", "processor\t: 0\nvendor_id\t: GenuineIntel\n");
    files_.process_status = Write("status", "VmSize:\t    2048 kB\n");
    files_.os_release = {Write("os-release", "PRETTY_NAME=\"Test OS 1\"\n")};
  }
  ~GameInfoTest() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }

  fs::path dir_;
  SystemFactFiles files_;
};

TEST_F(GameInfoTest, CollectsTextsOnceAndLeavesWindowsOnlyFactsEmpty) {
  QObject owner;
  auto* info = new TGameInfo(&owner, files_);
  utsname names{};
  ASSERT_EQ(uname(&names), 0);

  EXPECT_EQ(info->parent(), &owner);
  EXPECT_EQ(info->objectName(), "GameInfo1");
  EXPECT_EQ(info->OSPlatform(), names.sysname);
  EXPECT_EQ(info->OSVersion(), VersionText(names.release));
  EXPECT_EQ(info->CPUvendor(), "GenuineIntel");
  EXPECT_FALSE(info->ComputerName().empty());
  for (const std::string* empty : {&info->WinDir(), &info->SysDir(), &info->RegOwner(),
                                   &info->RegCompany(), &info->DirectXvs()}) {
    EXPECT_EQ(*empty, "");
  }
  // The texts are published as properties too.
  EXPECT_EQ(info->property("CPUvendor").value<std::string>(), "GenuineIntel");
}

TEST_F(GameInfoTest, MemoryFiguresAreWholeKilobytesBeyondFourGibibytes) {
  TGameInfo info(nullptr, files_);
  EXPECT_EQ(info.dwMemoryLoad(), 75u);  // (16318784 - 4079696) * 100 / 16318784, rounded down
  EXPECT_EQ(info.dwTotalPhys(), 16318784u);
  EXPECT_EQ(info.dwAvailPhys(), 4079696u);
  EXPECT_EQ(info.dwTotalPageFile(), 2097148u);
  EXPECT_EQ(info.dwAvailPageFile(), 1048574u);
  EXPECT_EQ(info.dwAvailVirtual(), info.dwTotalVirtual() - 2048);
  for (uint32_t outside : {0u, 8u, 0xFFFFFFFFu}) EXPECT_EQ(info.GetMemoryValue(outside), 0u);

  // The file is read again for every figure.
  Write("meminfo", "MemTotal: 262144 kB\nMemAvailable: 131072 kB\n");
  EXPECT_EQ(info.dwTotalPhys(), 262144u);
  EXPECT_EQ(info.dwMemoryLoad(), 50u);
}

TEST_F(GameInfoTest, SystemFigures) {
  TGameInfo info(nullptr, files_);
  EXPECT_EQ(info.PageSize(), static_cast<uint64_t>(sysconf(_SC_PAGESIZE)));
  EXPECT_EQ(info.NumberOfProcessors(), static_cast<uint64_t>(sysconf(_SC_NPROCESSORS_ONLN)));
  EXPECT_NE(info.ActiveProcessorMask(), 0u);
  for (uint32_t outside : {0u, 6u}) EXPECT_EQ(info.GetSystemValue(outside), 0u);
}

TEST(FromSystemText, TurnsUtf8IntoLatin1) {
  EXPECT_EQ(FromSystemText("Caf\xC3\xA9 \xC2\xB5"), "Caf\xE9 \xB5");
  EXPECT_EQ(FromSystemText("\xE2\x82\xAC"), "?");  // the euro sign has no Latin-1 byte
}

}  // namespace
