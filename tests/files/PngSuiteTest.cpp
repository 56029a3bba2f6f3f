#include <gtest/gtest.h>

#include <QDir>

#include "Kalyra.h"
#include "support/FakePlatform.h"

// The basic PngSuite images (see data/README.md), opened by the Load button over canvas colours
// that tell a transparent pixel from an opaque one, show their own colours where they are opaque
// and the canvas colour blended in by their transparency elsewhere (to within one step of
// rounding, against Qt's own decoding of the file), and the canvas colour beyond them. An
// interlaced image looks exactly as its twin.
TEST(PngSuite, BasicImagesOpenInTheirColoursOverTheCanvasColour) {
  const QDir dir(QStringLiteral(KALYRA_TESTDATA "/pngsuite"));
  const auto openOver = [&](const QString& name, QRgb under) {
    FakePlatform platform;
    platform.screen = {48, 40}, platform.openAnswers = {dir.filePath(name)};
    Surface canvas(platform.screen);
    Kalyra k(canvas, platform);
    k.Form_Load(), canvas.setBackColor(fromQRgb(under));
    EXPECT_EQ(k.cmdOpen_Click(), std::nullopt) << name.toStdString();
    return canvas.Image().copy();
  };
  const auto blend = [](int over, int under, int alpha) {
    return int(std::lround((over * alpha + under * (255 - alpha)) / 255.0));
  };
  const QStringList files = dir.entryList({"*.png"}, QDir::Files);
  ASSERT_EQ(files.size(), 51);
  for (const QString& name : files) {
    // Qt's own reader (6.4) scrambles 16-bit truecolour with a transparent colour; the same
    // picture in 8-bit truecolour is read correctly and is the reference for those.
    const bool deepKeyed = name.contains("tb") && name.contains("2c16");
    const QImage reference = QImage(dir.filePath(deepKeyed ? "ftbrn2c08.png" : name))
                                 .convertToFormat(QImage::Format_ARGB32);
    for (const QRgb under : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(30, 140, 220)}) {
      const QImage shown = openOver(name, under);
      const QImage twin = name.startsWith('i') ? openOver(name.mid(1), under) : shown;
      EXPECT_TRUE(shown == twin) << name.toStdString();
      int wrong = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 48; ++x) {
          const QRgb p = shown.pixel(x, y);
          const QRgb want = reference.rect().contains(x, y) ? reference.pixel(x, y) : under;
          const int a = qAlpha(want);
          wrong += std::abs(qRed(p) - blend(qRed(want), qRed(under), a)) > 1 ||
                   std::abs(qGreen(p) - blend(qGreen(want), qGreen(under), a)) > 1 ||
                   std::abs(qBlue(p) - blend(qBlue(want), qBlue(under), a)) > 1;
        }
      EXPECT_EQ(wrong, 0) << name.toStdString() << " over " << std::hex << under;
    }
  }
}
