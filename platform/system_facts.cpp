// Reading the system facts from the kernel and from /proc and /etc files.
#include "platform/system_facts.h"

#include <pwd.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <climits>
#include <fstream>
#include <sstream>

namespace {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream contents;
  contents << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return contents.str();
}

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// Calls `visit(line)` for every line; stops early when it returns true.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (visit(line)) return;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

std::optional<uint64_t> ParseUnsigned(std::string_view text) {
  uint64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

// A "Key:   1234 kB" line of /proc/meminfo or /proc/self/status, in bytes.
std::optional<uint64_t> KilobyteField(std::string_view line, std::string_view key) {
  if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != ':') {
    return std::nullopt;
  }
  std::optional<uint64_t> kilobytes = ParseUnsigned(Trim(line.substr(key.size() + 1)));
  if (!kilobytes) return std::nullopt;
  return *kilobytes * 1024;
}

std::optional<uint64_t> KilobyteValue(std::string_view text, std::string_view key) {
  std::optional<uint64_t> found;
  ForEachLine(text, [&](std::string_view line) {
    found = KilobyteField(line, key);
    return found.has_value();
  });
  return found;
}

// One shell word as os-release writes values: single quotes keep everything,
// double quotes let a backslash escape " \ $ and `, and outside quotes a
// backslash escapes any character; an unquoted blank ends the word.
std::string Unquote(std::string_view word) {
  std::string value;
  enum class Quote { None, Single, Double } quote = Quote::None;
  for (size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    switch (quote) {
      case Quote::Single:
        if (c == '\'') {
          quote = Quote::None;
        } else {
          value += c;
        }
        break;
      case Quote::Double:
        if (c == '"') {
          quote = Quote::None;
        } else if (c == '\\' && i + 1 < word.size() &&
                   std::string_view("\"\\$`").find(word[i + 1]) != std::string_view::npos) {
          value += word[++i];
        } else {
          value += c;
        }
        break;
      case Quote::None:
        if (c == '\'') {
          quote = Quote::Single;
        } else if (c == '"') {
          quote = Quote::Double;
        } else if (c == '\\' && i + 1 < word.size()) {
          value += word[++i];
        } else if (c == ' ' || c == '\t') {
          return value;
        } else {
          value += c;
        }
        break;
    }
  }
  return value;
}

// clang-format off
struct MachineCode {
  std::string_view machine;  // uname(2) machine
  uint32_t code;             // the processor type code of that architecture
};
constexpr std::array<MachineCode, 7> kMachineCodes{{
  {"i386",    386},
  {"i486",    486},
  {"i586",    586},
  {"i686",    586},
  {"x86_64",  8664},
  {"amd64",   8664},
  {"ia64",    2200},
}};
// clang-format on

}  // namespace

std::optional<MemoryFigures> ParseMeminfo(std::string_view text) {
  std::optional<uint64_t> total = KilobyteValue(text, "MemTotal");
  if (!total) return std::nullopt;
  std::optional<uint64_t> available = KilobyteValue(text, "MemAvailable");
  if (!available) available = KilobyteValue(text, "MemFree");
  return MemoryFigures{*total, available.value_or(0), KilobyteValue(text, "SwapTotal").value_or(0),
                       KilobyteValue(text, "SwapFree").value_or(0)};
}

MemoryFigures ReadMemoryFigures(const SystemFactFiles& files) {
  if (std::optional<std::string> text = ReadWholeFile(files.meminfo)) {
    if (std::optional<MemoryFigures> figures = ParseMeminfo(*text)) return *figures;
  }
  struct sysinfo info {};
  if (sysinfo(&info) != 0) return {};
  uint64_t unit = info.mem_unit == 0 ? 1 : info.mem_unit;
  return MemoryFigures{info.totalram * unit, (info.freeram + info.bufferram) * unit,
                       info.totalswap * unit, info.freeswap * unit};
}

std::string OsReleaseValue(std::string_view text, std::string_view key) {
  std::string value;
  // A later assignment replaces an earlier one, as in the shell.
  ForEachLine(text, [&](std::string_view line) {
    line = Trim(line);
    if (line.starts_with(key) && line.size() > key.size() && line[key.size()] == '=') {
      value = Unquote(line.substr(key.size() + 1));
    }
    return false;
  });
  return value;
}

std::string ReadOsReleaseValue(std::string_view key, const SystemFactFiles& files) {
  for (const std::string& path : files.os_release) {
    if (std::optional<std::string> text = ReadWholeFile(path)) return OsReleaseValue(*text, key);
  }
  return {};
}

std::string CpuinfoValue(std::string_view text, std::string_view key) {
  std::string value;
  ForEachLine(text, [&](std::string_view line) {
    size_t colon = line.find(':');
    if (colon == std::string_view::npos || Trim(line.substr(0, colon)) != key) return false;
    value = Trim(line.substr(colon + 1));
    return true;
  });
  return value;
}

std::string ReadProcessorVendor(const SystemFactFiles& files) {
  std::optional<std::string> text = ReadWholeFile(files.cpuinfo);
  return text ? CpuinfoValue(*text, "vendor_id") : std::string();
}

std::optional<KernelFacts> ReadKernelFacts() {
  struct utsname names {};
  if (uname(&names) != 0) return std::nullopt;
  return KernelFacts{names.sysname, names.release, names.machine};
}

std::string VersionText(std::string_view release) {
  uint64_t numbers[3] = {0, 0, 0};
  std::string_view rest = release;
  int found = 0;
  for (; found < 3; ++found) {
    if (found > 0) {
      if (!rest.starts_with('.')) break;
      rest.remove_prefix(1);
    }
    auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), numbers[found]);
    if (error != std::errc()) break;
    rest.remove_prefix(static_cast<size_t>(end - rest.data()));
  }
  if (found < 2) return {};
  // What follows the numbers, without the separator that introduces it.
  if (!rest.empty() && (rest.front() == '-' || rest.front() == '.' || rest.front() == '+')) {
    rest.remove_prefix(1);
  }
  return std::to_string(numbers[0]) + "." + std::to_string(numbers[1]) + " (" +
         std::to_string(numbers[2]) + "." + std::string(rest) + ")";
}

std::string HostName() {
  std::array<char, HOST_NAME_MAX + 1> name{};
  if (gethostname(name.data(), name.size() - 1) != 0) return {};
  return name.data();
}

std::string UserName() {
  struct passwd entry {};
  struct passwd* found = nullptr;
  long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::string buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384, '\0');
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
  return found->pw_name;
}

uint32_t ProcessorTypeCode(std::string_view machine) {
  for (const MachineCode& row : kMachineCodes) {
    if (row.machine == machine) return row.code;
  }
  return 0;
}

uint64_t PageSize() {
  long size = sysconf(_SC_PAGESIZE);
  return size > 0 ? static_cast<uint64_t>(size) : 0;
}

uint64_t ProcessorCount() {
  long count = sysconf(_SC_NPROCESSORS_ONLN);
  return count > 0 ? static_cast<uint64_t>(count) : 0;
}

uint64_t ActiveProcessorMask() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof(set), &set) != 0) return 0;
  uint64_t mask = 0;
  for (int cpu = 0; cpu < 64; ++cpu) {
    if (CPU_ISSET(cpu, &set)) mask |= uint64_t{1} << cpu;
  }
  return mask;
}

uint64_t UserAddressSpaceBytes() {
  struct rlimit limit {};
  if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) return limit.rlim_cur;
  // The kernel's TASK_SIZE: 2^47 less one guard page on 64-bit x86 with
  // four-level paging, 3 GiB on a 32-bit kernel.
  return sizeof(void*) == 8 ? (uint64_t{1} << 47) - 4096 : uint64_t{3} << 30;
}

uint64_t ReadProcessVirtualBytes(const SystemFactFiles& files) {
  std::optional<std::string> text = ReadWholeFile(files.process_status);
  return text ? KilobyteValue(*text, "VmSize").value_or(0) : 0;
}
