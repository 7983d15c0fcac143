// Test helpers shared by every folder's tests.
#include "support/dump_fixture.h"

std::string TestDataPath(const std::string& relative) {
  return std::string(HALVANE_TEST_DATA_DIR) + "/" + relative;
}

FakeCpu& FakeCpu::Set(uint32_t leaf, CpuidRegisters registers) {
  leaves_[leaf] = registers;
  return *this;
}

FakeCpu& FakeCpu::Vendor(const std::string& twelve_chars) {
  auto word = [&](size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
      value |= static_cast<uint32_t>(static_cast<unsigned char>(twelve_chars.at(at + i)))
               << (8 * i);
    }
    return value;
  };
  CpuidRegisters& leaf0 = leaves_[0];
  leaf0.ebx = word(0);
  leaf0.edx = word(4);
  leaf0.ecx = word(8);
  return *this;
}

FakeCpu& FakeCpu::Signature(uint32_t eax, uint32_t ebx) {
  leaves_[1].eax = eax;
  leaves_[1].ebx = ebx;
  return *this;
}

CpuidRegisters FakeCpu::Execute(uint32_t leaf, uint32_t) {
  auto found = leaves_.find(leaf);
  return found == leaves_.end() ? CpuidRegisters{} : found->second;
}

void RecordTest::UseDump(const std::string& relative) {
  dump_ = std::make_unique<DumpCpuidSource>(DumpCpuidSource::FromFile(TestDataPath(relative)));
  Use(*dump_);
}

void RecordTest::Use(CpuidSource& source) {
  guard_.reset();
  guard_ = std::make_unique<ScopedCpuidSource>(source);
}
