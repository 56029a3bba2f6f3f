#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "colour/Colour.h"

// Window and control positions are kept in twips, 1440 to the inch, so that the panel has the
// same physical size on every screen; they become pixels with the screen's logical DPI.
struct Twips {
  int left;
  int top;
  int width;
  int height;
};

QRect toPixels(Twips area, double logicalDpi);

// The program's fonts were Windows fonts (MS Sans Serif, Arial); here a sans-serif family that
// every Linux desktop has stands in for them at the same point size.
QFont sansFont(double points, bool bold = false);

inline QColor toQColor(Colour c) {
  return QColor::fromRgb(toQRgb(c));
}

// The face of buttons whose colour the program never changes, and of the panel's frame.
inline const QColor ButtonFace{240, 240, 240};

class QFrame;
// A small panel of controls beside the control panel, in its style: a sunken box of the buttons'
// face with the arrow pointer, keeping its presses to itself (they never reach the canvas).
void dressAsPanel(QFrame& frame);

class QString;
class QWidget;
// A control's tooltip, and what assistive tools read: its name and, as its description, the tip.
void describe(QWidget* w, const QString& name, const QString& tip);
