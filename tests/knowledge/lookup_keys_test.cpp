// The shared lookup keys.
#include "knowledge/lookup_keys.h"

#include <gtest/gtest.h>

#include "support/dump_fixture.h"

namespace {

class LookupKeysTest : public RecordTest {};

TEST_F(LookupKeysTest, DecimalsWithoutSeparatorOrLeadingZeros) {
  struct Case {
    int family, model, stepping;
    const char* signature;
    const char* family_model;
  };
  const Case cases[] = {{6, 8, 10, "6810", "68"},
                        {15, 0, 7, "1507", "150"},
                        {5, 13, 0, "5130", "513"},
                        {6, 1, 11, "6111", "61"},
                        {6, 11, 1, "6111", "611"}};
  for (const Case& c : cases) {
    CpuidState.Family = c.family;
    CpuidState.Model = c.model;
    CpuidState.Stepping = c.stepping;
    RebuildLookupKeys();
    EXPECT_EQ(CpuidState.SignatureKey, c.signature);
    EXPECT_EQ(CpuidState.FamilyModelKey, c.family_model);
    EXPECT_EQ(CpuidState.KeyFamily, c.family);
    EXPECT_EQ(CpuidState.KeyModel, c.model);
    EXPECT_EQ(CpuidState.KeyStepping, c.stepping);
  }
}

}  // namespace
