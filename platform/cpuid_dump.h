// A recorded CPUID dump ("CPUID 00000001: EAX-EBX-ECX-EDX" lines) as a CPUID source.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/cpuid_source.h"

// A dump that cannot be read or does not hold what a dump must; the message
// names the file and, where one is at fault, the line.
class DumpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class DumpCpuidSource final : public CpuidSource {
 public:
  // Parses dump text; `name` is what error messages call it.
  static DumpCpuidSource FromText(std::string_view text, const std::string& name);
  static DumpCpuidSource FromFile(const std::string& path);

  // Leaves absent from the dump answer zeros; a leaf recorded several times
  // (sub-leaves) answers with its first line whatever the sub-leaf.
  CpuidRegisters Execute(uint32_t leaf, uint32_t subleaf) override;
  // A dump stands for a processor that has CPUID.
  bool IdFlagToggles() override { return true; }

  const std::map<uint32_t, CpuidRegisters>& Leaves() const { return leaves_; }

 private:
  std::map<uint32_t, CpuidRegisters> leaves_;
};
