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
  paintGuides(painter, event->rect());
}

void CanvasWidget::showGuides(const Guides& guides) {
  if (guides == guides_) return;
  guides_ = guides;
  guideOverlay_ = QImage();
  update();
}

// The guides are drawn once, over the whole widget, into an overlay that each repaint lays over
// the part it repaints. Drawn afresh into each repaint's clip, a long antialiased line lands a
// pixel off here and there, and a guide repainted piece by piece as the pen moves would show
// steps along every edge of the pieces; the overlay also spares each repaint the lines.
void CanvasWidget::paintGuides(QPainter& painter, const QRect& shown) const {
  if (!guides_.pattern && guides_.angles.empty()) return;
  const qreal ratio = devicePixelRatio();
  const QSize size = (QSizeF(this->size()) * ratio).toSize();
  if (guideOverlay_.size() != size) {
    guideOverlay_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    guideOverlay_.setDevicePixelRatio(ratio);
    guideOverlay_.fill(Qt::transparent);
    QPainter overlay(&guideOverlay_);
    overlay.setRenderHint(QPainter::Antialiasing);
    guides_.pattern ? drawPatternGuides(overlay) : drawMirrorGuides(overlay);
  }
  painter.drawImage(QRectF(shown), guideOverlay_,
                    QRectF(QPointF(shown.topLeft()) * ratio, QSizeF(shown.size()) * ratio));
}

// Dashed grey halfway between black and white, so they show on light and dark pictures alike
// without hiding what is drawn under them.
void CanvasWidget::drawMirrorGuides(QPainter& painter) const {
  const qreal ratio = devicePixelRatio();
  const QPointF centre((guides_.centre.x() + 0.5) / ratio, (guides_.centre.y() + 0.5) / ratio);
  const qreal reach = 2.0 * (width() + height());
  painter.setPen(QPen(QColor(128, 128, 128, 110), 1, Qt::DashLine));
  for (const double a : guides_.angles)
    painter.drawLine(centre, centre + reach * QPointF(std::cos(a), std::sin(a)));
}

// The cells faint and solid, the mirrors solid and stronger, the glides dashed, and each centre
// of turn a small polygon with as many corners as its turn's order (a dot for half turns).
void CanvasWidget::drawPatternGuides(QPainter& painter) const {
  const qreal ratio = devicePixelRatio();
  const QPointF centre = QPointF(guides_.centre) + QPointF(0.5, 0.5);
  const QRectF area(-centre, QSizeF(width(), height()) * ratio);
  const PatternGuides guides = guides_.pattern->guides(area.adjusted(-2, -2, 2, 2));
  painter.scale(1 / ratio, 1 / ratio);
  painter.translate(centre);
  const QPen cell(QColor(128, 128, 128, 90), 1);
  const QPen mirror(QColor(40, 90, 200, 150), 1.5);
  const QPen glide(QColor(40, 150, 60, 160), 1.5, Qt::DashLine);
  for (const auto& [line, kind] : guides.lines) {
    painter.setPen(kind == PatternGuides::Line::Cell     ? cell
                   : kind == PatternGuides::Line::Mirror ? mirror
                                                         : glide);
    painter.drawLine(line);
  }
  painter.setPen(QPen(QColor(200, 60, 40, 170), 1));
  painter.setBrush(QColor(200, 60, 40, 110));
  for (const auto& [at, order] : guides.turns) {
    if (!area.adjusted(-12, -12, 12, 12).contains(at)) continue;
    const double r = 3 + order / 2.0;
    if (order == 2) {
      painter.drawEllipse(at, 2.5, 2.5);
      continue;
    }
    QPolygonF corners;
    for (int j = 0; j < order; ++j) {
      const double a = 2 * 3.14159265358979 * j / order - 3.14159265358979 / 2;
      corners << at + r * QPointF(std::cos(a), std::sin(a));
    }
    painter.drawPolygon(corners);
  }
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
