// Numbers as the window shows them, and the cut to a panel's width.
#include "clock/float_text.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

struct TextCase {
  double value;
  char separator;
  const char* expected;
};

const TextCase kFloatCases[] = {
    {1700, '.', "1700"},  // a whole number has no point
    {425, '.', "425"},
    {106.25, '.', "106.25"},
    {6.25, '.', "6.25"},
    {2400.0 / 18, '.', "133.333333333333"},         // 15 significant digits
    {double(1398.7654f), '.', "1398.76538085938"},  // a float's digits, widened
    {0.5, '.', "0.5"},
    {106.25, ',', "106,25"},
    {1700, ',', "1700"},
};

TEST(FloatTextTest, GeneralFormatWithTheGivenSeparator) {
  for (const TextCase& c : kFloatCases) {
    EXPECT_EQ(FloatText(c.value, c.separator), c.expected) << c.value << " '" << c.separator << "'";
  }
}

TEST(FloatTextTest, FixedFormatKeepsItsZeros) {
  EXPECT_EQ(FixedText(233, 1, '.'), "233.0");
  EXPECT_EQ(FixedText(233, 1, ','), "233,0");
}

TEST(FloatTextTest, CutKeepsTheFirstCharactersWithoutRounding) {
  EXPECT_EQ(CutToWidth(FloatText(double(1398.7654f), '.'), 7), "1398.76");
  EXPECT_EQ(CutToWidth(FloatText(2400.0 / 18, '.'), 6), "133.33");
  EXPECT_EQ(CutToWidth(FloatText(2012.5, '.'), 7), "2012.5");
  EXPECT_EQ(CutToWidth("", 5), "");
}

TEST(FloatTextTest, SeparatorFollowsTheNumericLocale) {
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(LocaleDecimalSeparator(), '.');
  EXPECT_EQ(FloatText(106.25), "106.25");

  bool comma_locale = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      comma_locale = true;
      break;
    }
  }
  if (comma_locale) {
    EXPECT_EQ(LocaleDecimalSeparator(), ',');
    EXPECT_EQ(FloatText(106.25), "106,25");
  }
  std::setlocale(LC_NUMERIC, "C");
  if (!comma_locale) GTEST_SKIP() << "no locale with a decimal comma installed";
}

}  // namespace
