#include "symmetry/CopyPen.h"

#include <cmath>

#include "canvas/Surface.h"

namespace {

// Where the first repeat of `value` at or after 0 lies, in whole pixels.
int below(int value, double step) {
  return int(std::floor(value - std::floor(value / step) * step));
}

}  // namespace

CopyPen::CopyPen(Surface& canvas, const Symmetry& symmetry, int mirrorMode)
    : canvas_(canvas),
      symmetry_(symmetry),
      count_(symmetry.copies(mirrorMode)),
      colour_(canvas.ForeColor),
      patterned_(symmetry.kind() == Symmetry::Kind::Pattern) {
  if (symmetry.movedCentre() || symmetry.kind() != Symmetry::Kind::Mirror) {
    const QPoint centre = symmetry.centrePixel(canvas);
    centre_ = canvas.toUnits(centre);
    scale_ = canvas.originScale();
    canvas.setOrigin(centre);
  }
  if (!patterned_) return;
  const QPoint c = symmetry.centrePixel(canvas);
  const QSize picture = canvas.pixelSize();
  area_ = QRectF(QPointF(-c.x(), -c.y()),
                 QPointF(picture.width() - 1 - c.x(), picture.height() - 1 - c.y()));
  const Pattern& pattern = symmetry.pattern();
  if (!symmetry.repeatCells) return;
  // The period's rectangle whose corner is the grid point nearest the picture's top-left
  // corner; a band's is as tall as the picture. On the hexagonal grid its height is not whole:
  // the rectangle takes the pixels it covers, and each copy's place is rounded, within half a
  // pixel of the exact one.
  const QSizeF period = pattern.period();
  const int width = int(std::ceil(period.width()));
  const QRect cell = pattern.frieze()
                         ? QRect(below(c.x(), period.width()), 0, width, picture.height())
                         : QRect(below(c.x(), period.width()), below(c.y(), period.height()), width,
                                 int(std::ceil(period.height())));
  // A big cell has few images: drawing each costs less than keeping the cell as it was.
  constexpr qint64 MostPixels = 512 * 512;
  if (!QRect(QPoint(0, 0), picture).contains(cell) ||
      qint64(cell.width()) * cell.height() > MostPixels)
    return;
  cell_ = cell;
  before_ = canvas.Image().copy(cell);
  // Images that reach into the cell from far off are drawn only where they cover it.
  canvas.clipTo(cell);
  area_ = QRectF(QPointF(cell.left() - c.x(), cell.top() - c.y()),
                 QPointF(cell.right() - c.x(), cell.bottom() - c.y()));
  canvas.record(&changed_);
}

CopyPen::~CopyPen() {
  canvas_.setOrigin(std::nullopt);
  canvas_.ForeColor = colour_;
  if (!cell_) return;
  canvas_.record(nullptr);
  canvas_.clipTo(std::nullopt);
  // Only the pixels the images changed in the cell go to the other cells, as runs along its
  // rows: what was there before, a loaded picture or strokes under another symmetry, is not
  // the pattern's and stays as it is in every cell.
  QRect drawn;
  for (const QRect& r : changed_) drawn |= r & *cell_;
  std::vector<QRect> runs;
  const QImage& image = canvas_.Image();
  for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
    const QRgb* now = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const QRgb* was =
        reinterpret_cast<const QRgb*>(before_.constScanLine(y - cell_->top())) - cell_->left();
    for (int x = drawn.left(); x <= drawn.right(); ++x) {
      if (now[x] == was[x]) continue;
      const int start = x;
      while (x < drawn.right() && now[x + 1] != was[x + 1]) ++x;
      runs.push_back(QRect(start, y, x - start + 1, 1));
    }
  }
  canvas_.repeat(runs, symmetry_.pattern().period());
}

void CopyPen::aim(double x, double y, double reach) {
  if (!patterned_) return;
  images_.clear();
  const QPointF p(std::nearbyint(scale_ * (x - centre_.x())),
                  std::nearbyint(scale_ * (y - centre_.y())));
  symmetry_.pattern().images(p, area_, reach * scale_ + canvas_.DrawWidth / 2.0 + 2, images_);
}

void CopyPen::begin(int k) {
  if (!symmetry_.rainbow) return;
  if (patterned_) {
    const int move = images_[std::size_t(k)].move;
    canvas_.ForeColor = turnHue(colour_, double(move) / symmetry_.pattern().moves());
  } else {
    canvas_.ForeColor = turnHue(colour_, double(k) / count_);
  }
}
