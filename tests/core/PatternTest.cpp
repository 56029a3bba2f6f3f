#include <functional>
#include <numbers>
#include <random>
#include <set>

#include "core/CoreFixture.h"

namespace {

using Kind = Symmetry::Kind;
constexpr Colour Blue = 0xff0000;

bool near(QPointF p, QPointF q) {
  return std::hypot(p.x() - q.x(), p.y() - q.y()) < 1e-6;
}

// Whether the map x -> t(x) is one of the pattern's moves followed by a whole number of cells:
// the same as some move on three points, by one translation of the grid.
bool inGroup(const Pattern& p, const std::function<QPointF(QPointF)>& t) {
  const QPointF a = p.a(), b = p.b(), points[] = {{0, 0}, {1, 0}, {0, 1}};
  for (int g = 0; g < p.moves(); ++g) {
    const QPointF d = t({0, 0}) - p.move(g).apply({0, 0});
    if (!std::ranges::all_of(points, [&](QPointF q) { return near(t(q) - p.move(g).apply(q), d); }))
      continue;
    const double n = b.y() == 0 ? 0 : d.y() / b.y(), m = (d.x() - n * b.x()) / a.x();
    if (std::abs(m - std::round(m)) < 1e-6 && std::abs(n - std::round(n)) < 1e-6 &&
        (b.y() != 0 || std::abs(d.y()) < 1e-6))
      return true;
  }
  return false;
}

}  // namespace

// The guides show every line and centre of the pattern's moves, and nothing else: a mirror line
// is one the pattern's reflection in it belongs to, a glide line one it glides along by half a
// translation but does not reflect in, and each centre of a turn is marked with the highest
// order of turn about it. Which patterns have mirrors, and which glides that are no mirrors, is
// the crystallographers' tables'.
TEST(PatternGroup, GuidesMarkItsMirrorsGlidesAndTurnsWithTheirOrder) {
  constexpr bool Mirrors[Pattern::Count] = {0, 0, 1, 0, 1, 1, 1, 0, 0, 1, 0, 1,
                                            1, 1, 0, 1, 0, 1, 1, 0, 1, 1, 0, 1};
  constexpr bool Glides[Pattern::Count] = {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1,
                                           0, 1, 1, 1, 0, 1, 1, 0, 1, 1, 0, 1};
  constexpr int HighestTurn[Pattern::Count] = {1, 1, 1, 2, 2, 1, 2, 1, 2, 1, 1, 1,
                                               2, 2, 2, 2, 4, 4, 4, 3, 3, 3, 6, 6};
  for (int i = 0; i < Pattern::Count; ++i) {
    Pattern p(i);
    p.setCellSize(40);
    const PatternGuides guides = p.guides({-130, -130, 260, 260});
    bool mirrors = false, glides = false;
    for (const auto& [line, kind] : guides.lines) {
      if (kind == PatternGuides::Line::Cell) continue;
      const QPointF q = line.p1(), u = (line.p2() - q) / line.length();
      const auto glide = [&](double along) {
        return [=](QPointF x) {
          const QPointF v = x - q;
          return q + 2 * QPointF::dotProduct(v, u) * u - v + along * u;
        };
      };
      bool halfShift = false;
      for (int m = -2; m <= 2; ++m)
        for (int n = -2; n <= 2; ++n) {
          const QPointF t = m * p.a() + n * p.b();
          const double along = QPointF::dotProduct(t, u);
          halfShift |= std::abs(along) > 1e-6 && near(t, along * u) && inGroup(p, glide(along / 2));
        }
      const bool mirror = kind == PatternGuides::Line::Mirror;
      EXPECT_TRUE(inGroup(p, glide(0)) == mirror && (mirror || halfShift))
          << i << " " << mirror << " through " << q.x() << "," << q.y();
      (mirror ? mirrors : glides) = true;
    }
    EXPECT_TRUE(mirrors == Mirrors[i] && glides == Glides[i]) << i;
    int highest = 1;
    for (const auto& [c, order] : guides.turns) {
      const auto turn = [c](int n) {
        const double a = 2 * std::numbers::pi / n;
        return [=](QPointF x) {
          const QPointF v = x - c;
          return c + QPointF(std::cos(a) * v.x() - std::sin(a) * v.y(),
                             std::sin(a) * v.x() + std::cos(a) * v.y());
        };
      };
      int most = 1;
      for (const int n : {2, 3, 4, 6}) most = inGroup(p, turn(n)) ? n : most;
      EXPECT_EQ(order, most) << i << " at " << c.x() << "," << c.y();
      highest = std::max(highest, order);
    }
    EXPECT_EQ(highest, HighestTurn[i]) << i;
    // Of the patterns with turns of three and mirrors, p3m1 has every such centre on a mirror.
    const auto onMirror = [&](QPointF c) {
      return std::ranges::any_of(guides.lines, [c](const auto& l) {
        const QPointF u = (l.first.p2() - l.first.p1()) / l.first.length(), v = c - l.first.p1();
        return l.second == PatternGuides::Line::Mirror &&
               std::abs(u.x() * v.y() - u.y() * v.x()) < 1e-6;
      });
    };
    const bool allOn =
        std::ranges::all_of(guides.turns, [&](const auto& t) { return onMirror(t.first); });
    EXPECT_TRUE(highest != 3 || !mirrors || allOn == (Pattern::nameOf(i) == "p3m1")) << i;
  }
}

namespace {

// A small screen, so that every pattern is checked over every pixel.
class PatternDrawing : public CoreFixture {
 protected:
  PatternDrawing() : CoreFixture({320, 240}) {}
  Pattern use(int i, int cell) {
    Pattern pattern(i);
    pattern.setCellSize(cell);
    k.symmetry.setPattern(pattern);
    k.symmetry.set(Kind::Pattern, 6);
    return pattern;
  }

  // Strokes with every brush, the echo, and a fill, all at seeded random places.
  static void doodle(Kalyra& k, bool fill) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> x(-500, 500), y(-380, 380);
    k.ToggleEcho();
    for (int brush = 0; brush < 4; ++brush) {
      brush == 3 ? k.polyg_Click(2) : k.sty_Click(brush);
      k.view.ScrollSize = 12 + 6 * brush;
      k.ScrollSize_Change();
      k.th_Click(brush % 3);
      k.Canvas.ForeColor = brush % 2 ? Blue : Black;
      k.PenUp = false;
      for (int move = 0; move < 5; ++move) k.Canvas_MouseMove(0, 0, x(random), y(random));
      k.PenUp = true;
    }
    k.ToggleEcho();
    if (!fill) return;
    k.Canvas.ForeColor = packColour(0, 160, 0);
    k.MouseX = std::int16_t(x(random)), k.MouseY = std::int16_t(y(random));
    k.FillAtPointer();
  }
};

}  // namespace

// After strokes and stamps, the picture is unchanged by each move of the pattern and by the
// grid's translations, exactly on every grid but the hexagonal one. Drawing one cell and copying
// it gives the same pixels as drawing every image, and a fill starts at every image on the
// picture.
TEST_F(PatternDrawing, PictureIsUnchangedByEveryMoveOfEveryPattern) {
  k.Canvas_MouseMove(0, 0, 37, -23);
  k.CentreAtPointer();
  const QPoint c = canvas.toPixel(37, -23);
  const QImage& image = canvas.Image();
  for (int i = 0; i < Pattern::Count; ++i) {
    const Pattern pattern = use(i, 40);
    canvas.setBackColor(White);
    canvas.fills.clear();
    if (!pattern.wholePixel()) continue;  // the hexagonal grids: below
    doodle(k, false);
    {
      RecordingSurface each(canvas.pixelSize());
      Kalyra other(each, platform);
      other.Form_Load();
      other.symmetry = k.symmetry;
      other.symmetry.repeatCells = false;
      doodle(other, false);
      ASSERT_TRUE(each.Image() == image) << i;
    }
    std::vector<Move> moves;
    for (int g = 0; g < pattern.moves(); ++g) moves.push_back(pattern.move(g));
    for (const QPointF t : {pattern.a(), pattern.b()}) moves.push_back({1, 0, 0, 1, t.x(), t.y()});
    for (const Move& m : moves) {
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const QPointF to = QPointF(c) + m.apply(QPointF(x - c.x(), y - c.y()));
          const QPoint q(int(std::lround(to.x())), int(std::lround(to.y())));
          if (!image.valid(q)) continue;
          ASSERT_EQ(image.pixel(x, y), image.pixel(q)) << i << " " << x << "," << y;
        }
      }
    }
    // A fill's regions may be cut by the picture's edges differently from copy to copy, so the
    // fill is checked by its starts: every image on the picture of each start is a start.
    doodle(k, true);
    std::set<std::pair<int, int>> fills;
    for (const QPoint p : canvas.fills) fills.insert({p.x(), p.y()});
    ASSERT_GE(fills.size(), 4u);
    for (const Move& m : moves)
      for (const auto& [x, y] : fills) {
        const QPointF to = QPointF(c) + m.apply(QPointF(x - c.x(), y - c.y()));
        const QPoint q(int(std::lround(to.x())), int(std::lround(to.y())));
        EXPECT_TRUE(!image.valid(q) || fills.contains({q.x(), q.y()})) << i;
      }
  }
}

// On the hexagonal grids every pixel of every copy, told apart by their rainbow colours, lies
// within a pixel and a half of the exact image of a pixel of the motif as drawn, and every move
// shows, each in its own colour in every cell. So does p4m, on a square grid.
TEST_F(PatternDrawing, HexagonalCopiesLieWithinOneAndAHalfPixelsOfTheirExactImages) {
  for (const int i : {17, 19, 20, 21, 22, 23}) {
    const Pattern pattern = use(i, 96);
    canvas.setBackColor(White);
    k.symmetry.rainbow = true;
    // The motif: a short hooked line and a small polygon beside the centre, within one copy's
    // share of the cell.
    const QPoint c = canvas.toPixel(0, 0), at = canvas.toPixel(60, 12);
    k.th_Click(1), k.sty_Click(0);
    penDown();
    for (const QPointF p : {QPointF(60, 12), QPointF(80, 14), QPointF(84, 26)})
      k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y()));
    k.PenUp = true;
    k.polyg_Click(2);
    setBrushSize(6);
    penDown();
    k.Canvas_MouseMove(0, 0, 66, 24);
    k.PenUp = true;
    // The motif's own pixels: the first move's colour near where it was drawn.
    const auto copies = pixelsOfCopies(pattern.moves());
    std::set<std::pair<int, int>> motif;
    for (const auto& [x, y] : copies[0])
      if (std::abs(y - at.y()) <= 20 && x >= at.x() - 20 && x <= at.x() + 40) motif.insert({x, y});
    ASSERT_GT(motif.size(), 30u);
    for (int g = 0; g < pattern.moves(); ++g) {
      EXPECT_FALSE(copies[std::size_t(g)].empty()) << i << " move " << g;
      for (const auto& [x, y] : copies[std::size_t(g)]) {
        // Back through the move, then the whole cells that bring it nearest the motif.
        const Move& m = pattern.move(g);
        const QPointF d(x - c.x() - m.dx, y - c.y() - m.dy);
        const QPointF back(m.xx * d.x() + m.yx * d.y(), m.xy * d.x() + m.yy * d.y());
        const QPointF from = back - QPointF(at - c);
        const double rows = std::round(from.y() / pattern.b().y());
        const double cells = std::round((from.x() - rows * pattern.b().x()) / pattern.a().x());
        bool near = false;
        for (int dm = -1; dm <= 1 && !near; ++dm)
          for (int dn = -1; dn <= 1 && !near; ++dn)
            near =
                within(QPointF(c) + back - (cells + dn) * pattern.a() - (rows + dm) * pattern.b(),
                       1.5, motif);
        ASSERT_TRUE(near) << i << " " << x << "," << y << " move " << g;
      }
    }
  }
}
