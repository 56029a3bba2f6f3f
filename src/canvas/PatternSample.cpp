#include "canvas/PatternSample.h"

#include "canvas/Surface.h"
#include "symmetry/CopyPen.h"

// A hook in one corner of the cell, turned and bent so that no move of any pattern keeps it
// as it is: every copy shows.
QImage drawPatternSample(int index, int side) {
  Surface canvas(QSize(side, side));
  Symmetry symmetry;
  Pattern pattern(index);
  pattern.setCellSize(Pattern::SmallestCell);
  symmetry.setPattern(pattern);
  symmetry.set(Symmetry::Kind::Pattern, symmetry.order());
  symmetry.rainbow = true;
  const QPoint centre(side / 2, side / 2);
  symmetry.moveCentre(centre);
  canvas.ForeColor = 0x0000e0;  // a deep red that the rainbow turns into every hue
  canvas.DrawWidth = 2;
  const QPointF hook[] = {{2, 3}, {8, 3}, {9, 8}, {6, 9}};
  {
    CopyPen pen(canvas, symmetry, 0);  // copies its cell over the square when done
    for (std::size_t i = 1; i < std::size(hook); ++i) {
      const QPointF from = canvas.toUnits(centre) + hook[i - 1];
      const QPointF to = canvas.toUnits(centre) + hook[i];
      pen.aim(from.x(), from.y(), 12);
      for (int k = 0; k < pen.count(); ++k) {
        pen.begin(k);
        const QPointF a = pen.at(k, from.x(), from.y()), b = pen.at(k, to.x(), to.y());
        canvas.Line(float(a.x()), float(a.y()), float(b.x()), float(b.y()));
      }
    }
  }
  return canvas.Image().copy();
}
