// The processor's own CPUID and the switchable current source.
#include "platform/cpuid_source.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#define HALVANE_HAS_CPUID 1
#else
#define HALVANE_HAS_CPUID 0
#endif

namespace {

ProcessorCpuidSource& Processor() {
  static ProcessorCpuidSource processor;
  return processor;
}

CpuidSource* current = nullptr;

}  // namespace

CpuidRegisters ProcessorCpuidSource::Execute(uint32_t leaf, uint32_t subleaf) {
  CpuidRegisters r;
#if HALVANE_HAS_CPUID
  __cpuid_count(leaf, subleaf, r.eax, r.ebx, r.ecx, r.edx);
#else
  (void)leaf;
  (void)subleaf;
#endif
  return r;
}

bool ProcessorCpuidSource::IdFlagToggles() {
#if defined(__x86_64__)
  // Every x86-64 processor has CPUID, but the test is cheap and honest.
  uint64_t before = 0;
  uint64_t after = 0;
  asm volatile(
      "pushfq\n\t"
      "pushfq\n\t"
      "pop %0\n\t"
      "mov %0, %1\n\t"
      "xor $0x200000, %1\n\t"
      "push %1\n\t"
      "popfq\n\t"
      "pushfq\n\t"
      "pop %1\n\t"
      "popfq\n\t"
      : "=&r"(before), "=&r"(after)
      :
      : "cc");
  return ((before ^ after) & 0x200000) != 0;
#elif defined(__i386__)
  uint32_t before = 0;
  uint32_t after = 0;
  asm volatile(
      "pushfl\n\t"
      "pushfl\n\t"
      "popl %0\n\t"
      "movl %0, %1\n\t"
      "xorl $0x200000, %1\n\t"
      "pushl %1\n\t"
      "popfl\n\t"
      "pushfl\n\t"
      "popl %1\n\t"
      "popfl\n\t"
      : "=&r"(before), "=&r"(after)
      :
      : "cc");
  return ((before ^ after) & 0x200000) != 0;
#else
  return false;
#endif
}

CpuidSource& CurrentCpuidSource() {
  return current ? *current : Processor();
}

ScopedCpuidSource::ScopedCpuidSource(CpuidSource& source) : previous_(current) {
  current = &source;
}

ScopedCpuidSource::~ScopedCpuidSource() {
  current = previous_;
}
