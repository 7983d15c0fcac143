// The lookup keys the knowledge tables share: decimals written together without separator.
#pragma once

// Copies Family, Model, Stepping into KeyFamily, KeyModel, KeyStepping and
// rebuilds SignatureKey ("6810") and FamilyModelKey ("66") from them.
void RebuildLookupKeys();
