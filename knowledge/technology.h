// The manufacturing process ("0.18µ", "0.25 µm") of the processor.
#pragma once

#include <string>

std::string GetTechnology();
