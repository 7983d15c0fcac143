// The total and free memory lines and the operating-system line at the foot of the Summary page.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/system_facts.h"

class TForm1;

// The system family whose product name and kernel build make the line.
inline constexpr std::string_view kOperatingSystemLinePlatform = "Linux";

// A byte count as the memory labels show it: "524 mb" for 512 MiB.
std::string MemoryLineText(uint64_t bytes);
// "<product> Build <build>", with nothing else between them.
std::string OperatingSystemLineText(const std::string& product, const std::string& build);

// Label188 and Label189 from the given figures, or from the system's now.
void ShowMemoryLines(QWidget& form, const MemoryFigures& memory);
void ShowMemoryLines(TForm1& form);

// Label192, only when `platform` is exactly kOperatingSystemLinePlatform; the
// window's own step takes the platform from GameInfo1, the product name from
// os-release (PRETTY_NAME) and the build from the kernel release.
void ShowOperatingSystemLine(QWidget& form, std::string_view platform, const std::string& product,
                             const std::string& build);
void ShowOperatingSystemLine(TForm1& form);
