// The core codename ("Thunderbird", "Northwood") of an AMD or Intel processor.
#pragma once

#include <string>

// Rebuilds the lookup keys first, so the technology table can read them after.
std::string GetCodename();
