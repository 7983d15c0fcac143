// The report as a JSON document, and the text conversions it needs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/control_facts.h"

// Each Latin-1 byte as the UTF-8 of the same code point (0xB5 -> U+00B5).
std::string Latin1ToUtf8(std::string_view latin1);
// A quoted JSON string of UTF-8 text: quote and backslash escaped, control
// characters as \u00XX.
std::string JsonString(std::string_view utf8);
// "#RRGGBB".
std::string ColorText(uint32_t rgb);

// {"build": N, "controls": {...}}, one control a line, in the given order.
std::string JsonReport(int build, const std::vector<ControlFacts>& controls);
