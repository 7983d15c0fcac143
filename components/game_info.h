// TGameInfo: facts about the computer and the operating system, collected once when created.
#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/system_facts.h"

// The system's texts are UTF-8; the program's are Latin-1. Characters that
// Latin-1 lacks become '?'.
std::string FromSystemText(std::string_view utf8);

// The texts are read once, in the constructor; each number is asked of the
// system afresh when it is read. Memory figures are 64-bit KB counts, so that
// no size the kernel reports wraps. Facts this system keeps nowhere (the
// Windows and system directories, registered owner and organisation, DirectX
// version) stay empty.
class TGameInfo : public QObject {
  Q_OBJECT
  Q_PROPERTY(std::string ComputerName READ ComputerName CONSTANT)
  Q_PROPERTY(std::string UserName READ UserName CONSTANT)
  Q_PROPERTY(std::string WinDir READ WinDir CONSTANT)
  Q_PROPERTY(std::string SysDir READ SysDir CONSTANT)
  Q_PROPERTY(std::string RegOwner READ RegOwner CONSTANT)
  Q_PROPERTY(std::string RegCompany READ RegCompany CONSTANT)
  Q_PROPERTY(std::string OSVersion READ OSVersion CONSTANT)
  Q_PROPERTY(std::string OSPlatform READ OSPlatform CONSTANT)
  Q_PROPERTY(std::string DispResu READ DispResu CONSTANT)
  Q_PROPERTY(std::string DirectXvs READ DirectXvs CONSTANT)
  Q_PROPERTY(std::string BitsPixel READ BitsPixel CONSTANT)
  Q_PROPERTY(std::string CPUvendor READ CPUvendor CONSTANT)
  Q_PROPERTY(quint64 dwMemoryLoad READ dwMemoryLoad)
  Q_PROPERTY(quint64 dwTotalPhys READ dwTotalPhys)
  Q_PROPERTY(quint64 dwAvailPhys READ dwAvailPhys)
  Q_PROPERTY(quint64 dwTotalPageFile READ dwTotalPageFile)
  Q_PROPERTY(quint64 dwAvailPageFile READ dwAvailPageFile)
  Q_PROPERTY(quint64 dwTotalVirtual READ dwTotalVirtual)
  Q_PROPERTY(quint64 dwAvailVirtual READ dwAvailVirtual)
  Q_PROPERTY(quint64 PageSize READ PageSize)
  Q_PROPERTY(quint64 ActiveProcessorMask READ ActiveProcessorMask)
  Q_PROPERTY(quint64 NumberOfProcessors READ NumberOfProcessors)
  Q_PROPERTY(quint64 ProcessorType READ ProcessorType)
  Q_PROPERTY(quint64 AllocationGranularity READ AllocationGranularity)

 public:
  explicit TGameInfo(QObject* parent = nullptr, SystemFactFiles files = {});

  const std::string& ComputerName() const { return computer_name_; }
  const std::string& UserName() const { return user_name_; }
  const std::string& WinDir() const { return win_dir_; }
  const std::string& SysDir() const { return sys_dir_; }
  const std::string& RegOwner() const { return reg_owner_; }
  const std::string& RegCompany() const { return reg_company_; }
  const std::string& OSVersion() const { return os_version_; }
  const std::string& OSPlatform() const { return os_platform_; }
  const std::string& DispResu() const { return disp_resu_; }
  const std::string& DirectXvs() const { return direct_xvs_; }
  const std::string& BitsPixel() const { return bits_pixel_; }
  const std::string& CPUvendor() const { return cpu_vendor_; }

  // 1 memory load in percent; 2 to 7 physical memory, swap and address
  // space, total then free, in KB; any other index 0.
  uint64_t GetMemoryValue(uint32_t index) const;
  // 1 page size, 2 processor mask, 3 processor count, 4 processor type code,
  // 5 allocation granularity; any other index 0.
  uint64_t GetSystemValue(uint32_t index) const;

  quint64 dwMemoryLoad() const { return GetMemoryValue(1); }
  quint64 dwTotalPhys() const { return GetMemoryValue(2); }
  quint64 dwAvailPhys() const { return GetMemoryValue(3); }
  quint64 dwTotalPageFile() const { return GetMemoryValue(4); }
  quint64 dwAvailPageFile() const { return GetMemoryValue(5); }
  quint64 dwTotalVirtual() const { return GetMemoryValue(6); }
  quint64 dwAvailVirtual() const { return GetMemoryValue(7); }
  quint64 PageSize() const { return GetSystemValue(1); }
  quint64 ActiveProcessorMask() const { return GetSystemValue(2); }
  quint64 NumberOfProcessors() const { return GetSystemValue(3); }
  quint64 ProcessorType() const { return GetSystemValue(4); }
  quint64 AllocationGranularity() const { return GetSystemValue(5); }

 private:
  SystemFactFiles files_;
  std::string computer_name_;
  std::string user_name_;
  std::string win_dir_;
  std::string sys_dir_;
  std::string reg_owner_;
  std::string reg_company_;
  std::string os_version_;
  std::string os_platform_;
  std::string disp_resu_;
  std::string direct_xvs_;
  std::string bits_pixel_;
  std::string cpu_vendor_;
  std::string machine_;
};
