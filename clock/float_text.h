// Floating values as the window shows them, and the cut-to-width rule for numeric texts.
#pragma once

#include <cstddef>
#include <string>

// The decimal separator of the user's locale (LC_NUMERIC), '.' when there is none.
char LocaleDecimalSeparator();

// General format: up to 15 significant digits, no exponent, no trailing zeros,
// no decimal point for whole numbers.
std::string FloatText(double value, char decimal_separator = LocaleDecimalSeparator());

// Fixed-point with exactly `decimals` digits after the separator.
std::string FixedText(double value, int decimals,
                      char decimal_separator = LocaleDecimalSeparator());

// The first `width` characters of `text`; a shorter text is returned unchanged.
std::string CutToWidth(const std::string& text, size_t width);
