// The leaf-2 descriptor bytes we know: the text each one shows and the cache sizes it gives.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct IntelDescriptorRow {
  uint8_t byte;
  std::string_view text;     // empty: the byte only gives an L3 size
  std::string_view l1_code;  // KB, or thousands of micro-operations for a trace cache
  std::string_view l1_data;  // KB
  std::string_view l2;       // KB
  int32_t l3_kb;             // 0: no L3 size
};

// "\xB5" is the micro sign of the 8-bit code page; it is closed off before "OPs"
// so the hex escape does not swallow the letters after it. The 22h and 23h
// texts keep their trailing blank, and 8Bh really gives 3096.
// clang-format off
inline constexpr std::array<IntelDescriptorRow, 43> kIntelDescriptors{{
//  byte  text                                                                          L1 code L1 data L2      L3 KB
  {0x01, "01 Code TLB, 4K pages, 4 ways, 32 entries",                                   "",     "",     "",        0},
  {0x02, "02 Code TLB, 4M pages, fully, 2 entries",                                     "",     "",     "",        0},
  {0x03, "03 Data TLB, 4K pages, 4 ways, 64 entries",                                   "",     "",     "",        0},
  {0x04, "04 Data TLB, 4M pages, 4 ways, 8 entries",                                    "",     "",     "",        0},
  {0x06, "06h Code L1 cache, 8 KB, 4 ways, 32 byte lines",                              "8",    "",     "",        0},
  {0x08, "08h Code L1 cache, 16 KB, 4 ways, 32 byte lines",                             "16",   "",     "",        0},
  {0x0A, "0Ah Data L1 cache, 8 KB, 2 ways, 32 byte lines",                              "",     "8",    "",        0},
  {0x0C, "0Ch Data L1 cache, 16 KB, 4 ways, 32 byte lines",                             "",     "16",   "",        0},
  {0x22, "22h Code and data L3 cache, 512 KB, 4 ways (!), 64 byte lines, sectored ",    "",     "",     "",      512},
  {0x23, "23h Code and data L3 cache, 1024 KB, 8 ways, 64 byte lines, sectored ",       "",     "",     "",     1024},
  {0x25, "25h Code and data L3 cache, 2048 KB, 8 ways, 64 byte lines, sectored",        "",     "",     "",     2048},
  {0x29, "29h Code and data L3 cache, 4096 KB, 8 ways, 64 byte lines, sectored",        "",     "",     "",     4096},
  {0x40, "40h No integrated L2 cache (P6 core) or L3 cache (P4 core)",                  "",     "",     "",        0},
  {0x41, "41h Code and data L2 cache, 128 KB, 4 ways, 32 byte lines",                   "",     "",     "128",     0},
  {0x42, "42h Code and data L2 cache, 256 KB, 4 ways, 32 byte lines",                   "",     "",     "256",     0},
  {0x43, "43h Code and data L2 cache, 512 KB, 4 ways, 32 byte lines",                   "",     "",     "512",     0},
  {0x44, "44h Code and data L2 cache, 1024 KB, 4 ways, 32 byte lines",                  "",     "",     "1024",    0},
  {0x45, "45h Code and data L2 cache, 2048 KB, 4 ways, 32 byte lines",                  "",     "",     "2048",    0},
  {0x50, "50h Code TLB, 4K/4M/2M pages, fully, 64 entries",                             "",     "",     "",        0},
  {0x51, "51h Code TLB, 4K/4M/2M pages, fully, 128 entries",                            "",     "",     "",        0},
  {0x52, "52h Code TLB, 4K/4M/2M pages, fully, 256 entries",                            "",     "",     "",        0},
  {0x5B, "5Bh Data TLB, 4K/4M pages, fully, 64 entries",                                "",     "",     "",        0},
  {0x5C, "5Ch Data TLB, 4K/4M pages, fully, 128 entries",                               "",     "",     "",        0},
  {0x5D, "5Dh Data TLB, 4K/4M pages, fully, 256 entries",                               "",     "",     "",        0},
  {0x66, "66h Data L1 cache, 8 KB, 4 ways, 64 byte lines, sectored",                    "",     "8",    "",        0},
  {0x67, "67h Data L1 cache, 16 KB, 4 ways, 64 byte lines, sectored",                   "",     "16",   "",        0},
  {0x68, "68h Data L1 cache, 32 KB, 4 ways, 64 byte lines, sectored",                   "",     "32",   "",        0},
  {0x70, "70h Trace L1 cache, 12 K\xB5" "OPs, 4 ways",                                  "12",   "",     "",        0},
  {0x71, "71h Trace L1 cache, 16 K\xB5" "OPs, 4 ways",                                  "16",   "",     "",        0},
  {0x72, "72h Trace L1 cache, 32 K\xB5" "OPs, 4 ways",                                  "32",   "",     "",        0},
  {0x79, "79h Code and data L2 cache, 128 KB, 8 ways, 64 byte lines, sectored",         "",     "",     "128",     0},
  {0x7A, "7Ah Code and data L2 cache, 256 KB, 8 ways, 64 byte lines, sectored",         "",     "",     "256",     0},
  {0x7B, "7bh Code and Data L2 cache, 512 KB, 8 ways, 64 byte lines, sectored",         "",     "",     "512",     0},
  {0x7C, "7Ch Code and data L2 cache, 1024 KB, 8 ways, 64 byte lines, sectored",        "",     "",     "1024",    0},
  {0x81, "81h Code and data L2 cache, 128 KB, 8 ways, 32 byte lines",                   "",     "",     "128",     0},
  {0x82, "82h Code and data L2 cache, 256 KB, 8 ways, 32 byte lines",                   "",     "",     "256",     0},
  {0x83, "83h Code and data L2 cache, 512 KB, 8 ways, 32 byte lines",                   "",     "",     "512",     0},
  {0x84, "84h Code and data L2 cache, 1024 KB, 8 ways, 32 byte lines",                  "",     "",     "1024",    0},
  {0x85, "85h Code and data L2 cache, 2048 KB, 8 ways, 32 byte lines",                  "",     "",     "2048",    0},
  {0x88, "",                                                                            "",     "",     "",     2048},
  {0x89, "",                                                                            "",     "",     "",     4096},
  {0x8A, "",                                                                            "",     "",     "",     8192},
  {0x8B, "",                                                                            "",     "",     "",     3096},
}};
// clang-format on

// The row of a descriptor byte, or nullptr for a byte we do not know (00h included).
constexpr const IntelDescriptorRow* FindIntelDescriptor(uint8_t byte) {
  for (const IntelDescriptorRow& row : kIntelDescriptors) {
    if (row.byte == byte) return &row;
  }
  return nullptr;
}

namespace intel_descriptor_table_checks {
constexpr bool BytesAreUnique() {
  for (size_t i = 0; i < kIntelDescriptors.size(); ++i) {
    for (size_t j = i + 1; j < kIntelDescriptors.size(); ++j) {
      if (kIntelDescriptors[i].byte == kIntelDescriptors[j].byte) return false;
    }
  }
  return true;
}
static_assert(BytesAreUnique(), "a descriptor byte may have only one row");
}  // namespace intel_descriptor_table_checks
