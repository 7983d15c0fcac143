// The JSON document: escaping, text conversion and its exact shape.
#include "report/json_report.h"

#include <gtest/gtest.h>

namespace {

TEST(JsonString, EscapesQuotesBackslashesAndControlCharacters) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"plain", "\"plain\""},
      {"", "\"\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"C:\\dir", "\"C:\\\\dir\""},
      {"a\nb\tc\rd", "\"a\\u000Ab\\u0009c\\u000Dd\""},
      {std::string("\x01\x1F\x7F", 3), "\"\\u0001\\u001F\x7F\""},
      {"0.13 \xC2\xB5m", "\"0.13 \xC2\xB5m\""},
  };
  for (const Case& c : cases) EXPECT_EQ(JsonString(c.text), c.expected);
}

TEST(Latin1ToUtf8, EncodesEveryByteAsItsCodePoint) {
  EXPECT_EQ(Latin1ToUtf8("0.13 \xB5"
                         "m"),
            "0.13 \xC2\xB5m");
  EXPECT_EQ(Latin1ToUtf8("K\xB5OP \xB0 \xFF"), "K\xC2\xB5OP \xC2\xB0 \xC3\xBF");
  EXPECT_EQ(Latin1ToUtf8("ascii"), "ascii");
}

TEST(JsonReport, OneControlALine) {
  ControlFacts panel;
  panel.name = "Panel2";
  panel.kind = ControlKind::Panel;
  panel.caption = "X86-(IA32)";
  ControlFacts memo;
  memo.name = "Memo2";
  memo.kind = ControlKind::Memo;
  memo.lines = {"1st \"line\"", ""};
  memo.enabled = false;
  ControlFacts flag;
  flag.name = "Label19";
  flag.kind = ControlKind::Label;
  flag.caption = "MMX";
  flag.font_rgb = 0x008000;
  ControlFacts picture;
  picture.name = "Image1";
  picture.kind = ControlKind::Image;
  picture.visible = false;

  EXPECT_EQ(
      JsonReport(108, {panel, memo, flag, picture}),
      "{\n"
      "  \"build\": 108,\n"
      "  \"controls\": {\n"
      "    \"Panel2\": {\"kind\": \"panel\", \"caption\": \"X86-(IA32)\", \"enabled\": true, "
      "\"visible\": true, \"fontColor\": \"#000000\"},\n"
      "    \"Memo2\": {\"kind\": \"memo\", \"lines\": [\"1st \\\"line\\\"\", \"\"], \"enabled\": "
      "false, \"visible\": true, \"fontColor\": \"#000000\"},\n"
      "    \"Label19\": {\"kind\": \"label\", \"caption\": \"MMX\", \"enabled\": true, "
      "\"visible\": "
      "true, \"fontColor\": \"#008000\"},\n"
      "    \"Image1\": {\"kind\": \"image\", \"enabled\": true, \"visible\": false, \"fontColor\": "
      "\"#000000\"}\n"
      "  }\n"
      "}\n");
  EXPECT_EQ(JsonReport(108, {}), "{\n  \"build\": 108,\n  \"controls\": {}\n}\n");
}

}  // namespace
