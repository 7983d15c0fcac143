// Test helpers: a recorded processor installed as the CPUID source, and a fresh record.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "cpu/cpuid_state.h"
#include "platform/cpuid_dump.h"
#include "platform/cpuid_source.h"

// Leaf 1 EAX for a signature: extended family 23..20, family 11..8, model 7..4, stepping 3..0.
constexpr uint32_t Leaf1Eax(uint32_t family, uint32_t model, uint32_t stepping = 0,
                            uint32_t extended_family = 0) {
  return extended_family << 20 | family << 8 | model << 4 | stepping;
}

// Path of a file under tests/data.
std::string TestDataPath(const std::string& relative);

// A CPUID source answering from a small table of leaves given in the test.
class FakeCpu final : public CpuidSource {
 public:
  FakeCpu& Set(uint32_t leaf, CpuidRegisters registers);
  // Vendor string as leaf 0 EBX, EDX, ECX; keeps the highest leaf already set.
  FakeCpu& Vendor(const std::string& twelve_chars);
  // Leaf 1 EAX and EBX.
  FakeCpu& Signature(uint32_t eax, uint32_t ebx = 0);
  CpuidRegisters Execute(uint32_t leaf, uint32_t subleaf) override;
  bool IdFlagToggles() override { return id_flag_toggles; }
  bool id_flag_toggles = true;

 private:
  std::map<uint32_t, CpuidRegisters> leaves_;
};

// Installs a CPUID source for the test's lifetime on a zero-filled record.
class RecordTest : public ::testing::Test {
 protected:
  RecordTest() { ResetCpuidState(); }
  ~RecordTest() override { ResetCpuidState(); }
  // Answers CPUID from tests/data/<relative>.
  void UseDump(const std::string& relative);
  void Use(CpuidSource& source);

 private:
  std::unique_ptr<DumpCpuidSource> dump_;
  std::unique_ptr<ScopedCpuidSource> guard_;
};
