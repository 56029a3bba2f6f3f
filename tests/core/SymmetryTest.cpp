#include <numbers>

#include "core/CoreFixture.h"

namespace {
using Kind = Symmetry::Kind;
constexpr double Pi = std::numbers::pi;
constexpr Colour Blue = 0xff0000;
}  // namespace

// The eight-way copies come in a fixed order, which decides their rainbow colours. Turned
// copies lie at the point's angle plus k / N of a turn, each mirrored one (mirrored in
// the vertical line, then turned) right after its turned copy. A kaleidoscope's guides are its
// mirror lines, the first one the vertical line.
TEST(SymmetryImages, CountsPlacesAndGuidesOfEveryKindAndOrder) {
  Symmetry s;
  const QPointF eight[] = {{3, 5}, {-3, -5}, {3, -5}, {-3, 5}, {5, 3}, {-5, -3}, {5, -3}, {-5, 3}};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(s.copy(k).apply(3, 5), eight[k]) << k;
  EXPECT_TRUE(s.copies(1) == 4 && s.guideAngles(2).size() == 8u && s.guideAngles(0).empty());
  for (int n = 0; n <= 33; ++n) {
    for (const int step : {1, 2}) {
      s.set(step == 1 ? Kind::Spin : Kind::Kaleidoscope, n);
      const int order = std::clamp(n, 1, 32);
      ASSERT_EQ(s.copies(0), step * order) << n;
      for (int k = 0; k < s.copies(0); ++k) {
        const QPointF p = s.copy(k).apply(3, 5);
        const double a = std::atan2(5, 3),
                     angle = (k % step ? Pi - a : a) + 2 * Pi * (k / step) / order;
        EXPECT_NEAR(std::remainder(std::atan2(p.y(), p.x()) - angle, 2 * Pi), 0, 1e-12) << k;
        EXPECT_NEAR(std::hypot(p.x(), p.y()), std::hypot(3, 5), 1e-12);
      }
      const std::vector<double> g = s.guideAngles(0);
      ASSERT_EQ(int(g.size()), order * step - (step == 1 && order == 1));
      EXPECT_TRUE(step == 1 || (g[0] == Pi / 2 && std::abs(g[1] - g[0] - Pi / order) < 1e-12));
    }
  }
}

using SymmetryDrawing = CoreFixture;

// Copies of every brush about a moved centre, told apart by their rainbow colours. Mirrors and
// quarter turns need no rounding: each copy's pixels are the first copy's, mapped. Other turns
// round: each pixel of a copy lies within 1.5 px of the turned first copy, and back.
TEST_F(SymmetryDrawing, CopiesOfEveryBrushAreExactOrWithinOneAndAHalfPixels) {
  const std::tuple<Kind, int, double> runs[] = {
      {Kind::Kaleidoscope, 1, 1e-6}, {Kind::Kaleidoscope, 4, 1e-6}, {Kind::Spin, 2, 1e-6},
      {Kind::Spin, 6, 1.5},          {Kind::Kaleidoscope, 6, 1.5},  {Kind::Kaleidoscope, 12, 1.5},
      {Kind::Mirror, 2, 1e-6}};  // eight-way
  k.Canvas_MouseMove(0, 0, 61, -37);
  k.CentreAtPointer();
  k.cmdRainbow_Click();
  const QPointF c = canvas.toPixel(61, -37);
  for (const auto& [kind, order, reach] : runs) {
    for (int brush = 0; brush < 4; ++brush) {  // line, squares, circles, heptagon
      canvas.setBackColor(White);
      kind == Kind::Mirror ? k.mir_Click(order) : k.symmetry.set(kind, order);
      brush == 3 ? k.polyg_Click(4) : k.sty_Click(brush);
      setBrushSize(9);
      const double a = Pi / 2 - Pi / (kind == Kind::Mirror ? 8 : 2 * order);  // between images
      const QPointF p(61 + 260 * std::cos(a) - 9 * (brush == 1), -37 + 260 * std::sin(a));
      penDown();
      k.Canvas_MouseMove(0, 0, float(p.x() - 9), float(p.y() - 3));
      k.Canvas_MouseMove(0, 0, float(p.x() + 9), float(p.y() + 5));
      const auto pixels = pixelsOfCopies(k.symmetry.copies(k.MirrorMode));
      const auto near = [&](const auto& to, const CopyMap& m, const auto& from) {
        return std::ranges::all_of(from, [&](const auto& q) {
          return within(c + m.apply(q.first - c.x(), q.second - c.y()), reach, to);
        });
      };
      for (std::size_t i = 1; i < pixels.size(); ++i) {
        const CopyMap m = k.symmetry.copy(int(i)), back{m.xx, m.yx, m.xy, m.yy};  // the transpose
        ASSERT_GT(pixels[i].size(), 20u) << order << " " << brush << " " << i;
        ASSERT_TRUE(near(pixels[0], back, pixels[i]) && near(pixels[i], m, pixels[0]))
            << order << " " << brush << " " << i;
      }
    }
  }
}

// Each copy's colour is the drawing colour after the gradient's step turned by its share of a
// turn; the echo's copies, 150 units up and left, take their copy's colour.
TEST_F(SymmetryDrawing, RainbowCopiesTurnTheHueUnderTheGradient) {
  EXPECT_TRUE(turnHue(Red, 1.0 / 3) == packColour(0, 255, 0) && turnHue(Black, 0.5) == Black);
  k.symmetry.set(Kind::Kaleidoscope, 3);
  k.cmdRainbow_Click(), k.CmdGradient_Click(), k.ToggleEcho();
  penDown();
  k.Canvas_MouseMove(0, 0, 100, 20);
  ASSERT_EQ(canvas.ops.size(), 12u);
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(canvas.ops[i].colour, turnHue(packColour(255, 2, 3), (i % 6) / 6.0)) << i;
  EXPECT_EQ(canvas.ForeColor, packColour(255, 2, 3));
  EXPECT_TRUE(std::hypot(canvas.ops[6].x2 + 50, canvas.ops[6].y2 + 130) < 1);  // 150 up, left
  k.mir_Click(0), k.sty_Click(1), setBrushSize(10);  // so does a square's, drawn last
  penDown();
  k.Canvas_MouseMove(0, 0, 100, 20);
  EXPECT_TRUE(canvas.CurrentX == 100 - 150 + 20 && canvas.CurrentY == 20 - 150 + 20);
}

// The fill seeds every image of the pointer's pixel about the moved centre, each in its copy's
// colour, also when images before it in the copy order fall off the picture and are skipped. Off
// the picture, the mirror modes start on the nearest edge pixel instead.
TEST_F(SymmetryDrawing, FillsSeedEveryImageAboutAMovedCentreSkippingThoseOffThePicture) {
  const std::tuple<int, QPoint, QPoint, int> runs[] = {
      {3, {-90, 40}, {60, 90}, 6}, {2, {-520, 0}, {-300, 100}, 2}};  // near the left edge
  k.cmdRainbow_Click();
  k.sty_Click(2);
  setBrushSize(30);
  for (const auto& [order, centre, point, onPicture] : runs) {
    canvas.setBackColor(White);
    canvas.fills.clear();
    canvas.ForeColor = Red;
    k.symmetry.set(Kind::Kaleidoscope, order);
    k.Canvas_MouseMove(0, 0, float(centre.x()), float(centre.y()));
    k.CentreAtPointer();
    penDown();
    k.Canvas_MouseMove(0, 0, float(point.x()), float(point.y()));  // a circle round each image
    k.PenUp = true;
    fillAt(std::int16_t(point.x()), std::int16_t(point.y()), Blue);
    EXPECT_TRUE(std::ssize(canvas.fills) == onPicture &&
                std::ranges::count(canvas.fills, 0, &QPoint::x) == 0);
    const QPoint c = canvas.toPixel(float(centre.x()), float(centre.y())),
                 from = canvas.toPixel(float(point.x()), float(point.y())) - c;
    for (int i = 0; i < 2 * order; ++i) {
      const QPointF p = k.symmetry.copy(i).apply(from.x(), from.y());
      const QPoint at = c + QPoint(int(std::nearbyint(p.x())), int(std::nearbyint(p.y())));
      EXPECT_TRUE(!canvas.Image().rect().contains(at) ||
                  fromQRgb(canvas.Image().pixel(at)) == turnHue(Blue, i / (2.0 * order)))
          << order << " " << i;
    }
  }
  k.mir_Click(1);
  canvas.fills.clear();
  fillAt(-300, 100, Blue);
  EXPECT_TRUE(std::ssize(canvas.fills) == 4 &&
              std::ranges::count(canvas.fills, 0, &QPoint::x) == 2);
}

// A fill starts at the very pixel whose colour it read, and its mirror starts are exact mirror
// images of that pixel (clamped to the picture), for every whole-unit pointer.
TEST(FillStarts, AreThePixelReadAndItsExactMirrorImagesOnCommonScreens) {
  for (const QSize size : {QSize(1920, 1080), QSize(1600, 900), QSize(1280, 720)}) {
    FakePlatform platform;
    platform.screen = size;
    RecordingSurface canvas(size);
    Kalyra k(canvas, platform);
    k.Form_Load();
    const QPoint c = canvas.toPixel(0, 0);
    const auto check = [&](int x, int y) {
      const QPoint p = canvas.toPixel(x, y);
      const auto starts = k.symmetry.fillStarts(canvas, p, 2);
      for (int i = 0; i < 8; ++i) {
        const auto m = mirrorCopy(i, p.x() - c.x(), p.y() - c.y());
        ASSERT_EQ(starts[i].pixel, QPoint(std::clamp(c.x() + m.x, 0, size.width() - 1),
                                          std::clamp(c.y() + m.y, 0, size.height() - 1)))
            << size.width() << ": " << x << "," << y << " copy " << i;
      }
    };
    for (int x = -int(canvas.ScaleWidth / 2); x <= canvas.ScaleWidth / 2; ++x)
      check(x, 0), check(x, x % 401);
    for (int y = -400; y <= 400; ++y) check(y % 700, y);
    if (size.width() != 1920) continue;
    // The case that was found: a one-pixel line under the pointer is filled, not missed.
    k.mir_Click(0), canvas.DrawWidth = 1;
    canvas.Line(-270, -400, -270, 400);
    canvas.ForeColor = Blue, k.MouseX = -270;
    k.FillAtPointer();
    EXPECT_TRUE(canvas.fills == std::vector{canvas.toPixel(-270, 0)} &&
                canvas.Image().pixel(canvas.toPixel(-270, 300)) == toQRgb(Blue));
  }
}
