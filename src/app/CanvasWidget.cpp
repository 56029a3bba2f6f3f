#include "app/CanvasWidget.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "app/FaceButton.h"
#include "app/KeyCodes.h"
#include "app/Layout.h"
#include "canvas/Surface.h"

CanvasWidget::CanvasWidget(const Surface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setObjectName(QStringLiteral("Canvas"));
  setAccessibleName(tr("Canvas"));
  setAccessibleDescription(
      tr("The drawing area. A left click puts the pen down or lifts it, a right click shows or "
         "hides the control panel, a middle click takes the color under the pointer. F10 or the "
         "Menu key shows the control panel with the keyboard on it, or hides it again."));
  // Every pointer move draws while the pen is down, with or without a button held.
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::CrossCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFont(sansFont(8.25));
}

void CanvasWidget::showChanged(const QRegion& pixels) {
  const qreal ratio = devicePixelRatio();
  if (ratio == 1) {
    update(pixels);
    return;
  }
  QRegion logical;
  for (const QRect& r : pixels) {
    logical +=
        QRectF(r.x() / ratio, r.y() / ratio, r.width() / ratio, r.height() / ratio).toAlignedRect();
  }
  update(logical);
}

// Only the asked-for area is copied: a stroke changes a few small patches of a picture as large
// as the screen.
void CanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const qreal ratio = devicePixelRatio();
  const QImage& image = surface_.Image();
  const QRectF picture(0, 0, image.width() / ratio, image.height() / ratio);
  for (const QRect& area : event->region()) {
    const QRectF shown = QRectF(area) & picture;
    if (!shown.isEmpty()) {
      const QRectF source(shown.x() * ratio, shown.y() * ratio, shown.width() * ratio,
                          shown.height() * ratio);
      painter.drawImage(shown, image, source);
    }
    if (picture.contains(QRectF(area))) continue;
    // Where the window is larger than the screen the picture was made for.
    const QRegion beyond = QRegion(area) - shown.toAlignedRect();
    for (const QRect& rest : beyond) painter.fillRect(rest, toQColor(surface_.BackColor()));
  }
  paintGuides(painter);
}

void CanvasWidget::showGuides(const Guides& guides) {
  if (guides == guides_) return;
  guides_ = guides;
  update();
}

// Dashed grey halfway between black and white, so they show on light and dark pictures alike
// without hiding what is drawn under them.
void CanvasWidget::paintGuides(QPainter& painter) const {
  if (guides_.angles.empty()) return;
  const qreal ratio = devicePixelRatio();
  const QPointF centre((guides_.centre.x() + 0.5) / ratio, (guides_.centre.y() + 0.5) / ratio);
  const qreal reach = 2.0 * (width() + height());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(128, 128, 128, 110), 1, Qt::DashLine));
  for (const double a : guides_.angles)
    painter.drawLine(centre, centre + reach * QPointF(std::cos(a), std::sin(a)));
}

QPointF CanvasWidget::toUnits(QPointF position) const {
  const qreal ratio = devicePixelRatio();
  const QPoint pixel(int(std::floor(position.x() * ratio)), int(std::floor(position.y() * ratio)));
  return surface_.toUnits(pixel);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(buttonsCode(event->buttons()), shiftCode(event->modifiers()),
                  toUnits(event->position()));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  const int code = buttonCode(event->button());
  if (code == 0) return;
  emit mousePressed(code, shiftCode(event->modifiers()), toUnits(event->position()));
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
  const std::optional<int> code = keyAsciiFor(*event);
  if (!code) {
    QWidget::keyPressEvent(event);
    return;
  }
  emit keyTyped(*code);
}
