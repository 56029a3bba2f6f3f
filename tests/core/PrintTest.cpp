#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <tuple>

#include "core/CoreFixture.h"
#include "files/PrintLayout.h"

namespace {

// A letter-size sheet printed with a quarter-inch left and a half-inch top margin, the picture
// at most 8 × 10 inches.
const char* LetterIni =
    "[Parms]\nPaper_Width=8.5\nPaper_Height=11\nPrinted_Width=8\nPrinted_Height=10\n"
    "Width_Offset=0.25\nHeight_Offset=0.5\n";

void expectRect(const QRectF& r, double x, double y, double w, double h) {
  EXPECT_NEAR(r.x(), x, 5e-5);
  EXPECT_NEAR(r.y(), y, 5e-5);
  EXPECT_NEAR(r.width(), w, 5e-5);
  EXPECT_NEAR(r.height(), h, 5e-5);
}

}  // namespace

TEST(PrintLayout, ShrinksInSequenceKeepingProportionsAndCentresLessTheOffsets) {
  const Calibration letter = readCalibration(LetterIni);
  // A 1024 × 768 screen picture at 96 dots per inch.
  const QSize picture = himetricSize({1024, 768}, 96);
  EXPECT_EQ(picture, QSize(27093, 20320));
  expectRect(placePicture(picture, letter, false), 0, 1.99996, 8, 6.0001);
  expectRect(placePicture(picture, letter, true), 0, 0.24995, 10, 7.5001);
  // A picture that fits keeps its natural size and sits in the middle of the sheet.
  expectRect(placePicture({4000, 3000}, letter, false), (8.5 - 4000 / 1440.0) / 2 - 0.25,
             (11 - 3000 / 1440.0) / 2 - 0.5, 4000 / 1440.0, 3000 / 1440.0);
  // The second test sees the height the first one left: a tall picture shrinks twice.
  const QRectF tall = placePicture({14400, 28800}, letter, false);
  expectRect(tall, (8.5 - 5) / 2 - 0.25, (11 - 10) / 2.0 - 0.5, 5, 10);
}

TEST(PrintLayout, CalibrationSizesThatCountAsZeroFallBackToThePrintableArea) {
  const PrintSetup landscapeA4{1, true, {11.69, 8.27}, {0.2, 0.3, 11.29, 7.67}};
  const Calibration odd = readCalibration(
      "[parms]\nPaper_Width=abc\nPaper_Height=1e9\nPrinted_Width=-3\nWidth_Offset=0.1\n"
      "Height_Offset=nan\n");
  const Calibration c = withPrinterSizes(odd, landscapeA4);
  // In portrait terms, the landscape page turned upright; offsets stay (an absurd one is 0).
  EXPECT_EQ(std::tuple(c.paperWidth, c.paperHeight, c.printedWidth, c.printedHeight),
            std::tuple(7.67, 11.29, 7.67, 11.29));
  EXPECT_EQ(std::pair(c.widthOffset, c.heightOffset), std::pair(0.1, 0.0));
  const Calibration letter = withPrinterSizes(readCalibration(LetterIni), landscapeA4);
  EXPECT_EQ(std::pair(letter.printedWidth, letter.paperHeight), std::pair(8.0, 11.0));
}

class PrintCommand : public CoreFixture {
 protected:
  PrintCommand() {
    EXPECT_TRUE(dir.isValid());
    k.ProgramDir = dir.path();
  }
  void writeIni(const char* text) {
    QFile file(QDir(dir.path()).filePath("printer.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  QTemporaryDir dir;
};

TEST_F(PrintCommand, PrintsTheCanvasWhereTheCalibrationSaysReadingItAfreshEachTime) {
  writeIni(LetterIni);
  platform.printAnswer->copies = 3;
  k.PenUp = false;
  canvas.Line(-100, -100, 100, 100);
  EXPECT_EQ(k.CmdPrint_Click(), std::nullopt);
  ASSERT_EQ(platform.printed.size(), 1u);
  expectRect(platform.printed[0].inches, 0, 1.99996, 8, 6.0001);
  EXPECT_EQ(platform.printed[0].picture, canvas.Image());
  EXPECT_EQ(platform.printed[0].setup.copies, 3);
  // Printing leaves the pen, the focus and the drawing alone.
  EXPECT_FALSE(k.PenUp);
  EXPECT_FALSE(k.view.canvasFocusRequested);

  writeIni("[Parms]\nPaper_Width=8.5\nPaper_Height=11\nPrinted_Width=4\nPrinted_Height=10\n");
  platform.printAnswer->landscape = true;
  k.CmdPrint_Click();
  ASSERT_EQ(platform.printed.size(), 2u);
  const QRectF second = platform.printed[1].inches;
  EXPECT_NEAR(second.height(), 4, 1e-9);  // in landscape the printed width limits the height
  EXPECT_NEAR(second.width(), 4 * 27093.0 / 20320, 1e-4);
  EXPECT_NEAR(second.x(), (11 - second.width()) / 2, 1e-5);
}

TEST_F(PrintCommand, WithoutCalibrationThePictureFillsThePrintableArea) {
  // Letter paper, printable 8 × 10.5 inches from (0.25, 0.25), as the fake printer says.
  EXPECT_EQ(k.CmdPrint_Click(), std::nullopt);
  ASSERT_EQ(platform.printed.size(), 1u);
  expectRect(platform.printed[0].inches, 0, (10.5 - 6.0001) / 2, 8, 6.0001);
  // Unequal margins: the picture stays on the printable area.
  platform.printAnswer = PrintSetup{1, true, {11, 8.5}, {0.1, 0.2, 10.4, 7.5}};
  k.CmdPrint_Click();
  ASSERT_EQ(platform.printed.size(), 2u);
  const QRectF landscape = platform.printed[1].inches;
  EXPECT_NEAR(landscape.height(), 7.5, 1e-9);
  EXPECT_NEAR(landscape.x(), (10.4 - landscape.width()) / 2, 1e-5);
  EXPECT_NEAR(landscape.y(), 0, 1e-6);
}

TEST_F(PrintCommand, CancelPrintsNothingAndAFailureSaysSo) {
  writeIni(LetterIni);
  platform.printAnswer.reset();
  EXPECT_EQ(k.CmdPrint_Click(), std::nullopt);
  EXPECT_EQ(platform.printDialogs, 1);
  EXPECT_TRUE(platform.printed.empty());

  platform.printAnswer = PrintSetup{1, false, {8.5, 11}, {0, 0, 8.5, 11}};
  platform.printFailure = QStringLiteral("the printer is out of paper");
  const auto notice = k.CmdPrint_Click();
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->text.contains("out of paper"));

  // A printer without a printable area and no calibration: nothing to divide by.
  writeIni("");
  platform.printFailure.reset();
  platform.printAnswer = PrintSetup{1, false, {}, {}};
  EXPECT_TRUE(k.CmdPrint_Click());
  EXPECT_TRUE(platform.printed.empty());
}
