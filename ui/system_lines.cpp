// Filling the memory and operating-system lines.
#include "ui/system_lines.h"

#include "components/game_info.h"
#include "ui/controls.h"
#include "ui/form1.h"

namespace {

// The lines count in units of 1024417 bytes (0xFA1A1), not 2^20, so a
// 512 MiB machine reads "524 mb" as it always has.
constexpr uint64_t kBytesPerShownMegabyte = 1024417;

}  // namespace

std::string MemoryLineText(uint64_t bytes) {
  return std::to_string(bytes / kBytesPerShownMegabyte) + " mb";
}

std::string OperatingSystemLineText(const std::string& product, const std::string& build) {
  return product + " Build " + build;
}

void ShowMemoryLines(QWidget& form, const MemoryFigures& memory) {
  SetCaption(form, "Label188", MemoryLineText(memory.total_bytes));
  SetCaption(form, "Label189", MemoryLineText(memory.available_bytes));
}

void ShowMemoryLines(TForm1& form) {
  ShowMemoryLines(form, ReadMemoryFigures());
}

void ShowOperatingSystemLine(QWidget& form, std::string_view platform, const std::string& product,
                             const std::string& build) {
  if (platform != kOperatingSystemLinePlatform) return;
  SetCaption(form, "Label192", OperatingSystemLineText(product, build));
}

void ShowOperatingSystemLine(TForm1& form) {
  const std::string& platform = form.GameInfo1().OSPlatform();
  if (platform != kOperatingSystemLinePlatform) return;
  std::optional<KernelFacts> kernel = ReadKernelFacts();
  ShowOperatingSystemLine(form, platform, FromSystemText(ReadOsReleaseValue("PRETTY_NAME")),
                          kernel ? FromSystemText(kernel->release) : std::string());
}
