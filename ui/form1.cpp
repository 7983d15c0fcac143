// TForm1: the main window, its five pages and the strip below them.
#include "ui/form1.h"

#include <QEvent>
#include <QTabWidget>
#include <array>
#include <string_view>

#include "components/game_info.h"
#include "ui/activation.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/pages.h"
#include "ui/pictures.h"

namespace {

// Outer size and place; without a frame from a window manager the outer size
// is the client size.
constexpr QPoint kWindowPlace{357, 108};
constexpr QSize kWindowSize{365, 613};
constexpr QRect kPageControl{0, 0, 353, 553};

// System menu and minimise box, no maximise box.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

struct PageRow {
  std::string_view name;
  std::string_view caption;
  void (*build)(QWidget& page);
};

// clang-format off
constexpr std::array<PageRow, 5> kPages{{
    {"TabSheet1", "Summary",          BuildSummaryPage},
    {"TabSheet2", "Cache",            BuildCachePage},
    {"TabSheet3", "Featureset",       BuildFeaturesetPage},
    {"TabSheet4", "Processor detail", BuildDetailPage},
    {"TabSheet6", "Support",          BuildSupportPage},
}};
// clang-format on

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent, kWindowFlags) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Halvane version 2"));
  setWindowIcon(MonitorIcon());
  setFont(WindowFont());
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setFixedSize(kWindowSize);
  move(kWindowPlace);

  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("PageControl1"));
  pages->setGeometry(kPageControl);
  for (const PageRow& row : kPages) {
    auto* page = new QWidget;
    page->setObjectName(Latin1(row.name));
    TagKind(*page, ControlKind::Page);
    pages->addTab(page, Latin1(row.caption));
    row.build(*page);
  }
  pages->setCurrentIndex(0);

  BuildStrip(*this);
  game_info_ = new TGameInfo(this);
}

void TForm1::FormActivate() {
  RunActivationSequence(*this);
}

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}
