// Reads the raw dump layout that public CPUID collections use.
#include "platform/cpuid_dump.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

std::optional<uint32_t> ParseHex8(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    uint32_t digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value << 4 | digit;
  }
  return value;
}

struct DumpLine {
  uint32_t leaf;
  CpuidRegisters registers;
};

// "CPUID llllllll: aaaaaaaa-bbbbbbbb-cccccccc-dddddddd", anything after the
// register block ignored. Returns nothing for a line that is not well formed.
std::optional<DumpLine> ParseCpuidLine(std::string_view line) {
  constexpr std::string_view kPrefix = "CPUID ";
  constexpr size_t kLength = 6 + 8 + 2 + 4 * 8 + 3;
  if (line.size() < kLength || line.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
  if (line.size() > kLength && line[kLength] != ' ' && line[kLength] != '\t' &&
      line[kLength] != '\r') {
    return std::nullopt;
  }
  auto leaf = ParseHex8(line.substr(6, 8));
  if (!leaf || line.substr(14, 2) != ": ") return std::nullopt;
  uint32_t words[4];
  for (int i = 0; i < 4; ++i) {
    size_t at = 16 + static_cast<size_t>(i) * 9;
    auto word = ParseHex8(line.substr(at, 8));
    if (!word || (i < 3 && line[at + 8] != '-')) return std::nullopt;
    words[i] = *word;
  }
  return DumpLine{*leaf, {words[0], words[1], words[2], words[3]}};
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

DumpCpuidSource DumpCpuidSource::FromText(std::string_view text, const std::string& name) {
  DumpCpuidSource source;
  int line_number = 0;
  bool in_first_cpu = true;
  bool seen_cpu_header = false;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    if (line.find("Logical CPU") != std::string_view::npos) {
      // Only the first logical processor's block describes "the" processor.
      if (seen_cpu_header) in_first_cpu = false;
      seen_cpu_header = true;
      continue;
    }
    if (!in_first_cpu || !StartsWith(line, "CPUID")) continue;
    auto parsed = ParseCpuidLine(line);
    if (!parsed) {
      throw DumpError(name + ":" + std::to_string(line_number) +
                      ": malformed CPUID line (expected \"CPUID llllllll: "
                      "aaaaaaaa-bbbbbbbb-cccccccc-dddddddd\")");
    }
    source.leaves_.try_emplace(parsed->leaf, parsed->registers);
  }
  if (source.leaves_.empty()) throw DumpError(name + ": no CPUID lines: not a CPUID dump");
  return source;
}

DumpCpuidSource DumpCpuidSource::FromFile(const std::string& path) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    throw DumpError(path + ": is a folder, not a CPUID dump");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) throw DumpError(path + ": cannot open the CPUID dump");
  std::ostringstream contents;
  contents << file.rdbuf();
  if (file.bad()) throw DumpError(path + ": cannot read the CPUID dump");
  return FromText(contents.str(), path);
}

CpuidRegisters DumpCpuidSource::Execute(uint32_t leaf, uint32_t /*subleaf*/) {
  auto found = leaves_.find(leaf);
  return found == leaves_.end() ? CpuidRegisters{} : found->second;
}
