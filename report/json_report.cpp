// Writing the report as JSON.
#include "report/json_report.h"

#include <cstdio>

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
  for (char c : latin1) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::string JsonString(std::string_view utf8) {
  std::string quoted = "\"";
  for (char c : utf8) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20) {
      char escape[7];
      std::snprintf(escape, sizeof escape, "\\u%04X", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string ColorText(uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", rgb & 0xFFFFFF);
  return text;
}

namespace {

const char* Bool(bool value) {
  return value ? "true" : "false";
}

std::string ControlObject(const ControlFacts& control) {
  std::string object = "{\"kind\": " + JsonString(KindName(control.kind));
  if (control.kind == ControlKind::Memo) {
    object += ", \"lines\": [";
    for (size_t i = 0; i < control.lines.size(); ++i) {
      if (i > 0) object += ", ";
      object += JsonString(Latin1ToUtf8(control.lines[i]));
    }
    object += "]";
  } else if (control.kind != ControlKind::Image && control.kind != ControlKind::Shape) {
    object += ", \"caption\": " + JsonString(Latin1ToUtf8(control.caption));
  }
  object += std::string(", \"enabled\": ") + Bool(control.enabled);
  object += std::string(", \"visible\": ") + Bool(control.visible);
  object += ", \"fontColor\": " + JsonString(ColorText(control.font_rgb)) + "}";
  return object;
}

}  // namespace

std::string JsonReport(int build, const std::vector<ControlFacts>& controls) {
  std::string json = "{\n  \"build\": " + std::to_string(build) + ",\n  \"controls\": {";
  for (size_t i = 0; i < controls.size(); ++i) {
    json += i > 0 ? ",\n    " : "\n    ";
    json += JsonString(controls[i].name) + ": " + ControlObject(controls[i]);
  }
  json += controls.empty() ? "}\n}\n" : "\n  }\n}\n";
  return json;
}
