#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <tuple>

#include "core/CoreFixture.h"
#include "files/IniReader.h"
#include "files/PrintLayout.h"

namespace {

// A letter-size sheet printed with a quarter-inch left and a half-inch top margin, the picture
// at most 8 × 10 inches.
const char* LetterIni =
    "[Parms]\nPaper_Width=8.5\nPaper_Height=11\nPrinted_Width=8\nPrinted_Height=10\n"
    "Width_Offset=0.25\nHeight_Offset=0.5\n";

void expectRect(const QRectF& r, double x, double y, double w, double h) {
  const double got[] = {r.x(), r.y(), r.width(), r.height()}, want[] = {x, y, w, h};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 5e-5) << "xywh"[i];
}

}  // namespace

// Comments start with ";"; a lone CR ends a line too; a key before any section belongs to none.
TEST(IniReader, NamesMatchWithoutCaseOrBlanksTheFirstWinsAndValuesLoseOnePairOfQuotes) {
  const char* ini =
      "\xEF\xBB\xBF[Parms]\r\n  paper_WIDTH  =   8.5 inches  \r\n;Printed_Height=1\n"
      "  ; Paper_Height=2\n\tPrinted_Height\t=\t10\r\nPRINTED_HEIGHT=4\n[parms]\nPaper_Height=6\n";
  const char* cases[][4] = {
      {ini, "PARMS", "Paper_Width", "8.5 inches"},
      {ini, "parms", "printed_height", "10"},
      {ini, "Parms", "Paper_Height", "False"},
      {"[Parms\rA=1\r[B]\rA=2", "Parms", "A", "1"},
      {"[ Parms ]\nA = x = y\n", "Parms", "A", "x = y"},
      {"", "Parms", "A", "False"},
      {"[Other]\nA=8\n", "Parms", "A", "False"},
      {"A=8\n[Parms]\nA\n", "Parms", "A", "False"},
      {"[S]\nA=\"8.5\"\n", "S", "A", "8.5"},
      {"[S]\nA='\"8.5\"'\n", "S", "A", "\"8.5\""},
      {"[S]\nA=\"8.5'\n", "S", "A", "\"8.5'"},
      {"[S]\nA=\"\n", "S", "A", "\""},
      {"[S]\nA=\n", "S", "A", ""},
  };
  for (const auto& [text, section, key, value] : cases)
    EXPECT_EQ(iniValue(text, QString(section), QString(key)), value) << section << " " << key;
  EXPECT_EQ(iniValue("[S]\nA=" + QByteArray(45, '7') + "\n", u"S", u"A"), QString(40, u'7'));
}

TEST(IniReader, NumbersAreTheLeadingDecimalNumberOrZero) {
  EXPECT_DOUBLE_EQ(leadingNumber(u"8.5 inches"), 8.5);
  EXPECT_DOUBLE_EQ(leadingNumber(u"  -0.25"), -0.25);
  EXPECT_DOUBLE_EQ(leadingNumber(u"+1e1x"), 10);
  EXPECT_DOUBLE_EQ(leadingNumber(u"1 0 . 5"), 10.5);
  EXPECT_DOUBLE_EQ(leadingNumber(u".5e"), 0.5);
  EXPECT_DOUBLE_EQ(leadingNumber(u"8,5"), 8);  // a comma is never a decimal point
  for (const char16_t* none :
       {u"False", u"", u"-", u".", u"inf", u"nan", u"-inf", u"1e999", u"\u0661", u"0x10"})
    EXPECT_DOUBLE_EQ(leadingNumber(none), 0) << QString::fromUtf16(none).toStdString();
}

// Only the start of a huge file is read. Random bytes, and random text built from the
// characters the reader looks at, each in a buffer of exactly its size, so that the sanitizer
// sees any read past the end.
TEST(IniReader, HugeMissingOrRandomFilesNeverStallCrashOrReadPastTheEnd) {
  QTemporaryDir dir;
  EXPECT_TRUE(readIniText(dir.filePath("missing.ini")).isEmpty() &&
              readIniText(dir.path()).isEmpty());
  QFile big(dir.filePath("big.ini"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write("[Parms]\nPaper_Width=8\n" + QByteArray(200 * 1024, ' ') + "\nPaper_Height=11\n");
  big.close();
  const QByteArray head = readIniText(big.fileName());
  EXPECT_EQ(head.size(), MaxIniBytes);
  EXPECT_TRUE(iniValue(head, u"Parms", u"Paper_Width") == "8" &&
              iniValue(head, u"Parms", u"Paper_Height") == "False");

  std::mt19937 random(20240611);
  const char alphabet[] = "[]=;\"' \t\r\nAaPpSs01.e+-\xEF\xBB\xBF\x80\xFF";
  for (int round = 0; round < 3000; ++round) {
    std::vector<char> bytes(random() % 300);
    for (char& b : bytes)
      b = round % 2 ? char(random()) : alphabet[random() % (sizeof alphabet - 1)];
    const QByteArrayView text(bytes.data(), qsizetype(bytes.size()));
    const QString value = iniValue(text, u"s", u"a");
    EXPECT_LE(value.size(), MaxIniValueLength);
    EXPECT_TRUE(std::isfinite(leadingNumber(value)));
    EXPECT_TRUE(std::isfinite(leadingNumber(QString::fromLatin1(text))));
  }
}

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
  expectRect(placePicture({14400, 28800}, letter, false), (8.5 - 5) / 2 - 0.25, 0, 5, 10);
}

TEST(PrintLayout, CalibrationSizesThatCountAsZeroFallBackToThePrintableArea) {
  const PrintSetup landscapeA4{1, true, {11.69, 8.27}, {0.2, 0.3, 11.29, 7.67}};
  const Calibration c = withPrinterSizes(
      readCalibration("[parms]\nPaper_Width=abc\nPaper_Height=1e9\nPrinted_Width=-3\n"
                      "Width_Offset=0.1\nHeight_Offset=nan\n"),
      landscapeA4);
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

// Printing leaves the pen, the focus and the drawing alone.
TEST_F(PrintCommand, PrintsTheCanvasWhereTheCalibrationSaysReadingItAfreshEachTime) {
  writeIni(LetterIni);
  platform.printAnswer->copies = 3;
  penDown();
  canvas.Line(-100, -100, 100, 100);
  EXPECT_EQ(k.CmdPrint_Click(), std::nullopt);
  ASSERT_EQ(platform.printed.size(), 1u);
  expectRect(platform.printed[0].inches, 0, 1.99996, 8, 6.0001);
  EXPECT_TRUE(platform.printed[0].picture == canvas.Image() &&
              platform.printed[0].setup.copies == 3);
  EXPECT_TRUE(!k.PenUp && !k.view.canvasFocusRequested);

  // In landscape the printed width limits the height.
  writeIni("[Parms]\nPaper_Width=8.5\nPaper_Height=11\nPrinted_Width=4\nPrinted_Height=10\n");
  platform.printAnswer->landscape = true;
  k.CmdPrint_Click();
  ASSERT_EQ(platform.printed.size(), 2u);
  const double w = 4 * 27093.0 / 20320;
  expectRect(platform.printed[1].inches, (11 - w) / 2, (8.5 - 4) / 2, w, 4);
}

TEST_F(PrintCommand, CancelPrintsNothingAndAFailureSaysSo) {
  writeIni(LetterIni);
  platform.printAnswer.reset();
  EXPECT_EQ(k.CmdPrint_Click(), std::nullopt);
  EXPECT_EQ(platform.printDialogs, 1);

  platform.printAnswer = PrintSetup{1, false, {8.5, 11}, {0, 0, 8.5, 11}};
  platform.printFailure = QStringLiteral("the printer is out of paper");
  const auto notice = k.CmdPrint_Click();
  EXPECT_TRUE(notice && notice->text.contains("out of paper"));

  // A printer without a printable area and no calibration: nothing to divide by.
  writeIni("");
  platform.printFailure.reset();
  platform.printAnswer = PrintSetup{1, false, {}, {}};
  EXPECT_TRUE(k.CmdPrint_Click());
  EXPECT_TRUE(platform.printed.empty());
}
