// main() for window tests: one QApplication for the whole test program.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) setenv("XDG_RUNTIME_DIR", "/tmp/halvane-xdg", 1);
  std::filesystem::create_directories(std::getenv("XDG_RUNTIME_DIR"));
  std::filesystem::permissions(std::getenv("XDG_RUNTIME_DIR"), std::filesystem::perms::owner_all);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
