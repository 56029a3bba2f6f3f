#include <QImageReader>
#include <QtEndian>

#include "core/CoreFixture.h"
#include "files/BmpWriter.h"
#include "files/IniReader.h"
#include "files/PictureFile.h"
#include "files/PngChunks.h"
#include "files/PrintLayout.h"
#include "support/PngBuilder.h"
#include "support/ScratchMount.h"

namespace {

// A letter-size sheet printed with a quarter-inch left and a half-inch top margin, the picture
// at most 8 × 10 inches.
constexpr char LetterIni[] =
    "[Parms]\nPaper_Width=8.5\nPaper_Height=11\nPrinted_Width=8\nPrinted_Height=10\n"
    "Width_Offset=0.25\nHeight_Offset=0.5\n";

void expectRect(const QRectF& r, double x, double y, double w, double h) {
  const double got[] = {r.x(), r.y(), r.width(), r.height()}, want[] = {x, y, w, h};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 5e-5) << "xywh"[i];
}

}  // namespace

// The program with a fresh folder of its own, drawing in blue over a white canvas.
class InFolder : public CoreFixture {
 protected:
  InFolder() {
    platform.directory = k.ProgramDir = dir.path();
    canvas.ForeColor = packColour(10, 20, 200);
    canvas.Circle(100, -50, 90);
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  bool names(const std::optional<Notice>& notice, const QString& file) const {
    return notice && notice->text.contains(QDir::toNativeSeparators(path(file)));
  }
  QTemporaryDir dir;
};

TEST(BmpWriter, WritesBottomUpBgrRowsPaddedToFourBytes) {
  QImage picture(3, 2, QImage::Format_RGB32);  // 9 bytes a row, padded to 12
  picture.setDotsPerMeterX(3780);
  for (int i = 0; i < 6; ++i) picture.setPixel(i % 3, i / 3, qRgb(3 * i + 1, 3 * i + 2, 3 * i + 3));
  // File size 78, pixels at 54; a 40-byte header, 3 × 2 bottom-up, 1 plane, 24 bits, no
  // compression, 24 pixel bytes, 3780 dots a metre, no palette; then the rows, bottom first.
  EXPECT_EQ(encodeBmp24(picture),
            QByteArray::fromHex("424d4e000000000000003600000028000000030000000200000001001800"
                                "0000000018000000c40e0000c40e0000000000000000000"
                                "00c0b0a0f0e0d121110000000030201060504090807000000"));
}

// A picture is recognised by its content, not its name; what can't be read is named and leaves
// the canvas; a pipe is refused at once, never waited on.
TEST_F(InFolder, WhatIsNoPictureIsRefusedByNameAndLeavesTheCanvas) {
  ASSERT_TRUE(put(path("notes.bmp"), "just some text, not a picture"));
  ASSERT_EQ(::mkfifo(path("pipe.bmp").toLocal8Bit().constData(), 0600), 0);
  const QImage before = canvas.Image();
  platform.openAnswers = {path("notes.bmp")};
  EXPECT_TRUE(names(k.cmdOpen_Click(), "notes.bmp") && k.PictureFileName == path("notes.bmp"));
  for (const char* name : {"missing.bmp", "pipe.bmp"})
    EXPECT_TRUE(names(k.openPictureAtStart(path(name)), name)) << name;
  EXPECT_EQ(canvas.Image(), before);
  // A picture that does open at start is the file as it is on the disk: nothing to lose yet.
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::green);
  ASSERT_TRUE(put(path("good.bmp"), encodeBmp24(picture)));
  EXPECT_TRUE(!k.openPictureAtStart(path("good.bmp")) && k.history.isSaved(canvas));
}

// Under the sanitizers this also shows that no broken file makes the decoder read or write out
// of bounds, and that none leaks. Qt's own allocation limit can be lifted from the environment;
// ours still holds, before anything is decoded.
TEST(PictureRead, ValidBitmapsLoadWholeBrokenOnesAreRefusedOrReadAndOnlyHugeOnesRefused) {
  for (const char* folder : {"g", "b"}) {
    const QDir dir(QStringLiteral(KALYRA_TESTDATA "/bmpsuite/") + folder);
    const QStringList files = dir.entryList({"*.bmp"}, QDir::Files);
    ASSERT_GE(files.size(), 15) << dir.path().toStdString();
    for (const QString& file : files) {
      const PictureRead read = readPicture(dir.filePath(file));
      EXPECT_TRUE(*folder == 'g' ? read.picture && *read.picture == QImage(dir.filePath(file))
                                 : read.picture || !read.whyNot.isEmpty())
          << file.toStdString() << ": " << read.whyNot.toStdString();
    }
  }
  QTemporaryDir dir;
  const int qtLimit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(0);
  for (const auto& [w, h, tooLarge] :
       {std::tuple(MaxPictureSide + 1, 10, true), std::tuple(MaxPictureSide, 1, false),
        std::tuple(8192, 8193, true), std::tuple(1, MaxPictureSide + 1, true)}) {
    QByteArray bmp = encodeBmp24(QImage(1, 1, QImage::Format_RGB32));
    qToLittleEndian<qint32>(w, bmp.data() + 18);
    qToLittleEndian<qint32>(h, bmp.data() + 22);
    ASSERT_TRUE(put(dir.filePath("bomb.bmp"), bmp));
    const PictureRead read = readPicture(dir.filePath("bomb.bmp"));
    EXPECT_TRUE(read.whyNot.contains("larger than") == tooLarge && (!tooLarge || !read.picture))
        << w << "x" << h << ": " << read.whyNot.toStdString();
  }
  QImageReader::setAllocationLimit(qtLimit);
  // Qt's own allocation limit is below a picture of the canvas's size limit.
  QImage photo(8000, 6000, QImage::Format_RGB888);
  photo.fill(qRgb(1, 2, 3));
  ASSERT_TRUE(photo.save(dir.filePath("photo.png")));
  const PictureRead opened = readPicture(dir.filePath("photo.png"));
  EXPECT_TRUE(opened.picture && opened.picture->pixel(7999, 5999) == qRgb(1, 2, 3))
      << opened.whyNot.toStdString();
}

// A picture opened over the canvas shows the canvas colour where it is transparent, and in
// proportion where it is partly so, rounded to the nearest.
TEST_F(InFolder, TransparencyShowsTheCanvasColourInProportionRoundedToTheNearest) {
  canvas.setBackColor(packColour(20, 100, 240));
  QImage picture(4, 1, QImage::Format_ARGB32);
  const QRgb stored[] = {qRgba(200, 10, 50, 0), qRgba(200, 10, 50, 255), qRgba(200, 10, 50, 128),
                         qRgba(0, 0, 0, 1)};
  const QRgb shown[] = {qRgb(20, 100, 240), qRgb(200, 10, 50), qRgb(110, 55, 145),
                        qRgb(20, 100, 239)};
  for (int x = 0; x < 4; ++x) picture.setPixel(x, 0, stored[x]);
  ASSERT_TRUE(picture.save(path("clear.png")));
  platform.openAnswers = {path("clear.png")};
  ASSERT_EQ(k.cmdOpen_Click(), std::nullopt);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(canvas.Image().pixel(x, 0), shown[x]) << x;
}

// A damaged file says so. A small file whose chunk states gigabytes is damaged, and is refused
// from its chunk headers alone, before Qt reserves anything for it. Of the chunks that do fit,
// Qt is shown those that decide the pixels and a little text; the picture opens in its colour.
TEST(PictureRead, DamagedFilesSaySoAndAncillaryChunksCostNothing) {
  using namespace png;
  QTemporaryDir dir;
  const QString file = dir.filePath("file.png");
  const auto flipped = [](QByteArray bytes, int at) { return bytes.replace(at, 1, "\xff"); };
  std::vector<QByteArray> damaged = hostileFiles();
  for (const QByteArray& bytes : {signature + header(0, 1) + pixel + end, signature + pixel + end,
                                  flipped(signature + header(1, 1) + pixel + end, 20),
                                  flipped(signature + header(1, 1) + pixel + end, 41),
                                  signature + header(1, 1) + pixel.chopped(3)})
    damaged.push_back(bytes);
  for (const QByteArray& bytes : damaged) {
    ASSERT_TRUE(put(file, bytes));
    EXPECT_EQ(readPicture(file).whyNot, "the file is damaged") << bytes.toHex().toStdString();
  }
  const QByteArray kept = chunk("tRNS", QByteArray(6, '\0')) + pixel + chunk("tEXt", "a\0b");
  ASSERT_TRUE(put(file, signature + header(1, 1) + chunk("zTXt", QByteArray(3 << 20, 't')) +
                            chunk("iCCP", "p") + kept + chunk("prVt", "x") + end));
  QFile opened(file);
  ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
  EXPECT_EQ(PngChunkFilter(opened).readAll(), signature + header(1, 1) + kept + end);
  const PictureRead read = readPicture(file);
  EXPECT_TRUE(read.picture && read.picture->pixel(0, 0) == qRgb(9, 8, 7));
}

// The old file of that name stays byte for byte, and no temporary file is left beside it: when
// the folder is no folder, is read-only (for root, a read-only mount), is full, or when the last
// step, putting the new file in the old one's place, fails (the old file is a mount point).
TEST_F(InFolder, AFailedSaveNamesTheFileAndKeepsTheOldOne) {
  ASSERT_TRUE(put(path("plain"), "a file, not a folder"));
  platform.saveAnswers = {path("plain/pic.bmp")};
  EXPECT_TRUE(names(k.CmdSave_Click(), "plain/pic.bmp"));
  const QByteArray old = encodeBmp24(QImage(40, 30, QImage::Format_RGB32));
  for (const QString kind : {"readonly", "full", "busy"}) {
    const QString folder = path(kind);
    ScratchMount disk(folder, kind == "full" ? 256 * 1024 : 4 * 1024 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs needs CAP_SYS_ADMIN";
    // A busy target (a file mounted over it) fails only at the last step, the rename.
    const QStringList files =
        kind == "busy" ? QStringList{"pic.bmp"} : QStringList{"pic.bmp", "pic.png"};
    for (const QString& name : files) ASSERT_TRUE(put(folder + "/" + name, old));
    QFile filler(folder + "/filler");  // a PNG of the canvas is small: the disk must be full
    if (kind == "full" && filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
      while (filler.write(QByteArray(512, 'x')) > 0) {
      }
    ASSERT_TRUE(put(path("keep.bmp"), old));
    ScratchMount bound(path("keep.bmp"), kind == "busy" ? folder + "/pic.bmp" : QString());
    ASSERT_TRUE(kind == "full" || (kind == "busy" ? bound.mounted() : disk.makeReadOnly()));
    for (const QString& name : files) {
      platform.saveAnswers = {folder + "/" + name};
      EXPECT_TRUE(names(k.CmdSave_Click(), kind + "/" + name)) << kind.toStdString();
      QFile file(folder + "/" + name);
      EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == old) << name.toStdString();
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter("pic"), files);
  }
}

// Comments start with ";"; a lone CR ends a line too; a key before any section belongs to none.
// Numbers are the leading decimal number, or zero; blanks are skipped even inside the number; a
// comma is never a decimal point.
TEST(IniReader, NamesMatchWithoutCaseOrBlanksTheFirstWinsValuesLoseOneQuotePairNumbersLead) {
  const char* ini =
      "\xEF\xBB\xBF[Parms]\r\n  paper_WIDTH  =   8.5 inches  \r\n;Printed_Height=1\n"
      "  ; Paper_Height=2\n\tPrinted_Height\t=\t10\r\nPRINTED_HEIGHT=4\n[parms]\nPaper_Height=6\n";
  const char* cases[][4] = {
      {ini, "PARMS", "Paper_Width", "8.5 inches"}, {ini, "parms", "printed_height", "10"},
      {ini, "Parms", "Paper_Height", "False"},     {"[S\rA=1\r[B]\rA=2", "S", "A", "1"},
      {"[ S ]\nA = x = y\n", "S", "A", "x = y"},   {"A=8\n[S]\nA\n", "S", "A", "False"},
      {"[S]\nA=\"8.5\"\n", "S", "A", "8.5"},       {"[S]\nA='\"8.5\"'\n", "S", "A", "\"8.5\""},
      {"[S]\nA=\"8.5'\n", "S", "A", "\"8.5'"},     {"[S]\nA=\"\n", "S", "A", "\""}};
  for (const auto& [text, section, key, value] : cases)
    EXPECT_EQ(iniValue(text, QString(section), QString(key)), value) << section << " " << key;
  EXPECT_EQ(iniValue("[S]\nA=" + QByteArray(45, '7') + "\n", u"S", u"A"), QString(40, u'7'));
  QTemporaryDir dir;  // only the start of a huge file is read
  ASSERT_TRUE(
      put(dir.filePath("big.ini"), "[S]\nA=8\n" + QByteArray(200 * 1024, ' ') + "\nB=11\n"));
  const QByteArray head = readIniText(dir.filePath("big.ini"));
  EXPECT_TRUE(head.size() == MaxIniBytes && iniValue(head, u"S", u"A") == "8" &&
              iniValue(head, u"S", u"B") == "False");
  const std::pair<const char16_t*, double> numbers[] = {
      {u"8.5 inches", 8.5}, {u"  -0.25", -0.25}, {u"+1e1x", 10}, {u"1\t0 .5", 10.5}, {u".5e", 0.5},
      {u"8,5", 8},          {u"False", 0},       {u"", 0},       {u"-", 0},          {u".", 0},
      {u"inf", 0},          {u"nan", 0},         {u"-inf", 0},   {u"1e999", 0},      {u"\u0661", 0},
      {u"0x10", 0}};
  for (const auto& [text, number] : numbers)
    EXPECT_DOUBLE_EQ(leadingNumber(text), number) << QString::fromUtf16(text).toStdString();
}

// On the letter-size sheet, a picture that fits keeps its natural size and sits in the middle of
// the sheet; the second test sees the height the first one left: a tall picture shrinks twice.
// Calibration sizes that count as zero fall back to the printable area, in portrait terms (the
// landscape page turned upright); offsets stay, an absurd one is 0.
TEST(PrintLayout, ShrinksInSequenceCentresLessTheOffsetsAndFallsBackToThePrintableArea) {
  const Calibration letter = readCalibration(LetterIni);
  expectRect(placePicture({27093, 20320}, letter, true), 0, 0.24995, 10, 7.5001);
  expectRect(placePicture({4000, 3000}, letter, false), (8.5 - 4000 / 1440.0) / 2 - 0.25,
             (11 - 3000 / 1440.0) / 2 - 0.5, 4000 / 1440.0, 3000 / 1440.0);
  expectRect(placePicture({14400, 28800}, letter, false), (8.5 - 5) / 2 - 0.25, 0, 5, 10);
  const PrintSetup landscapeA4{1, true, {11.69, 8.27}, {0.2, 0.3, 11.29, 7.67}};
  const Calibration c = withPrinterSizes(
      readCalibration("[parms]\nPaper_Width=abc\nPaper_Height=1e9\nPrinted_Width=-3\n"
                      "Width_Offset=0.1\nHeight_Offset=-2000\n"),
      landscapeA4);
  const Calibration usable = withPrinterSizes(letter, landscapeA4);  // sizes above 0 stay
  const double got[] = {c.paperWidth,  c.paperHeight,  c.printedWidth,      c.printedHeight,
                        c.widthOffset, c.heightOffset, usable.printedWidth, usable.paperHeight};
  EXPECT_THAT(got, ::testing::ElementsAre(7.67, 11.29, 7.67, 11.29, 0.1, 0.0, 8.0, 11.0));
}

// Printing reads the calibration afresh each time and leaves the focus alone. A cancelled dialog
// prints nothing; a failure says why, and so does a printer whose printable area has no height when
// the calibration is gone: nothing to divide by.
TEST_F(InFolder, PrintsWhereTheCalibrationSaysReadingItAfreshAndSaysWhyItCouldNot) {
  ASSERT_TRUE(put(path("printer.ini"), LetterIni));
  platform.printAnswer.reset();
  EXPECT_EQ(k.CmdPrint_Click(), std::nullopt);
  EXPECT_TRUE(platform.printDialogs == 1 && platform.printed.empty());
  platform.printAnswer = PrintSetup{3, false, {8.5, 11}, {0.25, 0.25, 8.0, 10.5}};
  EXPECT_EQ(k.CmdPrint_Click(), std::nullopt);
  ASSERT_EQ(platform.printed.size(), 1u);
  expectRect(platform.printed[0].inches, 0, 1.99996, 8, 6.0001);
  EXPECT_TRUE(platform.printed[0].setup.copies == 3 && !k.view.canvasFocusRequested);
  platform.printFailure = QStringLiteral("the printer is out of paper");
  const auto notice = k.CmdPrint_Click();
  EXPECT_TRUE(notice && notice->text.contains("out of paper"));
  ASSERT_TRUE(put(path("printer.ini"), ""));
  platform.printFailure.reset();
  platform.printAnswer = PrintSetup{1, false, {8.5, 11}, {0.25, 0.25, 8, 0}};
  EXPECT_TRUE(k.CmdPrint_Click() && platform.printed.size() == 1u);
}
