// Facts about the computer and the operating system, read from the kernel and /proc and /etc files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the facts are read from; tests point these at files of their own.
struct SystemFactFiles {
  std::string meminfo = "/proc/meminfo";
  // The first of these that opens is the one read, as os-release(5) asks.
  std::vector<std::string> os_release = {"/etc/os-release", "/usr/lib/os-release"};
  std::string cpuinfo = "/proc/cpuinfo";
  std::string process_status = "/proc/self/status";
};

// Byte counts, 64 bits wide: a 32-bit count wraps on any machine with 4 GiB
// or more.
struct MemoryFigures {
  uint64_t total_bytes = 0;
  uint64_t available_bytes = 0;
  uint64_t swap_total_bytes = 0;
  uint64_t swap_free_bytes = 0;
  bool operator==(const MemoryFigures&) const = default;
};

// /proc/meminfo text; nothing when it has no MemTotal line. Kernels before
// 3.14 have no MemAvailable: MemFree stands in for it.
std::optional<MemoryFigures> ParseMeminfo(std::string_view text);
// The meminfo file, or sysinfo(2) when the file cannot be read or parsed.
MemoryFigures ReadMemoryFigures(const SystemFactFiles& files = {});

// The value of `key` in os-release text, with the file's shell-like quoting
// undone; empty when the key is absent.
std::string OsReleaseValue(std::string_view text, std::string_view key);
// The value from the first os-release file that opens; empty when none does.
std::string ReadOsReleaseValue(std::string_view key, const SystemFactFiles& files = {});

// The value of the first "key : value" line of /proc/cpuinfo text.
std::string CpuinfoValue(std::string_view text, std::string_view key);
std::string ReadProcessorVendor(const SystemFactFiles& files = {});

// uname(2); nothing when the call fails.
struct KernelFacts {
  std::string system;   // "Linux"
  std::string release;  // "6.1.0-18-amd64"
  std::string machine;  // "x86_64"
};
std::optional<KernelFacts> ReadKernelFacts();

// "major.minor (patch.rest)" from a kernel release such as "6.1.0-18-amd64"
// gives "6.1 (0.18-amd64)": the shape of a version, build and service-pack
// text. Empty when the release does not start with major.minor.
std::string VersionText(std::string_view release);

// Host name and the name of the effective user; empty when unknown.
std::string HostName();
std::string UserName();

// Code of the processor architecture the system runs (386, 486, 586, 8664),
// 0 for one without a code.
uint32_t ProcessorTypeCode(std::string_view machine);

uint64_t PageSize();
uint64_t ProcessorCount();
// The processors this process may run on, one bit each, the first 64 only.
uint64_t ActiveProcessorMask();

// The address space a process may use, and what this process has mapped of it.
uint64_t UserAddressSpaceBytes();
uint64_t ReadProcessVirtualBytes(const SystemFactFiles& files = {});
