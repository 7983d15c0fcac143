// Floating values as the window shows them, and the cut-to-width rule for numeric texts.
#include "clock/float_text.h"

#include <array>
#include <charconv>
#include <clocale>

namespace {

// std::to_chars writes a point whatever the locale; the user's separator replaces it.
std::string WithSeparator(const char* begin, const char* end, char decimal_separator) {
  std::string text(begin, end);
  if (size_t point = text.find('.'); point != std::string::npos) text[point] = decimal_separator;
  return text;
}

}  // namespace

char LocaleDecimalSeparator() {
  const lconv* conventions = std::localeconv();
  if (conventions == nullptr || conventions->decimal_point == nullptr ||
      conventions->decimal_point[0] == '\0') {
    return '.';
  }
  return conventions->decimal_point[0];
}

std::string FloatText(double value, char decimal_separator) {
  // %.15g: 15 significant digits, trailing zeros and a bare point dropped;
  // an exponent appears only far outside the magnitudes of clock figures.
  std::array<char, 64> buffer{};
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  (void)error;  // 64 characters hold any double at 15 digits
  return WithSeparator(buffer.data(), end, decimal_separator);
}

std::string FixedText(double value, int decimals, char decimal_separator) {
  std::array<char, 400> buffer{};  // a fixed-point double can need over 300 digits
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  (void)error;
  return WithSeparator(buffer.data(), end, decimal_separator);
}

std::string CutToWidth(const std::string& text, size_t width) {
  return text.substr(0, width);
}
