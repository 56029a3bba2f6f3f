#include <gtest/gtest.h>

#include <QThread>
#include <cmath>

#include "e2e/XSession.h"

// Drawing without a pause on a 4K screen at kaleidoscope 32 with rainbow copies, killed: started
// again with --restore, it shows everything drawn until three seconds before the kill. Nothing
// drawn turns white again, so what the screen showed three seconds before the kill is all drawn
// after the restart, whatever was drawn over it in between, and over a picture named to open.
TEST(Recovery, DrawingWithoutAPauseOnAFourKScreenComesBackToSecondsBeforeTheKill) {
  const QSize screen(3840, 2160);
  const QPoint centre(1920, 1080);
  XSession x(screen);
  ASSERT_TRUE(x.launch());
  x.waitFor(allWhite);
  ASSERT_TRUE(x.xdotool(QStringList{"key", "--delay", "30", "k", "r"} + QStringList(26, "plus")));
  const auto round = [&](int radius, int wave, int moves, int turns) {
    QStringList commands;
    for (int i = 0; i <= moves; ++i) {
      const double angle = i * turns * 2 * M_PI / moves;
      const int r = radius + int(wave * std::sin(i * 1.3));
      commands << "mousemove" << n(centre.x() + int(r * std::cos(angle)))
               << n(centre.y() + int(r * std::sin(angle))) << "sleep"
               << "0.02";
    }
    return commands;
  };
  // Zigzags round the centre, nearer and further: each tenth of a second the 64 copies cross
  // some 200 tiles of the canvas.
  QProcess drawing;
  x.runOn(drawing, "xdotool",
          QStringList{"mousemove", n(centre.x() + 350), n(centre.y()), "click", "1"} +
              round(350, 200, 150, 2) + round(900, 100, 600, 6));
  QThread::msleep(3500);
  const QImage drawn = x.screenshot();
  QThread::msleep(3000);
  x.killHard();
  // Rainbow copies of red are never white, the canvas, nor black, the screen without a window.
  const auto ink = [](QRgb p) { return (p & 0xffffff) != 0xffffff && (p & 0xffffff) != 0; };
  // How many pixels drawn by the time of the screenshot `s` lacks.
  const auto missing = [&](const QImage& s) {
    int lost = 0;
    for (int py = 0; py < screen.height(); ++py)
      for (int px = 0; px < screen.width(); ++px)
        lost += ink(drawn.pixel(px, py)) && (s.size() != screen || !ink(s.pixel(px, py)));
    return lost;
  };
  ASSERT_GT(missing(QImage()), 5000);
  drawing.kill();
  drawing.waitForFinished(5000);
  // Started with a picture named too, the work brought back goes over that picture.
  QImage named(64, 64, QImage::Format_RGB32);
  named.fill(Qt::white);
  ASSERT_TRUE(named.save(x.folder() + "/named.png") && x.launch({"--restore", "named.png"}));
  EXPECT_EQ(missing(x.waitFor([&](const QImage& s) { return missing(s) == 0; })), 0);
}
