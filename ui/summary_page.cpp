// The Summary page: background picture, identification rows, brand string, speeds, caches, memory.
#include <QLabel>
#include <array>

#include "ui/layout_rows.h"
#include "ui/pages.h"
#include "ui/pictures.h"

namespace {

using K = ControlKind;
using namespace look;
constexpr int A = kAutoSize;

// clang-format off
// kind, name, parent, x, y, w, h, caption, look
constexpr auto kSummaryRows = std::to_array<LayoutRow>({
    {K::Image, "Image4",   "",         -8,   0, 353, 529, "",                 kPlain},
    {K::Panel, "Panel1",   "",          0,   0, 281, 193, "",                 kPlain},
    {K::Panel, "Panel16",  "",          0, 200, 281,  17, "",                 kPlain},
    {K::Panel, "Panel17",  "",          0, 224, 281, 105, "",                 kPlain},
    {K::Panel, "Panel19",  "",          0, 336, 281, 153, "",                 kPlain},
    {K::Panel, "Panel34",  "",          0, 492, 281,  33, "",                 kPlain},

    // Identification rows.
    {K::Label, "Label1",   "Panel1",    8,   8,   A,   A, "Instruction set:", kPlain},
    {K::Panel, "Panel2",   "Panel1",   80,   8, 113,   A, "",                 kPlain},
    {K::Label, "Label2",   "Panel1",    8,  32,   A,   A, "Vendor:",          kPlain},
    {K::Panel, "Panel3",   "Panel1",   80,  32, 113,   A, "",                 kPlain},
    {K::Label, "Label3",   "Panel1",    8,  56,   A,   A, "Porcessor:",       kPlain},
    {K::Panel, "Panel4",   "Panel1",   80,  56, 113,   A, "",                 kPlain},
    {K::Label, "Label4",   "Panel1",    8,  80,   A,   A, "Codename;",        kPlain},
    {K::Panel, "Panel5",   "Panel1",   80,  80, 113,   A, "",                 kPlain},
    {K::Label, "Label5",   "Panel1",    8, 104,   A,   A, "Platform:",        kPlain},
    {K::Panel, "Panel6",   "Panel1",   80, 104, 113,   A, "",                 kPlain},
    {K::Label, "Label6",   "Panel1",    8, 128,   A,   A, "Form factor:",     kPlain},
    {K::Panel, "Panel7",   "Panel1",   80, 128, 113,   A, "",                 kPlain},
    {K::Label, "Label7",   "Panel1",  208,   8,   A,   A, "Tech:",            kPlain},
    {K::Panel, "Panel8",   "Panel1",  240,   8,  33,   A, "",                 kPlain},
    {K::Label, "Label164", "Panel1",  208,  32,   A,   A, "Level:",           kPlain},
    {K::Panel, "Panel33",  "Panel1",  240,  32,  33,   A, "",                 kPlain},
    {K::Label, "Label8",   "Panel1",  208, 104,   A,   A, "Type:",            kPlain},
    {K::Panel, "Panel9",   "Panel1",  240, 104,  33,   A, "",                 kPlain},
    {K::Label, "Label9",   "Panel1",  208, 128,   A,   A, "Brand:",           kDisabled},
    {K::Panel, "Panel25",  "Panel1",  240, 128,  33,   A, "",                 kDisabled},

    // Family, model and stepping grid.
    {K::Label, "Label10",  "Panel1",    8, 160,   A,   A, "Family:",          kPlain},
    {K::Label, "Label11",  "Panel1",   64, 160,   A,   A, "Model:",           kPlain},
    {K::Label, "Label12",  "Panel1",  112, 160,   A,   A, "Stepping:",        kPlain},
    {K::Label, "Label13",  "Panel1",  216, 152,   A,   A, "[Standard]",       kPlain},
    {K::Panel, "Panel10",  "Panel1",   40, 152,  17,   A, "",                 kPlain},
    {K::Panel, "Panel11",  "Panel1",   96, 152,  17,   A, "",                 kPlain},
    {K::Panel, "Panel12",  "Panel1",  160, 152,  49,   A, "",                 kPlain},
    {K::Label, "Label14",  "Panel1",  216, 168,   A,   A, "[Extended]",       kPlain},
    {K::Panel, "Panel13",  "Panel1",   40, 168,  17,   A, "",                 kPlain},
    {K::Panel, "Panel14",  "Panel1",   96, 168,  17,   A, "",                 kPlain},
    {K::Panel, "Panel15",  "Panel1",  160, 168,  49,   A, "",                 kPlain},

    // Speed rows.
    {K::Label, "Label16",  "Panel17",   8,   8,   A,   A, "Processor speed:", kPlain},
    {K::Panel, "Panel18",  "Panel17",  96,   8, 113,   A, "",                 kPlain},
    {K::Label, "Label23",  "Panel17",   8,  32,   A,   A, "Original speed:",  kDisabled},
    {K::Panel, "Panel24",  "Panel17",  96,  32, 113,   A, "",                 kDisabled},
    {K::Label, "Label141", "Panel17",   8,  56,   A,   A, "Sysclock:",        kDisabled},
    {K::Panel, "Panel20",  "Panel17",  96,  56,  49,   A, "",                 kDisabled},
    {K::Label, "Label157", "Panel17", 152,  56,   A,   A, "Mhz",              kDisabled},
    {K::Label, "Label142", "Panel17",   8,  80,   A,   A, "Bus clock:",       kDisabled},
    {K::Panel, "Panel21",  "Panel17",  96,  80,  49,   A, "",                 kPlain},
    {K::Label, "Label158", "Panel17", 152,  80,   A,   A, "Mhz",              kDisabled},
    {K::Label, "Label143", "Panel17", 184,  56,   A,   A, "Multiplier:",      kDisabled},
    {K::Panel, "Panel22",  "Panel17", 240,  56,  33,   A, "",                 kDisabled},
    {K::Label, "Label144", "Panel17", 184,  80,   A,   A, "OC ?",             kDisabled},
    {K::Panel, "Panel23",  "Panel17", 216,  80,  57,   A, "",                 kDisabled},

    // Cache rows; the unit beside the L1 code cache can grow into "K\xB5OP".
    {K::Label, "Label24",  "Panel19",   8,   8,   A,   A, "L1 code cache:",   kPlain},
    {K::Panel, "Panel26",  "Panel19",  96,   8,  57,   A, "",                 kPlain},
    {K::Label, "Label27",  "Panel19", 160,   8,  40,   A, "Kb",               kPlain},
    {K::Label, "Label25",  "Panel19",   8,  32,   A,   A, "L1 data cache:",   kPlain},
    {K::Panel, "Panel27",  "Panel19",  96,  32,  57,   A, "",                 kPlain},
    {K::Label, "Label28",  "Panel19", 160,  32,   A,   A, "Kb",               kPlain},
    {K::Label, "Label26",  "Panel19",   8,  56,   A,   A, "L2 cache size:",   kPlain},
    {K::Panel, "Panel28",  "Panel19",  96,  56,  57,   A, "",                 kPlain},
    {K::Label, "Label29",  "Panel19", 160,  56,   A,   A, "Kb",               kPlain},
    {K::Label, "Label30",  "Panel19",   8,  80,   A,   A, "L3 cache size:",   kPlain},
    {K::Panel, "Panel29",  "Panel19",  96,  80,  57,   A, "",                 kPlain},
    {K::Label, "Label156", "Panel19", 160,  80,   A,   A, "Kb",               kPlain},
    {K::Label, "Label31",  "Panel19",   8, 104,   A,   A, "L1 cache speed:",  kPlain},
    {K::Panel, "Panel30",  "Panel19",  96, 104,  57,   A, "",                 kPlain},
    {K::Label, "Label146", "Panel19", 160, 104,   A,   A, "Mhz",              kPlain},
    {K::Label, "Label32",  "Panel19",   8, 128,   A,   A, "L2 cache speed:",  kPlain},
    {K::Panel, "Panel31",  "Panel19",  96, 128,  57,   A, "",                 kPlain},
    {K::Label, "Label145", "Panel19", 160, 128,   A,   A, "Mhz",              kPlain},

    // Instruction-extension labels, one column.
    {K::Label, "Label19",  "Panel19", 224,   8,   A,   A, "MMX",              kPlain},
    {K::Label, "Label20",  "Panel19", 224,  24,   A,   A, "MMX+",             kPlain},
    {K::Label, "Label21",  "Panel19", 224,  48,   A,   A, "SSE",              kPlain},
    {K::Label, "Label22",  "Panel19", 224,  64,   A,   A, "SSE2",             kPlain},
    {K::Label, "Label196", "Panel19", 224,  80,   A,   A, "SSE3",             kPlain},
    {K::Label, "Label17",  "Panel19", 224, 104,   A,   A, "3DNow:",           kPlain},
    {K::Label, "Label18",  "Panel19", 224, 120,   A,   A, "3DNow+",           kPlain},

    // Memory and operating system lines. The values are right-aligned to
    // x = 124 and x = 268 and reach left up to their captions, room for five
    // digits. The system line keeps its centre (48 + 185 / 2) but spans the
    // whole panel: a Linux distribution's name and kernel release are far
    // longer than the line was drawn for.
    {K::Label, "Label190", "Panel34",   8,   4,   A,   A, "Total memory:",    kPlain},
    {K::Label, "Label188", "Panel34",  74,   4,  50,   A, "Label188",         kAlignRight},
    {K::Label, "Label191", "Panel34", 160,   4,   A,   A, "Free memory:",     kPlain},
    {K::Label, "Label189", "Panel34", 222,   4,  46,   A, "Label189",         kAlignRight},
    {K::Label, "Label192", "Panel34",   2,  18, 277,   A, "",                 kAlignCentre},
});
// clang-format on

}  // namespace

void BuildSummaryPage(QWidget& page) {
  BuildControls(page, kSummaryRows);
  qobject_cast<QLabel*>(&Control(page, "Image4"))->setPixmap(SummaryBackground());
}
