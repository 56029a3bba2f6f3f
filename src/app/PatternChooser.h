#pragma once

#include <QFrame>
#include <array>

#include "symmetry/Pattern.h"
#include "symmetry/Symmetry.h"

class FaceButton;
class QLabel;

// The patterns' own small panel, beside the symmetry strip and in its style: a picture of each
// of the 24 patterns, drawn by the program from one sample stroke, then the cell size's steps
// and the stretch of a free grid's cell. It shows and hides with the control panel. Every
// control tells assistive tools its name and what it does; the chosen pattern is marked.
class PatternChooser : public QFrame {
  Q_OBJECT

 public:
  PatternChooser(QWidget* canvas, double logicalDpi);

  // Shows the chosen pattern yellow and the cell's size.
  void render(const Symmetry& symmetry);

  std::array<FaceButton*, Pattern::Count> cmdPattern{};
  FaceButton* cmdCellDown;
  QLabel* lblCell;
  FaceButton* cmdCellUp;
  FaceButton* cmdFlatter;
  FaceButton* cmdTaller;

 private:
  FaceButton* button(const QString& name, QRect area, const QString& caption,
                     const QString& accessibleName, const QString& tip);
};
