#include <map>
#include <numbers>

#include "core/CoreFixture.h"

namespace {

using Kind = Symmetry::Kind;
constexpr double Pi = std::numbers::pi;
constexpr Colour Blue = 0xff0000;

QPoint mapped(const CopyMap& m, QPoint centre, QPointF d) {
  const QPointF p = m.apply(d.x(), d.y());
  return centre + QPoint(int(std::nearbyint(p.x())), int(std::nearbyint(p.y())));
}

}  // namespace

// Turned copies lie at the point's angle plus k / N of a turn, each mirrored one (mirrored in
// the vertical line, then turned) right after its turned copy; all on the point's circle.
TEST(SymmetryImages, CountsAndPlacesOfEveryKindAndOrder) {
  Symmetry s;
  for (int mode = 0; mode < 3; ++mode) {
    ASSERT_EQ(s.copies(mode), copiesFor(mode));
    for (int k = 0; k < copiesFor(mode); ++k)
      EXPECT_EQ(s.copy(k).apply(3, 5),
                QPointF(mirrorCopy(k, 3.0, 5.0).x, mirrorCopy(k, 3.0, 5.0).y));
  }
  const double a = std::atan2(5.0, 3.0);
  for (const Kind kind : {Kind::Spin, Kind::Kaleidoscope}) {
    const int step = kind == Kind::Spin ? 1 : 2;
    for (int n = 0; n <= 33; ++n) {
      s.set(kind, n);
      const int order = std::clamp(n, 1, 32);
      ASSERT_EQ(s.copies(0), step * order) << n;
      for (int k = 0; k < s.copies(0); ++k) {
        const QPointF p = s.copy(k).apply(3, 5);
        const double angle = (k % step ? Pi - a : a) + 2 * Pi * (k / step) / order;
        EXPECT_NEAR(std::remainder(std::atan2(p.y(), p.x()) - angle, 2 * Pi), 0, 1e-12) << k;
        EXPECT_NEAR(std::hypot(p.x(), p.y()), std::hypot(3, 5), 1e-12);
      }
      // A spin's spokes, a kaleidoscope's mirror lines: each left in place by a mirrored copy.
      const std::vector<double> guides = s.guideAngles(0);
      ASSERT_EQ(int(guides.size()), order * step - (kind == Kind::Spin && order == 1)) << n;
      for (const double g : guides) {
        bool fixed = false;
        for (int k = 1; k < s.copies(0); k += 2)
          fixed |= std::abs(s.copy(k).apply(std::cos(g), std::sin(g)).y() - std::sin(g)) < 1e-9 &&
                   std::abs(s.copy(k).apply(std::cos(g), std::sin(g)).x() - std::cos(g)) < 1e-9;
        EXPECT_TRUE(fixed || kind == Kind::Spin) << n << " " << g;
      }
    }
  }
  EXPECT_EQ(Symmetry().guideAngles(1).size(), 4u);
}

class SymmetryDrawing : public CoreFixture {
 protected:
  void moveTo(QPointF p) { k.Canvas_MouseMove(0, 0, float(p.x()), float(p.y())); }
  // One stamp of a brush (0 line, 1 squares, 2 circles, 3 heptagon) centred near `at`.
  void stamp(int brush, QPointF at, int size) {
    brush == 3 ? k.polyg_Click(4) : k.sty_Click(brush);
    setBrushSize(size);
    const QPointF corner = brush == 1 ? at - QPointF(size, size) : at;
    moveTo(corner - QPointF(size, 3));
    penDown();
    moveTo(corner - QPointF(size, 3));
    moveTo(corner + QPointF(size, 5));
    k.PenUp = true;
  }
};

// Mirrors and quarter turns need no rounding: every brush, with the echo, about a centre moved
// off the screen's centre, gives a picture that each copy maps onto itself to the pixel.
TEST_F(SymmetryDrawing, MirrorsAndQuarterTurnsAreExactToThePixelAboutAMovedCentre) {
  const std::pair<Kind, int> exact[] = {{Kind::Kaleidoscope, 1}, {Kind::Kaleidoscope, 2},
                                        {Kind::Kaleidoscope, 4}, {Kind::Spin, 2},
                                        {Kind::Spin, 4},         {Kind::Mirror, 2}};
  for (const auto& [kind, order] : exact) {
    canvas.setBackColor(White);
    k.mir_Click(kind == Kind::Mirror ? order : 2);
    k.symmetry.set(kind, order);
    moveTo({61, -37});
    k.CentreAtPointer();
    const QPoint c = canvas.toPixel(61, -37);
    k.th_Click(2);
    k.ToggleEcho();
    for (int brush = 0; brush < 4; ++brush) stamp(brush, QPointF(101 + 37 * brush, 48), 13);
    k.ToggleEcho();
    const QImage& image = canvas.Image();
    for (int copy = 1; copy < k.symmetry.copies(k.MirrorMode); ++copy) {
      for (int y = -330; y <= 330; ++y) {
        for (int x = -330; x <= 330; ++x) {
          const QPoint p = c + QPoint(x, y), q = mapped(k.symmetry.copy(copy), c, QPoint(x, y));
          if (!image.valid(p) || !image.valid(q)) continue;
          ASSERT_EQ(image.pixel(p), image.pixel(q)) << int(kind) << order << " " << copy;
        }
      }
    }
    EXPECT_GT(countPixels(Red), 1000);
  }
}

// Other turns round: each pixel of a copy lies within 1.5 px of the turned first copy, and the
// turned first copy within 1.5 px of the copy's pixels. Rainbow copies tell the copies apart.
TEST_F(SymmetryDrawing, TurnedCopiesOfEveryBrushStayWithinOneAndAHalfPixels) {
  k.cmdRainbow_Click();
  const QPoint c = canvas.toPixel(0, 0);
  for (const Kind kind : {Kind::Spin, Kind::Kaleidoscope}) {
    for (const int order : {6, 12}) {
      for (int brush = 0; brush < 4; ++brush) {
        canvas.setBackColor(White);
        k.symmetry.set(kind, order);
        const double a = Pi / 2 - Pi / (2 * order);  // halfway between two images
        stamp(brush, {280 * std::cos(a), 280 * std::sin(a)}, 9);
        const int copies = k.symmetry.copies(0);
        std::map<QRgb, int> copyOf;
        for (int i = 0; i < copies; ++i) copyOf[toQRgb(turnHue(Red, double(i) / copies))] = i;
        ASSERT_EQ(int(copyOf.size()), copies);
        std::vector<std::vector<QPoint>> pixels(copies);
        const QImage& image = canvas.Image();
        for (int y = 0; y < image.height(); ++y)
          for (int x = 0; x < image.width(); ++x)
            if (auto i = copyOf.find(image.pixel(x, y)); i != copyOf.end())
              pixels[i->second].push_back({x, y});
        const auto near = [&](int copy, QPointF r) {
          for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
              const QPoint q(int(std::round(r.x())) + dx, int(std::round(r.y())) + dy);
              if (std::hypot(q.x() - r.x(), q.y() - r.y()) <= 1.5 && image.valid(q) &&
                  image.pixel(q) == image.pixel(pixels[copy].front()))
                return true;
            }
          return false;
        };
        for (int i = 1; i < copies; ++i) {
          const CopyMap& m = k.symmetry.copy(i);
          const CopyMap back{m.xx, m.yx, m.xy, m.yy};  // turns and mirrors: the transpose
          ASSERT_GT(pixels[i].size(), 20u) << int(kind) << order << brush << " " << i;
          for (const QPoint q : pixels[i])
            ASSERT_TRUE(near(0, c + back.apply(q.x() - c.x(), q.y() - c.y())))
                << int(kind) << " " << order << " " << brush << " " << i;
          for (const QPoint q : pixels[0])
            ASSERT_TRUE(near(i, c + m.apply(q.x() - c.x(), q.y() - c.y())))
                << int(kind) << " " << order << " " << brush << " " << i;
        }
      }
    }
  }
}

// Each copy's colour is the drawing colour turned by its share of a turn, after the gradient's
// step; the echo's copies take their copy's colour, and the drawing colour itself stays.
TEST_F(SymmetryDrawing, RainbowCopiesTurnTheHueAlsoUnderTheGradient) {
  EXPECT_EQ(turnHue(Red, 1.0 / 3), packColour(0, 255, 0));
  EXPECT_EQ(turnHue(Red, 2.0 / 3), Blue);
  EXPECT_EQ(turnHue(packColour(90, 90, 90), 0.5), packColour(90, 90, 90));
  k.cmdKaleidoscope_Click();
  k.cmdOrderDown_Click(), k.cmdOrderDown_Click(), k.cmdOrderDown_Click();  // order 3
  k.cmdRainbow_Click();
  k.CmdGradient_Click();
  k.ToggleEcho();
  penDown();
  canvas.ops.clear();
  moveTo({100, 20});
  ASSERT_EQ(canvas.ops.size(), 12u);
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(canvas.ops[i].colour, turnHue(packColour(255, 2, 3), (i % 6) / 6.0)) << i;
  EXPECT_EQ(canvas.ForeColor, packColour(255, 2, 3));

  // A square's copy is its outline turned: the first copy's five lines go round its corners.
  k.cmdSpin_Click();
  canvas.ops.clear();
  stamp(1, {110, 30}, 10);
  const float corners[5][2] = {{90, 17}, {110, 17}, {110, 37}, {90, 37}, {90, 17}};
  for (int i = 0; i < 5; ++i) {
    const auto& op = canvas.ops[std::size_t(i)];
    EXPECT_TRUE(std::abs(op.x2 - corners[i][0]) < 1 && std::abs(op.y2 - corners[i][1]) < 1) << i;
  }
}

// The fill seeds every image of the pointer's pixel about the moved centre, each in its copy's
// colour. Off the picture, the mirror modes start on the nearest edge pixel; the new kinds skip.
TEST_F(SymmetryDrawing, FillsSeedEveryImageAboutAMovedCentreSkippingThoseOffThePicture) {
  k.symmetry.set(Kind::Kaleidoscope, 3);
  k.cmdRainbow_Click();
  moveTo({-90, 40});
  k.CentreAtPointer();
  const QPoint c = canvas.toPixel(-90, 40);
  k.sty_Click(2);
  setBrushSize(30);
  penDown();
  moveTo({-90 + 150, 40 + 50});  // six circles
  fillAt(-90 + 150, 40 + 50, Blue);
  ASSERT_EQ(canvas.fills.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    const QPoint p = mapped(k.symmetry.copy(i), c, canvas.toPixel(60, 90) - c);
    EXPECT_EQ(fromQRgb(canvas.Image().pixel(p)), turnHue(Blue, i / 6.0)) << i;
  }
  EXPECT_EQ(pixelAt(-90, 40), White);

  moveTo({-520, 0});  // near the left edge
  k.CentreAtPointer();
  for (const bool kaleidoscope : {true, false}) {
    kaleidoscope ? k.symmetry.set(Kind::Kaleidoscope, 2) : k.mir_Click(1);
    canvas.fills.clear();
    fillAt(-300, 100, Blue);
    EXPECT_EQ(canvas.fills.size(), kaleidoscope ? 2u : 4u);
    EXPECT_EQ(std::ranges::count_if(canvas.fills, [](QPoint p) { return p.x() == 0; }),
              kaleidoscope ? 0 : 2);
  }
}

// A fill starts at the very pixel whose colour it read, and its mirror starts are exact mirror
// images of that pixel, for every whole-unit pointer on common screens.
TEST(FillStarts, AreThePixelReadAndItsExactMirrorImagesOnCommonScreens) {
  for (const QSize size :
       {QSize(1920, 1080), QSize(1600, 900), QSize(1280, 720), QSize(3840, 2160)}) {
    FakePlatform platform;
    platform.screen = size;
    RecordingSurface canvas(size);
    Kalyra k(canvas, platform);
    k.Form_Load();
    const QPoint c = canvas.toPixel(0, 0);
    const auto check = [&](int x, int y) {
      const QPoint p = canvas.toPixel(x, y);
      const std::vector<QPoint> starts = k.symmetry.fillStarts(canvas, p, 2);
      ASSERT_EQ(starts.size(), 8u);
      for (int i = 0; i < 8; ++i) {
        const auto m = mirrorCopy(i, p.x() - c.x(), p.y() - c.y());
        const QPoint q(std::clamp(c.x() + m.x, 0, size.width() - 1),
                       std::clamp(c.y() + m.y, 0, size.height() - 1));
        ASSERT_EQ(starts[i], q) << size.width() << ": " << x << "," << y << " copy " << i;
      }
    };
    const int w = int(canvas.ScaleWidth / 2);
    for (int x = -w; x <= w; ++x) check(x, 0), check(x, x % 401);
    for (int y = -400; y <= 400; ++y) check(y % 700, y);
  }
  // The case that was found: a one-pixel line under the pointer is filled, not missed.
  FakePlatform platform;
  platform.screen = {1920, 1080};
  RecordingSurface canvas({1920, 1080});
  Kalyra k(canvas, platform);
  k.Form_Load();
  k.mir_Click(0);
  canvas.DrawWidth = 1;
  canvas.Line(-270, -400, -270, 400);
  canvas.ForeColor = Blue;
  k.MouseX = -270;
  k.FillAtPointer();
  EXPECT_EQ(canvas.fills, std::vector<QPoint>{canvas.toPixel(-270, 0)});
  EXPECT_EQ(fromQRgb(canvas.Image().pixel(canvas.toPixel(-270, 300))), Blue);
}
