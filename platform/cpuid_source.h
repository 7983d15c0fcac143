// Where CPUID answers come from: the processor itself, or a recorded dump.
#pragma once

#include <cstdint>

struct CpuidRegisters {
  uint32_t eax = 0;
  uint32_t ebx = 0;
  uint32_t ecx = 0;
  uint32_t edx = 0;
  bool operator==(const CpuidRegisters&) const = default;
};

class CpuidSource {
 public:
  virtual ~CpuidSource() = default;
  // Executes CPUID with EAX = leaf and ECX = subleaf.
  virtual CpuidRegisters Execute(uint32_t leaf, uint32_t subleaf) = 0;
  // The EFLAGS ID-bit test: true when bit 21 can be toggled.
  virtual bool IdFlagToggles() = 0;
};

// The running processor. On a build for another architecture there is no
// CPUID: the ID test fails and every leaf reads as zeros.
class ProcessorCpuidSource final : public CpuidSource {
 public:
  CpuidRegisters Execute(uint32_t leaf, uint32_t subleaf) override;
  bool IdFlagToggles() override;
};

// The source every CPUID execution of the program goes through.
CpuidSource& CurrentCpuidSource();

// Installs a source for the guard's lifetime and restores the previous one.
class ScopedCpuidSource {
 public:
  explicit ScopedCpuidSource(CpuidSource& source);
  ~ScopedCpuidSource();
  ScopedCpuidSource(const ScopedCpuidSource&) = delete;
  ScopedCpuidSource& operator=(const ScopedCpuidSource&) = delete;

 private:
  CpuidSource* previous_;
};
