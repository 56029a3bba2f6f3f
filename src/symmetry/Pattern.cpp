#include "symmetry/Pattern.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>

namespace {

constexpr double Pi = std::numbers::pi;
const double Root3 = std::sqrt(3.0);

struct Entry {
  const char* name;
  Grid grid;
  const char* friendly;
  const char* description;
};

// The friezes first, from the plainest to the richest, then the wallpapers grid by grid.
const Entry Entries[Pattern::Count] = {
    {"p1", Grid::Band, QT_TRANSLATE_NOOP("Pattern", "Hop"),
     QT_TRANSLATE_NOOP("Pattern", "A band: your drawing hops along, again and again.")},
    {"p11g", Grid::Band, QT_TRANSLATE_NOOP("Pattern", "Step"),
     QT_TRANSLATE_NOOP("Pattern",
                       "A band of footprints: each copy steps along and flips over, left, right.")},
    {"p1m1", Grid::Band, QT_TRANSLATE_NOOP("Pattern", "Sidle"),
     QT_TRANSLATE_NOOP("Pattern", "A band of mirrors standing up: each copy faces the next.")},
    {"p2", Grid::Band, QT_TRANSLATE_NOOP("Pattern", "Spinning hop"),
     QT_TRANSLATE_NOOP("Pattern", "A band where every other copy is turned upside down.")},
    {"p2mg", Grid::Band, QT_TRANSLATE_NOOP("Pattern", "Spinning sidle"),
     QT_TRANSLATE_NOOP("Pattern", "A band of standing mirrors, every other copy upside down.")},
    {"p11m", Grid::Band, QT_TRANSLATE_NOOP("Pattern", "Jump"),
     QT_TRANSLATE_NOOP("Pattern",
                       "A band with a mirror along its middle: copies above and below.")},
    {"p2mm", Grid::Band, QT_TRANSLATE_NOOP("Pattern", "Spinning jump"),
     QT_TRANSLATE_NOOP("Pattern", "A band with mirrors along it and across it.")},
    {"p1", Grid::Rectangular, QT_TRANSLATE_NOOP("Pattern", "Stamps"),
     QT_TRANSLATE_NOOP("Pattern", "Your drawing stamped in rows and columns all over the screen.")},
    {"p2", Grid::Rectangular, QT_TRANSLATE_NOOP("Pattern", "Somersaults"),
     QT_TRANSLATE_NOOP("Pattern", "Stamps all over, and each one also turned upside down.")},
    {"pm", Grid::Rectangular, QT_TRANSLATE_NOOP("Pattern", "Mirror rows"),
     QT_TRANSLATE_NOOP("Pattern", "Columns of standing mirrors: every copy faces its neighbour.")},
    {"pg", Grid::Rectangular, QT_TRANSLATE_NOOP("Pattern", "Footprints"),
     QT_TRANSLATE_NOOP("Pattern", "Copies walk up and down the screen, flipping like footsteps.")},
    {"cm", Grid::Rhombic, QT_TRANSLATE_NOOP("Pattern", "Herringbone"),
     QT_TRANSLATE_NOOP("Pattern",
                       "Standing mirrors in rows that sit between each other, like bricks.")},
    {"pmm", Grid::Rectangular, QT_TRANSLATE_NOOP("Pattern", "Window panes"),
     QT_TRANSLATE_NOOP("Pattern", "Mirrors up and across, like looking through window panes.")},
    {"pmg", Grid::Rectangular, QT_TRANSLATE_NOOP("Pattern", "Tumblers"),
     QT_TRANSLATE_NOOP("Pattern", "Standing mirrors, with copies flipping over between them.")},
    {"pgg", Grid::Rectangular, QT_TRANSLATE_NOOP("Pattern", "Parquet"),
     QT_TRANSLATE_NOOP("Pattern", "Copies turn and flip like the wooden blocks of a floor.")},
    {"cmm", Grid::Rhombic, QT_TRANSLATE_NOOP("Pattern", "Diamonds"),
     QT_TRANSLATE_NOOP("Pattern", "Mirrors up and across on a grid of diamonds.")},
    {"p4", Grid::Square, QT_TRANSLATE_NOOP("Pattern", "Pinwheels"),
     QT_TRANSLATE_NOOP("Pattern", "Squares where your drawing turns round four times.")},
    {"p4m", Grid::Square, QT_TRANSLATE_NOOP("Pattern", "Tiles"),
     QT_TRANSLATE_NOOP("Pattern", "Square tiles with mirrors up, across and corner to corner.")},
    {"p4g", Grid::Square, QT_TRANSLATE_NOOP("Pattern", "Woven"),
     QT_TRANSLATE_NOOP("Pattern", "Turning squares with mirrors between them, like a woven mat.")},
    {"p3", Grid::Hexagonal, QT_TRANSLATE_NOOP("Pattern", "Triangles"),
     QT_TRANSLATE_NOOP("Pattern", "Your drawing turns round three times, all over the screen.")},
    {"p3m1", Grid::Hexagonal, QT_TRANSLATE_NOOP("Pattern", "Triangle mirrors"),
     QT_TRANSLATE_NOOP("Pattern", "Triangles of mirrors, each corner a turn of three.")},
    {"p31m", Grid::Hexagonal, QT_TRANSLATE_NOOP("Pattern", "Triangle turns"),
     QT_TRANSLATE_NOOP("Pattern", "Mirrors in triangles, with turns of three inside them.")},
    {"p6", Grid::Hexagonal, QT_TRANSLATE_NOOP("Pattern", "Flowers"),
     QT_TRANSLATE_NOOP("Pattern",
                       "Your drawing turns round six times, like flowers in a honeycomb.")},
    {"p6m", Grid::Hexagonal, QT_TRANSLATE_NOOP("Pattern", "Snowflakes"),
     QT_TRANSLATE_NOOP("Pattern", "Six turns and mirrors between them, like snowflakes.")},
};

// Width to height of a cell when the pattern is chosen.
double startProportion(Grid grid) {
  switch (grid) {
    case Grid::Rectangular:
      return 0.75;
    case Grid::Rhombic:
      return 1.5;
    default:
      return 1;
  }
}

int even(double pixels) {
  return 2 * int(std::lround(pixels / 2));
}

Move turn(int k, int n) {
  // Quarter and half turns are written out so that they stay whole numbers.
  if (4 * k % n == 0) {
    static const Move quarters[4] = {{1, 0, 0, 1}, {0, -1, 1, 0}, {-1, 0, 0, -1}, {0, 1, -1, 0}};
    return quarters[4 * k / n];
  }
  const double a = 2 * Pi * k / n;
  return {std::cos(a), -std::sin(a), std::sin(a), std::cos(a)};
}

Move then(const Move& first, const Move& second) {
  return {second.xx * first.xx + second.xy * first.yx,
          second.xx * first.xy + second.xy * first.yy,
          second.yx * first.xx + second.yy * first.yx,
          second.yx * first.xy + second.yy * first.yy,
          second.xx * first.dx + second.xy * first.dy + second.dx,
          second.yx * first.dx + second.yy * first.dy + second.dy};
}

Move moved(double xx, double yy, double dx, double dy) {
  return {xx, 0, 0, yy, dx, dy};
}

// Each of `extra` after each turn of order `n`: the moves of a cell of the turning grids.
std::vector<Move> turnsOf(int n, const std::vector<Move>& extra) {
  std::vector<Move> all;
  for (int k = 0; k < n; ++k)
    for (const Move& m : extra) all.push_back(then(m, turn(k, n)));
  return all;
}

// The lines of one family across `area`: direction `u` through the points k * v.
void family(QPointF u, QPointF v, const QRectF& area, std::vector<QLineF>& out);

// Where the line through `p` along `u` crosses `area`, if it does.
std::optional<QLineF> clip(QPointF p, QPointF u, const QRectF& area) {
  double lo = -1e18, hi = 1e18;
  const double from[2] = {area.left(), area.top()}, to[2] = {area.right(), area.bottom()};
  const double at[2] = {p.x(), p.y()}, dir[2] = {u.x(), u.y()};
  for (int i = 0; i < 2; ++i) {
    if (std::abs(dir[i]) < 1e-12) {
      if (at[i] < from[i] || at[i] > to[i]) return std::nullopt;
      continue;
    }
    double t1 = (from[i] - at[i]) / dir[i], t2 = (to[i] - at[i]) / dir[i];
    if (t1 > t2) std::swap(t1, t2);
    lo = std::max(lo, t1);
    hi = std::min(hi, t2);
  }
  if (lo > hi) return std::nullopt;
  return QLineF(p + lo * u, p + hi * u);
}

void family(QPointF u, QPointF v, const QRectF& area, std::vector<QLineF>& out) {
  const QPointF n(-u.y(), u.x());
  const double step = QPointF::dotProduct(v, n);
  if (std::abs(step) < 1e-9) return;
  double lo = 1e18, hi = -1e18;
  for (const QPointF c : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
    lo = std::min(lo, QPointF::dotProduct(c, n) / step);
    hi = std::max(hi, QPointF::dotProduct(c, n) / step);
  }
  for (long k = long(std::ceil(lo)); k <= long(std::floor(hi)); ++k)
    if (const auto line = clip(double(k) * v, u, area)) out.push_back(*line);
}

}  // namespace

Pattern::Pattern(int index) : index_(std::clamp(index, 0, Count - 1)) {
  rebuild();
}

void Pattern::choose(int index) {
  const Grid before = grid();
  index_ = std::clamp(index, 0, Count - 1);
  if (grid() != before) height_ = even(width_ * startProportion(grid()));
  rebuild();
}

void Pattern::setCellSize(int pixels) {
  const double proportion = double(height_) / width_;
  width_ = std::max(even(pixels), SmallestCell);
  height_ = std::max(even(width_ * proportion), 8);
  rebuild();
}

bool Pattern::stretchable() const {
  return grid() == Grid::Rectangular || grid() == Grid::Rhombic || grid() == Grid::Band;
}

void Pattern::stretch(int steps) {
  if (!stretchable()) return;
  const double proportion = std::clamp(double(height_) / width_ * std::pow(1.2, steps), 0.5, 2.0);
  height_ = std::max(even(width_ * proportion), 8);
  rebuild();
}

Grid Pattern::grid() const {
  return Entries[index_].grid;
}

QPointF Pattern::a() const {
  return {double(width_), 0};
}

QPointF Pattern::b() const {
  switch (grid()) {
    case Grid::Band:
      return {0, 0};
    case Grid::Rhombic:
      return {width_ / 2.0, height_ / 2.0};
    case Grid::Hexagonal:
      return {width_ / 2.0, width_ * Root3 / 2};
    default:
      return {0, double(height_)};
  }
}

QSizeF Pattern::period() const {
  switch (grid()) {
    case Grid::Band:
      return {double(width_), 0};
    case Grid::Hexagonal:
      return {double(width_), width_ * Root3};
    default:
      return {double(width_), double(height_)};
  }
}

// Glides and turns about centres off the origin move by half a cell, a whole pixel since the
// cell's sides are even.
void Pattern::rebuild() {
  if (grid() == Grid::Square || grid() == Grid::Hexagonal) height_ = width_;
  const double w = width_, h = height_;
  const double hw = w / 2, hh = h / 2;
  const Move one;
  const Move half = moved(-1, -1, 0, 0);
  const Move across = moved(-1, 1, 0, 0);  // the mirror in the vertical through the origin
  const Move along = moved(1, -1, 0, 0);   // the mirror in the horizontal
  switch (index_) {
    case 0:
    case 7:
      moves_ = {one};
      break;
    case 1:
      moves_ = {one, moved(1, -1, hw, 0)};
      break;
    case 2:
    case 9:
    case 11:
      moves_ = {one, across};
      break;
    case 3:
    case 8:
      moves_ = {one, half};
      break;
    case 4:
    case 13:
      moves_ = {one, half, moved(-1, 1, hw, 0), moved(1, -1, hw, 0)};
      break;
    case 5:
      moves_ = {one, along};
      break;
    case 6:
    case 12:
    case 15:
      moves_ = {one, half, across, along};
      break;
    case 10:
      moves_ = {one, moved(-1, 1, 0, hh)};
      break;
    case 14:
      moves_ = {one, half, moved(-1, 1, hw, hh), moved(1, -1, hw, hh)};
      break;
    case 16:
      moves_ = turnsOf(4, {one});
      break;
    case 17:
      moves_ = turnsOf(4, {one, across});
      break;
    case 18:
      moves_ = turnsOf(4, {one, moved(-1, 1, hw, hw)});
      break;
    case 19:
      moves_ = turnsOf(3, {one});
      break;
    case 20:
      moves_ = turnsOf(3, {one, across});
      break;
    case 21:
      moves_ = turnsOf(3, {one, along});
      break;
    case 22:
      moves_ = turnsOf(6, {one});
      break;
    default:
      moves_ = turnsOf(6, {one, across});
      break;
  }
}

void Pattern::images(QPointF p, const QRectF& area, double reach, std::vector<Image>& out) const {
  const QPointF a = this->a(), b = this->b();
  const double top = area.top() - reach, bottom = area.bottom() + reach;
  const double left = area.left() - reach, right = area.right() + reach;
  for (int g = 0; g < moves(); ++g) {
    const QPointF q = moves_[std::size_t(g)].apply(p);
    long m0 = 0, m1 = 0;
    if (b.y() > 0) {
      m0 = long(std::ceil((top - q.y()) / b.y()));
      m1 = long(std::floor((bottom - q.y()) / b.y()));
    } else if (q.y() < top || q.y() > bottom) {
      continue;
    }
    for (long m = m0; m <= m1; ++m) {
      const double x = q.x() + double(m) * b.x();
      const long n0 = long(std::ceil((left - x) / a.x())),
                 n1 = long(std::floor((right - x) / a.x()));
      for (long n = n0; n <= n1; ++n) out.push_back({g, double(n) * a + double(m) * b});
    }
  }
}

PatternGuides Pattern::guides(const QRectF& area) const {
  PatternGuides guides;
  const QPointF a = this->a(), b = this->b();
  std::vector<QLineF> cells;
  if (grid() == Grid::Band) {
    family({0, 1}, a, area, cells);
    if (const auto axis = clip({0, 0}, {1, 0}, area)) cells.push_back(*axis);
  } else {
    const QPointF first = grid() == Grid::Rhombic ? a - b : a;
    family(first / std::hypot(first.x(), first.y()), b, area, cells);
    family(b / std::hypot(b.x(), b.y()), first, area, cells);
  }
  for (const QLineF& l : cells) guides.lines.push_back({l, PatternGuides::Line::Cell});

  // The shortest translation of the grid along the unit direction u, or 0 when none is.
  const auto periodAlong = [&](QPointF u) {
    double shortest = 0;
    for (int m = -4; m <= 4; ++m)
      for (int n = -4; n <= 4; ++n) {
        const QPointF t = m * a + n * b;
        const double length = std::hypot(t.x(), t.y());
        if (length > 1e-9 && std::abs(t.x() * u.y() - t.y() * u.x()) < 1e-6 * length &&
            (shortest == 0 || length < shortest))
          shortest = length;
      }
    return shortest;
  };
  // Every move followed by every translation that keeps it near the area: its mirror or glide
  // line, or its centre of turn. Lines are told apart by direction and distance from the origin.
  const double reach = std::hypot(a.x() + b.x(), a.y() + b.y()) + std::hypot(a.x(), b.y());
  std::map<std::pair<long, long>, std::pair<QLineF, bool>> lines;  // mirror when true
  std::map<std::pair<long, long>, std::pair<QPointF, int>> turns;
  std::vector<Image> shifts;
  Pattern plain(*this);
  plain.moves_ = {Move{}};
  plain.images({0, 0}, area, reach, shifts);
  for (const Move& g : moves_) {
    // A reflection's axis is the direction it keeps: (1 + L) of any vector not in the normal. A
    // translation along the axis shortens the glide by whole periods of the grid there.
    QPointF u, n;
    double period = 0;
    if (g.det() < 0) {
      u = {1 + g.xx, g.yx};
      if (std::hypot(u.x(), u.y()) < 1e-9) u = {g.xy, 1 + g.yy};
      u /= std::hypot(u.x(), u.y());
      if (u.y() < -1e-9 || (u.y() <= 1e-9 && u.x() < 0)) u = -u;
      n = {-u.y(), u.x()};
      period = periodAlong(u);
    }
    for (const Image& s : shifts) {
      const QPointF c(g.dx + s.shift.x(), g.dy + s.shift.y());
      if (g.det() < 0) {
        const double offset = QPointF::dotProduct(c, n) / 2, glide = QPointF::dotProduct(c, u);
        const auto key =
            std::make_pair(std::lround(std::atan2(u.y(), u.x()) * 1e4), std::lround(offset * 4));
        // A mirror when the glide is a whole number of periods: near the area's corners the
        // translation that takes it away may be beyond the shifts looked at.
        const bool mirror =
            std::abs(period > 0 ? glide - period * std::round(glide / period) : glide) < 1e-6;
        if (const auto line = clip(offset * n, u, area)) {
          auto [at, fresh] = lines.try_emplace(key, *line, mirror);
          if (!fresh) at->second.second = at->second.second || mirror;
        }
      } else if (std::abs(g.xx - 1) > 1e-9 || std::abs(g.yx) > 1e-9) {
        // The fixed point of x -> L x + c.
        const double m00 = 1 - g.xx, m01 = -g.xy, m10 = -g.yx, m11 = 1 - g.yy;
        const double det = m00 * m11 - m01 * m10;
        const QPointF centre((m11 * c.x() - m01 * c.y()) / det, (m00 * c.y() - m10 * c.x()) / det);
        if (!area.contains(centre)) continue;
        const int order = int(std::lround(2 * Pi / std::abs(std::atan2(g.yx, g.xx))));
        const auto key = std::make_pair(std::lround(centre.x() * 2), std::lround(centre.y() * 2));
        auto [at, fresh] = turns.try_emplace(key, centre, order);
        if (!fresh) at->second.second = std::max(at->second.second, order);
      }
    }
  }
  for (const auto& [key, line] : lines)
    guides.lines.push_back(
        {line.first, line.second ? PatternGuides::Line::Mirror : PatternGuides::Line::Glide});
  for (const auto& [key, centre] : turns) guides.turns.push_back(centre);
  return guides;
}

QString Pattern::nameOf(int index) {
  return QString::fromLatin1(Entries[std::clamp(index, 0, Count - 1)].name);
}

QString Pattern::friendlyNameOf(int index) {
  return QCoreApplication::translate("Pattern", Entries[std::clamp(index, 0, Count - 1)].friendly);
}

QString Pattern::descriptionOf(int index) {
  return QCoreApplication::translate("Pattern",
                                     Entries[std::clamp(index, 0, Count - 1)].description);
}
