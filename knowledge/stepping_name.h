// The stepping in the vendor's own designation ("2 (dB0)").
#pragma once

#include <string>

std::string GetSteppingName();
