// Collecting the system facts.
#include "components/game_info.h"

#include <QGuiApplication>
#include <QScreen>
#include <QString>

std::string FromSystemText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
      .toLatin1()
      .toStdString();
}

TGameInfo::TGameInfo(QObject* parent, SystemFactFiles files)
    : QObject(parent), files_(std::move(files)) {
  setObjectName("GameInfo1");
  computer_name_ = FromSystemText(HostName());
  user_name_ = FromSystemText(UserName());
  if (std::optional<KernelFacts> kernel = ReadKernelFacts()) {
    os_version_ = VersionText(kernel->release);
    os_platform_ = FromSystemText(kernel->system);
    machine_ = kernel->machine;
  }
  // The screen stands in for the display settings; a program without a
  // window system (no QGuiApplication) has none.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      disp_resu_ =
          std::to_string(screen->size().width()) + "," + std::to_string(screen->size().height());
      bits_pixel_ = std::to_string(screen->depth());
    }
  }
  cpu_vendor_ = FromSystemText(ReadProcessorVendor(files_));
}

uint64_t TGameInfo::GetMemoryValue(uint32_t index) const {
  if (index == 6 || index == 7) {
    uint64_t address_space = UserAddressSpaceBytes();
    if (index == 6) return address_space >> 10;
    uint64_t mapped = ReadProcessVirtualBytes(files_);
    return (mapped < address_space ? address_space - mapped : 0) >> 10;
  }
  if (index < 1 || index > 7) return 0;
  MemoryFigures memory = ReadMemoryFigures(files_);
  switch (index) {
    case 1:
      return memory.total_bytes == 0 || memory.available_bytes > memory.total_bytes
                 ? 0
                 : (memory.total_bytes - memory.available_bytes) * 100 / memory.total_bytes;
    case 2:
      return memory.total_bytes >> 10;
    case 3:
      return memory.available_bytes >> 10;
    case 4:
      return memory.swap_total_bytes >> 10;
    default:
      return memory.swap_free_bytes >> 10;
  }
}

uint64_t TGameInfo::GetSystemValue(uint32_t index) const {
  switch (index) {
    case 1:
      return ::PageSize();
    case 2:
      return ::ActiveProcessorMask();
    case 3:
      return ProcessorCount();
    case 4:
      return ProcessorTypeCode(machine_);
    // Memory is mapped at page granularity here.
    case 5:
      return ::PageSize();
    default:
      return 0;
  }
}
