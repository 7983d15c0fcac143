// The short processor name ("Pentium III", "Athlon XP (TH core)") from vendor and signature.
#pragma once

#include <string>

std::string GetProcessorName();
