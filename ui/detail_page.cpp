// The Processor detail page: seven captioned read-only memos for the core architecture texts.
#include <array>

#include "ui/layout_rows.h"
#include "ui/pages.h"

namespace {

using K = ControlKind;
using namespace look;
constexpr int A = kAutoSize;
constexpr unsigned kDetailMemo = kReadOnly | kFaceBackground;

// clang-format off
// kind, name, parent, x, y, w, h, caption, look
constexpr auto kDetailRows = std::to_array<LayoutRow>({
    {K::Label, "Label147", "",  0,   8,   A,  A, "Generic Detail:",     kPlain},
    {K::Memo,  "Memo2",    "", 96,   8, 257, 49, "",                    kDetailMemo},
    {K::Label, "Label148", "",  0,  64,   A,  A, "Specific Details:",   kPlain},
    {K::Memo,  "Memo3",    "", 96,  64, 257, 65, "",                    kDetailMemo},
    {K::Label, "Label151", "",  0, 136,   A,  A, "Registers:",          kPlain},
    {K::Memo,  "Memo4",    "", 96, 136, 257, 49, "",                    kDetailMemo},
    {K::Label, "Label152", "",  0, 192,   A,  A, "Pipeline Depth:",     kPlain},
    {K::Memo,  "Memo5",    "", 96, 192, 257, 49, "",                    kDetailMemo},
    {K::Label, "Label153", "",  0, 248,   A,  A, "Instruction Decode:", kPlain},
    {K::Memo,  "Memo6",    "", 96, 248, 257, 65, "",                    kDetailMemo},
    {K::Label, "Label154", "",  0, 320,   A,  A, "Execution Units:",    kPlain},
    {K::Memo,  "Memo7",    "", 96, 320, 257, 89, "",                    kDetailMemo},
    {K::Label, "Label155", "",  0, 416,   A,  A, "Execution Speed:",    kPlain},
    {K::Memo,  "Memo8",    "", 96, 416, 257, 89, "",                    kDetailMemo},
});
// clang-format on

}  // namespace

void BuildDetailPage(QWidget& page) {
  BuildControls(page, kDetailRows);
}
