// The core codename, and the lookup keys the knowledge tables share.
#pragma once

#include <string>

// Copies Family, Model, Stepping into the key copies and rebuilds
// SignatureKey and FamilyModelKey ("6810", "66": decimals without separator).
void RebuildLookupKeys();

std::string GetCodename();
