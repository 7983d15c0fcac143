// The text report: which controls pair up into rows, and the page sections.
#include "report/text_report.h"

#include <gtest/gtest.h>

namespace {

ControlFacts At(std::string name, ControlKind kind, std::string caption, int left, int top,
                int width = 40, int parent = 1) {
  ControlFacts control;
  control.name = std::move(name);
  control.kind = kind;
  control.caption = std::move(caption);
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = 17;
  control.parent = parent;
  control.page = 0;
  return control;
}

TEST(TextRows, PairsCaptionsWithTheValueBesideThem) {
  using K = ControlKind;
  ControlFacts greyed = At("Label21", K::Label, "SSE", 224, 48);
  greyed.enabled = false;
  ControlFacts hidden = At("Panel90", K::Panel, "hidden", 80, 300);
  hidden.shown = false;
  ControlFacts memo = At("Memo2", K::Memo, "", 96, 400, 257);
  memo.lines = {"first", "second"};
  const std::vector<ControlFacts> page = {
      At("Label1", K::Label, "Instruction set:", 8, 8, 70),
      At("Label7", K::Label, "Tech:", 208, 8, 30),
      At("Panel2", K::Panel, "X86-(IA32)", 80, 8, 113),
      At("Panel8", K::Panel, "0.13 \xB5m", 240, 8, 33),
      At("Label141", K::Label, "Sysclock:", 8, 40, 50),
      At("Panel20", K::Panel, "100", 80, 40, 41),
      At("Label157", K::Label, "Mhz", 128, 42, 20),
      At("Label10", K::Label, "Family:", 8, 160),
      At("Label11", K::Label, "Model:", 64, 160),
      At("Panel10", K::Panel, "15", 40, 176, 17),
      At("Label13", K::Label, "[Standard]", 216, 176),
      At("Label9", K::Label, "Brand:", 208, 128),
      At("Panel25", K::Panel, "", 240, 128),
      greyed,
      hidden,
      At("Label56", K::Label, "Data TLB:", 8, 24, 60, 2),
      At("Label57", K::Label, "4-Way", 88, 24, 60, 2),
      At("Label58", K::Label, "Other parent:", 8, 200, 60, 3),
      At("Label59", K::Label, "not beside it", 88, 200, 60, 4),
      At("Label147", K::Label, "Generic Detail:", 0, 400, 80),
      memo,
      At("Shape1", K::Shape, "", 0, 500),
  };
  EXPECT_EQ(TextRows(page), (std::vector<std::string>{
                                "Instruction set:  X86-(IA32)",
                                "Tech:  0.13 \xB5m",
                                "Sysclock:  100 Mhz",
                                "Family:  Model:",
                                "15  [Standard]",
                                "Brand:",
                                "SSE (disabled)",
                                "Data TLB:  4-Way",
                                "Other parent:",
                                "not beside it",
                                "Generic Detail:  first",
                                "                 second",
                            }));
}

TEST(TextReport, PagesInOrderThenTheStripInUtf8) {
  ControlFacts summary = At("TabSheet1", ControlKind::Page, "Summary", 0, 0);
  summary.page = -1;
  ControlFacts cache = At("TabSheet2", ControlKind::Page, "Cache", 0, 0);
  cache.page = -1;
  ControlFacts on_cache = At("Label55", ControlKind::Label, "L1 cache:", 160, 0);
  on_cache.page = 3;
  ControlFacts value = At("Panel8", ControlKind::Panel, "0.13 \xB5m", 80, 8);
  ControlFacts build = At("Label183", ControlKind::Label, "Build108", 248, 552);
  build.page = -1;
  EXPECT_EQ(TextReport({summary, At("Label7", ControlKind::Label, "Tech:", 8, 8), value, cache,
                        on_cache, build}),
            "Summary\n"
            "  Tech:  0.13 \xC2\xB5m\n"
            "\n"
            "Cache\n"
            "  L1 cache:\n"
            "\n"
            "Build108\n");
}

}  // namespace
