#pragma once

#include <QPoint>
#include <QPointF>
#include <array>
#include <optional>
#include <vector>

#include "colour/Colour.h"
#include "symmetry/Pattern.h"

class Surface;

// One copy of the symmetry: a linear map of offsets from the centre of symmetry, in canvas units
// (y grows downwards). `turn` is the angle the copy is turned by, in radians, and `mirrored`
// whether it is also a mirror image, so that a stamp knows how its copy lies.
struct CopyMap {
  double xx = 1, xy = 0, yx = 0, yy = 1;
  double turn = 0;
  bool mirrored = false;

  QPointF apply(double x, double y) const { return {xx * x + xy * y, yx * x + yy * y}; }
};

// The images of a point under the current symmetry. Besides the three mirror modes of the panel
// (the eight symmetries of the square, in the order the program has always drawn them), a spin
// of order N (N copies turned by a whole turn / N) and a kaleidoscope of order N (those N copies
// and their N mirror images, each right after its turned copy). The centre is the screen's
// centre until the user puts it elsewhere; it is always a pixel, so that mirror images and
// quarter turns land on mirror-image pixels. A pattern repeats the moves of its cell over the
// whole picture on a grid whose origin is the centre; its copies are the moves of one cell.
class Symmetry {
 public:
  enum class Kind { Mirror, Spin, Kaleidoscope, Pattern };
  static constexpr int MinOrder = 1;
  static constexpr int MaxOrder = 32;
  static constexpr int MostCopies = 2 * MaxOrder;

  Symmetry() { rebuild(); }

  Kind kind() const { return kind_; }
  int order() const { return order_; }
  // The order is held within 1 to 32.
  void set(Kind kind, int order);

  // The maps of the current symmetry; the panel's `mirrorMode` (0, 1 or 2) counts only for
  // the mirror kind.
  int copies(int mirrorMode) const;
  const CopyMap& copy(int k) const { return maps_[std::size_t(k)]; }

  // The centre as a pixel of the picture, or none while it is the screen's centre.
  std::optional<QPoint> movedCentre() const { return centre_; }
  void moveCentre(std::optional<QPoint> pixel) { centre_ = pixel; }
  QPoint centrePixel(const Surface& canvas) const;

  // The starts of a fill at `pointer`: its pixel and each of its images, in copy order, each
  // with the number of its copy. The mirror modes move an image off the picture onto the nearest
  // edge pixel; the new kinds skip it, so a start's place in the list need not be its copy.
  struct FillStart {
    QPoint pixel;
    int copy;
  };
  std::vector<FillStart> fillStarts(const Surface& canvas, QPoint pointer, int mirrorMode) const;
  // A pattern's fill starts: every image of `pointer` on the picture, each with the number of
  // the cell's move that made it (its rainbow colour), the pointer's own pixel first.
  std::vector<std::pair<QPoint, int>> patternFillStarts(const Surface& canvas,
                                                        QPoint pointer) const;

  // The directions of the guides from the centre, in radians: the mirror lines, or for a spin
  // the spokes between its copies.
  std::vector<double> guideAngles(int mirrorMode) const;

  // Each copy in its own colour: `colour` turned round the colour wheel by k / copies of a turn.
  bool rainbow = false;
  // Faint guides over the picture on screen, never in it.
  bool guides = false;
  // The pattern drawn while the kind is Pattern: its grid, cell and moves.
  const Pattern& pattern() const { return pattern_; }
  void setPattern(const Pattern& pattern) {
    pattern_ = pattern;
    rebuild();
  }
  // Where a pattern's grid is whole pixels, its images are drawn within one cell and that cell's
  // changes copied to every other cell. Drawing every image one by one instead gives the same
  // picture: the tests and benchmarks compare the two.
  bool repeatCells = true;

 private:
  void rebuild();

  Kind kind_ = Kind::Mirror;
  int order_ = 6;
  std::optional<QPoint> centre_;
  Pattern pattern_;
  std::array<CopyMap, MostCopies> maps_{};
};

// `colour` turned round the colour wheel by `fraction` of a turn, keeping its saturation and
// value; greys have no hue and stay as they are.
Colour turnHue(Colour colour, double fraction);
