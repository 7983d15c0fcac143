// The row shape the codename and technology tables share: one test of a key or signature field.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// Text keys compare exactly; the number fields compare as integers.
enum class KeyField { kSignatureKey, kFamilyModelKey, kKeyFamily, kKeyModel, kFamily, kModel };

struct KeyTest {
  KeyField field;
  std::string_view text;
  int number;
};

constexpr KeyTest SignatureKeyIs(std::string_view key) {
  return {KeyField::kSignatureKey, key, 0};
}
constexpr KeyTest FamilyModelKeyIs(std::string_view key) {
  return {KeyField::kFamilyModelKey, key, 0};
}
constexpr KeyTest KeyFamilyIs(int family) {
  return {KeyField::kKeyFamily, {}, family};
}
constexpr KeyTest KeyModelIs(int model) {
  return {KeyField::kKeyModel, {}, model};
}
constexpr KeyTest FamilyIs(int family) {
  return {KeyField::kFamily, {}, family};
}
constexpr KeyTest ModelIs(int model) {
  return {KeyField::kModel, {}, model};
}

struct KeyRow {
  KeyTest test;
  std::string_view text;
};

constexpr bool operator==(const KeyTest& a, const KeyTest& b) {
  return a.field == b.field && a.text == b.text && a.number == b.number;
}

// A row whose test repeats an earlier one can never apply; tables assert they have none.
constexpr bool EveryRowReachable(std::span<const KeyRow> rows) {
  for (std::size_t later = 0; later < rows.size(); ++later) {
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      if (rows[earlier].test == rows[later].test) return false;
    }
  }
  return true;
}

// Reads the record as it stands; the caller decides which keys are fresh.
bool Passes(const KeyTest& test);

// The text of the first row whose test passes, else `fallback`.
std::string_view FirstPassing(std::span<const KeyRow> rows, std::string_view fallback);
