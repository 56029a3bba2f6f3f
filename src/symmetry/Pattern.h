#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

// One move of a pattern's point group: x -> L x + d, on offsets in pixels from the grid's origin
// (the centre of symmetry), y growing downwards.
struct Move {
  double xx = 1, xy = 0, yx = 0, yy = 1;
  double dx = 0, dy = 0;

  QPointF apply(QPointF p) const {
    return {xx * p.x() + xy * p.y() + dx, yx * p.x() + yy * p.y() + dy};
  }
  double det() const { return xx * yy - xy * yx; }
};

// The grids the patterns repeat on. A band repeats along the horizontal only.
enum class Grid { Band, Rectangular, Rhombic, Square, Hexagonal };

// What the guides show of a pattern over an area: the cell's edges, the mirror lines, the glide
// lines (drawn dashed) and the centres of turns with their order.
struct PatternGuides {
  enum class Line { Cell, Mirror, Glide };
  std::vector<std::pair<QLineF, Line>> lines;
  std::vector<std::pair<QPointF, int>> turns;
};

// The seven frieze patterns and the seventeen wallpaper patterns, each as its grid (two
// translations, the second none for a band) and the moves of one cell (its point group, glides
// and turns about centres off the origin included). The cell's width and height are always
// even numbers of pixels, so on every grid but the hexagonal one each move takes pixels to
// pixels: halves of a cell, mirrors and quarter turns all land on whole pixels.
class Pattern {
 public:
  static constexpr int Count = 24;
  static constexpr int Friezes = 7;
  static constexpr int SmallestCell = 24;

  explicit Pattern(int index = 17);  // p4m

  int index() const { return index_; }
  // Chooses pattern `index` (held within 0 to 23); a grid of another shape starts afresh from
  // its own proportions, at the same cell width.
  void choose(int index);

  // The cell's width; the height follows the grid's proportions.
  int cellSize() const { return width_; }
  void setCellSize(int pixels);
  // Whether the cell's proportions can be changed: the oblique-free rectangular, rhombic and
  // band grids. `stretch` makes the cell taller (steps > 0) or flatter by a fifth per step,
  // between half and twice its width.
  bool stretchable() const;
  void stretch(int steps);
  QSize cell() const { return {width_, height_}; }

  Grid grid() const;
  bool frieze() const { return index_ < Friezes; }
  // The translations of the grid in pixels; `b` is (0, 0) for a band.
  QPointF a() const;
  QPointF b() const;
  // Where the grid's translations and moves are all whole pixels: every grid but the hexagonal.
  bool wholePixel() const { return grid() != Grid::Hexagonal; }
  // The shortest translations across and down, a rectangle that repeats the whole pattern: the
  // cell, or for the hexagonal grid a cell's width by twice its rows' height (not a whole
  // number). A band repeats across only: its height is 0.
  QSizeF period() const;

  int moves() const { return int(moves_.size()); }
  const Move& move(int g) const { return moves_[std::size_t(g)]; }

  // The images of a shape near offset `p`: for every move, each translation of the grid that
  // brings the moved `p` within `reach` of `area` (offsets from the origin), as the move's
  // number and the translation.
  struct Image {
    int move;
    QPointF shift;
  };
  void images(QPointF p, const QRectF& area, double reach, std::vector<Image>& out) const;

  PatternGuides guides(const QRectF& area) const;

  bool operator==(const Pattern& other) const {
    return index_ == other.index_ && width_ == other.width_ && height_ == other.height_;
  }

  // The short standard name ("p4m"), the friendly name and a description a child can read,
  // translated.
  QString name() const { return nameOf(index_); }
  static QString nameOf(int index);
  static QString friendlyNameOf(int index);
  static QString descriptionOf(int index);

 private:
  void rebuild();

  int index_;
  int width_ = 64;
  int height_ = 64;
  std::vector<Move> moves_;
};
