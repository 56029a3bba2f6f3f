#include "app/Layout.h"

#include <QFrame>
#include <QPalette>

#include "canvas/Numbers.h"

QRect toPixels(Twips area, double logicalDpi) {
  const auto px = [logicalDpi](int twips) { return toInt32(twips * logicalDpi / 1440.0); };
  return {px(area.left), px(area.top), px(area.width), px(area.height)};
}

QFont sansFont(double points, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

void dressAsPanel(QFrame& frame) {
  frame.setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame.setAutoFillBackground(true);
  QPalette palette = frame.palette();
  palette.setColor(QPalette::Window, ButtonFace);
  frame.setPalette(palette);
  frame.setAttribute(Qt::WA_NoMousePropagation);
  frame.setCursor(Qt::ArrowCursor);
}

void describe(QWidget* w, const QString& name, const QString& tip) {
  w->setToolTip(tip);
  w->setAccessibleName(name);
  w->setAccessibleDescription(tip);
}
