#include "symmetry/CopyPen.h"

#include "canvas/Surface.h"

CopyPen::CopyPen(Surface& canvas, const Symmetry& symmetry, int mirrorMode)
    : canvas_(canvas),
      symmetry_(symmetry),
      count_(symmetry.copies(mirrorMode)),
      colour_(canvas.ForeColor) {
  if (symmetry.movedCentre() || symmetry.kind() != Symmetry::Kind::Mirror) {
    const QPoint centre = symmetry.centrePixel(canvas);
    centre_ = canvas.toUnits(centre);
    scale_ = canvas.originScale();
    canvas.setOrigin(centre);
  }
}

CopyPen::~CopyPen() {
  canvas_.setOrigin(std::nullopt);
  canvas_.ForeColor = colour_;
}

void CopyPen::begin(int k) {
  if (symmetry_.rainbow) canvas_.ForeColor = turnHue(colour_, double(k) / count_);
}
