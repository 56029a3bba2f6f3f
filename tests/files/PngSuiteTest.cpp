#include <gtest/gtest.h>

#include <QDir>

#include "Kalyra.h"
#include "support/FakePlatform.h"

// The basic PngSuite images (see data/README.md) opened as the canvas's background by the Load
// button, over canvas colours that tell a transparent pixel from an opaque one: every colour type
// and bit depth, interlaced and not, transparency by alpha channel and by tRNS.

namespace {

// The canvas after Load opened `file` over `colour`.
QImage openOver(const QString& file, Colour colour) {
  FakePlatform platform;
  platform.screen = {48, 40};
  Surface canvas(platform.screen);
  Kalyra k(canvas, platform);
  k.Form_Load();
  canvas.setBackColor(colour);
  platform.openAnswers = {file};
  const auto notice = k.cmdOpen_Click();
  EXPECT_FALSE(notice) << notice->text.toStdString();
  return canvas.Image().copy();
}

int blend(int over, int under, int alpha) {
  return int(std::lround((over * alpha + under * (255 - alpha)) / 255.0));
}

}  // namespace

// Each image shows its own colours where it is opaque and the canvas colour blended in by its
// transparency elsewhere (to within one step of rounding, against Qt's own decoding of the whole
// file, or of a twin); an interlaced image looks exactly as its twin; the canvas beyond the
// image keeps its colour.
TEST(PngSuite, BasicImagesOpenInTheirColoursOverTheCanvasColour) {
  const QDir dir(QStringLiteral(KALYRA_TESTDATA "/pngsuite"));
  const QStringList files = dir.entryList({"*.png"}, QDir::Files);
  ASSERT_EQ(files.size(), 51);
  int partlyClear = 0;
  for (const QString& name : files) {
    // Qt's own reader (6.4) scrambles 16-bit truecolour with a transparent colour; the same
    // picture in 8-bit truecolour is read correctly and is the reference for those.
    const bool deepKeyed = name.contains("tb") && name.contains("2c16");
    const QImage reference = QImage(dir.filePath(deepKeyed ? "ftbrn2c08.png" : name))
                                 .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(reference.size(), QSize(32, 32)) << name.toStdString();
    for (const QRgb under : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(30, 140, 220)}) {
      const QImage shown = openOver(dir.filePath(name), fromQRgb(under));
      if (name.startsWith('i')) {
        EXPECT_TRUE(shown == openOver(dir.filePath(name.mid(1)), fromQRgb(under)))
            << name.toStdString() << " over " << std::hex << under;
      }
      int wrong = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 48; ++x) {
          const QRgb p = shown.pixel(x, y);
          const QRgb want = reference.rect().contains(x, y) ? reference.pixel(x, y) : under;
          const int a = qAlpha(want);
          partlyClear += a > 0 && a < 255;
          wrong += std::abs(qRed(p) - blend(qRed(want), qRed(under), a)) > 1 ||
                   std::abs(qGreen(p) - blend(qGreen(want), qGreen(under), a)) > 1 ||
                   std::abs(qBlue(p) - blend(qBlue(want), qBlue(under), a)) > 1;
        }
      EXPECT_EQ(wrong, 0) << name.toStdString() << " over " << std::hex << under;
    }
  }
  EXPECT_GT(partlyClear, 1000);  // the alpha images do have partial transparency
}
