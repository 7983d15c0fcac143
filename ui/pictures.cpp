// The window's own pictures, drawn once with QPainter.
#include "ui/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

constexpr int kIconSide = 33;
constexpr QSize kBackgroundSize{353, 529};

// The background is placed 8 pixels left of the page and the Summary panels
// cover the first 281 page pixels, so the name must sit right of x = 289.
constexpr int kFreeStripLeft = 289;

QPixmap Transparent(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap MonitorIcon() {
  QPixmap pixmap = Transparent({kIconSide, kIconSide});
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // Stand first, so the cabinet hides its top.
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
  p.setBrush(QColor(0xA0, 0xA0, 0xA0));
  p.drawRect(QRectF(14.5, 23.5, 4, 4));
  p.drawRoundedRect(QRectF(8.5, 27.5, 16, 3), 1, 1);
  // Cabinet and screen.
  p.setBrush(QColor(0xD4, 0xD0, 0xC8));
  p.drawRoundedRect(QRectF(2.5, 3.5, 28, 21), 2, 2);
  QLinearGradient screen(QPointF(6, 6), QPointF(26, 20));
  screen.setColorAt(0, QColor(0x60, 0xA0, 0xF0));
  screen.setColorAt(1, QColor(0x10, 0x30, 0x90));
  p.setBrush(screen);
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
  p.drawRect(QRectF(5.5, 6.5, 22, 14));
  // A glint, and the power light.
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
  p.drawLine(QPointF(8, 9), QPointF(13, 9));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x20, 0xC0, 0x20));
  p.drawEllipse(QPointF(26.5, 22.5), 1, 1);
  return pixmap;
}

QPixmap ExitDoorIcon() {
  QPixmap pixmap = Transparent({kIconSide, kIconSide});
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // The doorway, dark inside.
  p.setPen(QPen(QColor(0x50, 0x30, 0x10), 1.5));
  p.setBrush(QColor(0x30, 0x30, 0x30));
  p.drawRect(QRectF(6.5, 3.5, 16, 26));
  // The door swung open towards the viewer.
  QPolygonF door;
  door << QPointF(6.5, 3.5) << QPointF(15.5, 6.5) << QPointF(15.5, 32) << QPointF(6.5, 29.5);
  p.setBrush(QColor(0xB0, 0x70, 0x30));
  p.drawPolygon(door);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF0, 0xD0, 0x40));
  p.drawEllipse(QPointF(13.5, 19), 1.2, 1.2);
  // The arrow leaving through it.
  p.setBrush(QColor(0x20, 0xA0, 0x20));
  QPolygonF arrow;
  arrow << QPointF(17, 14) << QPointF(25, 14) << QPointF(25, 10) << QPointF(32, 17)
        << QPointF(25, 24) << QPointF(25, 20) << QPointF(17, 20);
  p.setPen(QPen(QColor(0x10, 0x50, 0x10), 1));
  p.drawPolygon(arrow);
  return pixmap;
}

QPixmap SummaryBackground() {
  QPixmap pixmap(kBackgroundSize);
  QPainter p(&pixmap);
  QLinearGradient grey(QPointF(0, 0), QPointF(kBackgroundSize.width(), kBackgroundSize.height()));
  grey.setColorAt(0, QColor(0xE8, 0xE8, 0xE8));
  grey.setColorAt(1, QColor(0xCC, 0xCC, 0xCC));
  p.fillRect(pixmap.rect(), grey);

  // Read upwards, like the spine of a book standing on the shelf.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(46);
  font.setBold(true);
  p.setFont(font);
  p.setRenderHint(QPainter::TextAntialiasing);
  int strip = kBackgroundSize.width() - kFreeStripLeft;
  p.translate(kFreeStripLeft + strip / 2.0, kBackgroundSize.height() - 12);
  p.rotate(-90);
  QRectF band(0, -strip / 2.0, kBackgroundSize.height() - 24, strip);
  p.setPen(QColor(0xF8, 0xF8, 0xF8));
  p.drawText(band.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Halvane 2"));
  p.setPen(QColor(0xA4, 0xA4, 0xA4));
  p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Halvane 2"));
  return pixmap;
}
