// A fresh main window per test, on a recorded processor and a simulated clock.
#pragma once

#include <QColor>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/time_source.h"
#include "support/dump_fixture.h"
#include "ui/controls.h"
#include "ui/form1.h"

class WindowTest : public RecordTest {
 protected:
  // Installs the processor and a clock running at `mhz`, then opens the window.
  void Open(const std::string& dump, double mhz = 1000) {
    UseDump(dump);
    OpenOn(mhz);
  }
  void OpenOn(double mhz) {
    form_.reset();
    time_guard_.reset();
    clock_ = std::make_unique<SimulatedTimeSource>(mhz);
    time_guard_ = std::make_unique<ScopedTimeSource>(*clock_);
    form_ = std::make_unique<TForm1>();
  }

  TForm1& form() { return *form_; }
  std::string Text(std::string_view name) { return Caption(*form_, name); }
  std::vector<std::string> Lines(std::string_view name) { return MemoLines(*form_, name); }
  bool Enabled(std::string_view name) { return Control(*form_, name).isEnabled(); }
  bool Hidden(std::string_view name) { return Control(*form_, name).isHidden(); }
  QRgb Colour(std::string_view name) { return FontColor(*form_, name).rgb() & 0xFFFFFF; }

 private:
  std::unique_ptr<SimulatedTimeSource> clock_;
  std::unique_ptr<ScopedTimeSource> time_guard_;
  std::unique_ptr<TForm1> form_;
};
