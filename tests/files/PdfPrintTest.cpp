#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "Kalyra.h"
#include "files/PrintLayout.h"
#include "platform/QtPlatform.h"

// The real printer path: the program prints through Qt's printer into a PDF file, which
// pdftoppm turns back into pixels, where the picture must be where the layout put it.

namespace {

constexpr int RenderDpi = 50;

// The page at RenderDpi, or a null image when pdftoppm is missing or fails.
QImage renderPage(const QString& pdf, int page = 1) {
  const QString prefix = pdf + "-page" + QString::number(page);
  QProcess pdftoppm;
  pdftoppm.start("pdftoppm", {"-r", QString::number(RenderDpi), "-f", QString::number(page), "-l",
                              QString::number(page), "-singlefile", "-png", pdf, prefix});
  if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0) return {};
  return QImage(prefix + ".png");
}

// The smallest rectangle holding every pixel that is not near white.
QRect inkedArea(const QImage& page) {
  QRect area;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 128) area |= QRect(x, y, 1, 1);
  return area;
}

class PdfPrint : public ::testing::Test {
 protected:
  PdfPrint() {
    EXPECT_TRUE(dir.isValid());
    k.Form_Load();
    k.ProgramDir = dir.path();
    canvas.setBackColor(Black);  // the whole picture shows as ink
  }
  void writeIni(const QByteArray& text) {
    QFile file(QDir(dir.path()).filePath("printer.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  // Prints and checks that the page shows the picture at `inches` from the printable area's
  // corner, within a pixel and a half of rendering, on each copy's page.
  void printAndCheck(bool landscape, const QRectF& expectedInches, int copies = 1) {
    const QString pdf = QDir(dir.path()).filePath(landscape ? "landscape.pdf" : "portrait.pdf");
    platform.setPdfOutput(QtPlatform::PdfOutput{pdf, landscape, copies});
    const auto setup = platform.choosePrinter();  // what the page will be
    ASSERT_EQ(k.CmdPrint_Click(), std::nullopt);
    const QImage page = renderPage(pdf);
    if (page.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not available";
    ASSERT_TRUE(setup);
    EXPECT_NEAR(page.width(), setup->paper.width() * RenderDpi, 1.5);
    EXPECT_NEAR(page.height(), setup->paper.height() * RenderDpi, 1.5);
    const QRectF expected((expectedInches.topLeft() + setup->printable.topLeft()) * RenderDpi,
                          expectedInches.size() * RenderDpi);
    const QRect ink = inkedArea(page);
    EXPECT_NEAR(ink.left(), expected.left(), 1.5);
    EXPECT_NEAR(ink.top(), expected.top(), 1.5);
    EXPECT_NEAR(ink.right() + 1, expected.right(), 1.5);
    EXPECT_NEAR(ink.bottom() + 1, expected.bottom(), 1.5);
    EXPECT_EQ(renderPage(pdf, copies), page);
    EXPECT_TRUE(renderPage(pdf, copies + 1).isNull());
  }

  QTemporaryDir dir;
  QtPlatform platform;
  Surface canvas{{1024, 768}};
  Kalyra k{canvas, platform};
};

}  // namespace

TEST_F(PdfPrint, PortraitWithCalibrationLandsWhereTheLayoutSays) {
  writeIni(
      "[Parms]\nPaper_Width=8\nPaper_Height=10\nPrinted_Width=4\nPrinted_Height=5\n"
      "Width_Offset=0.5\nHeight_Offset=1\n");
  const QSize himetric = himetricSize(canvas.pixelSize(), platform.logicalDpi());
  const double h = 4 * double(himetric.height()) / himetric.width();
  printAndCheck(false, {(8 - 4) / 2.0 - 0.5, (10 - h) / 2 - 1, 4, h}, 2);
}

TEST_F(PdfPrint, LandscapeWithoutCalibrationFillsThePrintableArea) {
  const QString pdf = QDir(dir.path()).filePath("probe.pdf");
  platform.setPdfOutput(QtPlatform::PdfOutput{pdf, true});
  const auto setup = platform.choosePrinter();
  ASSERT_TRUE(setup);
  const QSize himetric = himetricSize(canvas.pixelSize(), platform.logicalDpi());
  const QRectF expected = placePicture(himetric, withPrinterSizes({}, *setup), true);
  // The picture reaches across the printable area one way and stays on it.
  EXPECT_TRUE(std::abs(expected.width() - setup->printable.width()) < 1e-6 ||
              std::abs(expected.height() - setup->printable.height()) < 1e-6);
  EXPECT_TRUE(
      QRectF({}, setup->printable.size()).adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(expected));
  printAndCheck(true, expected);
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
