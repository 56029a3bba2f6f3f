#pragma once

#include <QFrame>

#include "symmetry/Symmetry.h"

class FaceButton;
class QLabel;

// The symmetry's own small panel, just below the control panel and in its style: spin and
// kaleidoscope with their order, rainbow copies, guides, and the centre back to the screen's
// centre. It shows and hides with the control panel. Every control has a tooltip and tells
// assistive tools its name, what it does and, for the switches, whether it is on.
class SymmetryStrip : public QFrame {
  Q_OBJECT

 public:
  SymmetryStrip(QWidget* canvas, double logicalDpi);

  // Shows the symmetry's state: the chosen kind and the switches yellow, the order.
  void render(const Symmetry& symmetry);

  FaceButton* cmdSpin;
  FaceButton* cmdKaleidoscope;
  FaceButton* cmdOrderDown;
  QLabel* lblOrder;
  FaceButton* cmdOrderUp;
  FaceButton* cmdRainbow;
  FaceButton* cmdGuides;
  FaceButton* cmdCentre;

 private:
  FaceButton* button(const QString& name, int left, int top, int width, const QString& caption,
                     const QString& tip, bool toggle, const QString& accessibleName = {});

  double dpi_;
};
