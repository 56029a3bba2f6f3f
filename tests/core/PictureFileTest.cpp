#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include "core/CoreFixture.h"
#include "files/BmpWriter.h"
#include "files/PictureFile.h"
#include "support/ScratchMount.h"

namespace {

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The size a bitmap's header states: 16-bit fields in the old 12-byte header, 32-bit ones
// (height negative for top-down rows) in the later ones.
QSize headerSize(const QByteArray& bmp) {
  const auto* d = reinterpret_cast<const uchar*>(bmp.constData());
  if (qFromLittleEndian<quint32>(d + 14) == 12)
    return {qFromLittleEndian<qint16>(d + 18), qFromLittleEndian<qint16>(d + 20)};
  return {qFromLittleEndian<qint32>(d + 18), std::abs(qFromLittleEndian<qint32>(d + 22))};
}

QStringList bitmapsIn(const char* folder) {
  const QDir dir(QStringLiteral(KALYRA_TESTDATA "/bmpsuite/") + folder);
  QStringList files = dir.entryList({"*.bmp"}, QDir::Files, QDir::Name);
  for (QString& f : files) f = dir.filePath(f);
  return files;
}

}  // namespace

class PictureFiles : public CoreFixture {
 protected:
  PictureFiles() {
    EXPECT_TRUE(dir.isValid());
    platform.directory = dir.path();
    k.ProgramDir = QStringLiteral("/start");
    canvas.DrawWidth = 7;
    canvas.Line(-300, -200, 250, 180);
  }
  QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
  QTemporaryDir dir;
};

TEST_F(PictureFiles, DialogsOpenInTheCurrentFolderWithTheLastNameAndMoveTheFolder) {
  QDir(dir.path()).mkdir("other");
  const QString other = path("other/pic.bmp");
  platform.saveAnswers = {other};
  k.PenUp = false;
  EXPECT_EQ(k.CmdSave_Click(), std::nullopt);
  EXPECT_TRUE(k.PenUp);
  EXPECT_TRUE(k.view.canvasFocusRequested);
  ASSERT_EQ(platform.saveRequests.size(), 1u);
  const FileDialogRequest& save = platform.saveRequests[0];
  EXPECT_EQ(save.title + save.filter, "SaveBitmap Files (*.bmp)");
  EXPECT_EQ(save.directory, dir.path());
  EXPECT_EQ(save.proposedName, "");
  EXPECT_EQ(k.PictureFileName, other);
  EXPECT_EQ(platform.directory, path("other"));
  EXPECT_EQ(k.ProgramDir, "/start");

  // Open proposes the saved name in its folder; a name without ".bmp" is used as typed.
  QFile::copy(other, path("other/copy"));
  platform.openAnswers = {QStringLiteral("copy")};
  EXPECT_EQ(k.cmdOpen_Click(), std::nullopt);
  ASSERT_EQ(platform.openRequests.size(), 1u);
  EXPECT_EQ(platform.openRequests[0].title, "Open");
  EXPECT_EQ(platform.openRequests[0].directory, path("other"));
  EXPECT_EQ(platform.openRequests[0].proposedName, other);
  EXPECT_EQ(k.PictureFileName, path("other/copy"));
  EXPECT_TRUE(canvas.hasPicture());
}

TEST_F(PictureFiles, CancelChangesNothingButLiftsThePenAndFocusesTheCanvas) {
  k.PictureFileName = path("old.bmp");
  const QImage before = canvas.Image();
  for (bool save : {false, true}) {
    k.PenUp = false;
    k.view.canvasFocusRequested = false;
    EXPECT_EQ(save ? k.CmdSave_Click() : k.cmdOpen_Click(), std::nullopt);
    EXPECT_TRUE(k.PenUp && k.view.canvasFocusRequested);
    EXPECT_EQ(k.PictureFileName, path("old.bmp"));
    EXPECT_EQ(canvas.Image(), before);
    EXPECT_EQ(platform.directory, dir.path());
  }
  // Confirmed without a name: nothing more happens, not even the focus.
  platform.openAnswers = {QString()};
  k.view.canvasFocusRequested = false;
  EXPECT_EQ(k.cmdOpen_Click(), std::nullopt);
  EXPECT_FALSE(k.view.canvasFocusRequested);
  EXPECT_EQ(k.PictureFileName, path("old.bmp"));
}

TEST_F(PictureFiles, SaveThenLoadRestoresEveryPixelAsTheBackground) {
  canvas.ForeColor = packColour(10, 20, 200);
  canvas.Circle(100, -50, 90);
  const QImage drawn = canvas.Image();
  platform.saveAnswers = {path("round.bmp")};
  ASSERT_EQ(k.CmdSave_Click(), std::nullopt);
  canvas.setBackColor(Yellow);
  platform.openAnswers = {path("round.bmp")};
  ASSERT_EQ(k.cmdOpen_Click(), std::nullopt);
  EXPECT_EQ(canvas.Image(), drawn);
  EXPECT_EQ(QImage(path("round.bmp")).convertToFormat(QImage::Format_RGB32), drawn);
}

TEST(BmpWriter, WritesBottomUpBgrRowsPaddedToFourBytes) {
  QImage picture(3, 2, QImage::Format_RGB32);  // 9 bytes a row, padded to 12
  picture.setDotsPerMeterX(3780);
  for (int i = 0; i < 6; ++i) picture.setPixel(i % 3, i / 3, qRgb(3 * i + 1, 3 * i + 2, 3 * i + 3));
  // File size 78, pixels at 54; a 40-byte header, 3 × 2 bottom-up, 1 plane, 24 bits, no
  // compression, 24 pixel bytes, 3780 dots a metre, no palette.
  const QByteArray headers = QByteArray::fromHex(
      "424d4e000000000000003600000028000000030000000200000001001800000000001800000"
      "0c40e0000c40e00000000000000000000");
  const QByteArray rows = QByteArray::fromHex("0c0b0a0f0e0d121110000000030201060504090807000000");
  EXPECT_EQ(encodeBmp24(picture), headers + rows);
}

TEST_F(PictureFiles, APictureSitsTopLeftOnTheCanvasColourOrIsRefusedByName) {
  QImage small(8, 6, QImage::Format_RGB32);
  small.fill(qRgb(0, 128, 0));
  ASSERT_TRUE(small.save(path("small.png")));  // formats besides bitmaps load too
  canvas.setBackColor(packColour(0, 0, 255));
  EXPECT_EQ(k.openPictureAtStart(path("small.png")), std::nullopt);
  EXPECT_EQ(k.PictureFileName, path("small.png"));
  EXPECT_EQ(canvas.Image().pixel(7, 5), qRgb(0, 128, 0));
  EXPECT_EQ(coloursUsed(), (std::set<Colour>{packColour(0, 128, 0), packColour(0, 0, 255)}));
  EXPECT_EQ(countPixels(packColour(0, 128, 0)), 48);

  writeFile(path("notes.bmp"), "just some text, not a picture");
  const QImage before = canvas.Image();
  platform.openAnswers = {path("notes.bmp")};
  const auto notice = k.cmdOpen_Click();
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->text.contains(QDir::toNativeSeparators(path("notes.bmp"))));
  EXPECT_EQ(k.PictureFileName, path("notes.bmp"));
  EXPECT_TRUE(k.openPictureAtStart(path("missing.bmp")));
  ASSERT_EQ(::mkfifo(path("pipe.bmp").toLocal8Bit().constData(), 0600), 0);
  EXPECT_TRUE(k.openPictureAtStart(path("pipe.bmp")));  // refused at once, never waited on
  EXPECT_EQ(canvas.Image(), before);
}

// Under the sanitizers this also shows that no broken file makes the decoder read or write out
// of bounds, and that none leaks.
TEST(PictureRead, ValidBitmapsLoadAtTheirHeaderSizeAndBrokenOnesAreRefusedWithAReasonOrRead) {
  const QStringList good = bitmapsIn("g");
  ASSERT_GE(good.size(), 20);
  for (const QString& file : good) {
    const PictureRead read = readPicture(file);
    ASSERT_TRUE(read.picture) << file.toStdString() << ": " << read.whyNot.toStdString();
    EXPECT_EQ(read.picture->size(), headerSize(contentOf(file))) << file.toStdString();
  }
  const QStringList broken = bitmapsIn("b");
  ASSERT_GE(broken.size(), 15);
  for (const QString& file : broken) {
    const PictureRead read = readPicture(file);
    EXPECT_TRUE(read.picture || !read.whyNot.isEmpty()) << file.toStdString();
  }
}

// Qt's own allocation limit can be lifted from the environment; ours still holds.
TEST(PictureRead, PicturesBeyondOurBoundsAreRefusedBeforeDecoding) {
  QTemporaryDir dir;
  const int qtLimit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(0);
  for (const QSize claimed : {QSize(MaxPictureSide + 1, 10), QSize(9000, 8000)}) {
    QByteArray bmp = encodeBmp24(QImage(1, 1, QImage::Format_RGB32));
    qToLittleEndian<qint32>(claimed.width(), bmp.data() + 18);
    qToLittleEndian<qint32>(claimed.height(), bmp.data() + 22);
    writeFile(dir.filePath("bomb.bmp"), bmp);
    const PictureRead read = readPicture(dir.filePath("bomb.bmp"));
    EXPECT_FALSE(read.picture);
    EXPECT_TRUE(read.whyNot.contains("larger than")) << read.whyNot.toStdString();
  }
  QImageReader::setAllocationLimit(qtLimit);
}

// A failed save names the file and keeps the old file of that name byte for byte.
TEST_F(PictureFiles, ASaveIntoAnUnwritableFolderFailsAndKeepsTheOldFile) {
  writeFile(path("plain"), "a file, not a folder");
  platform.saveAnswers = {path("plain/pic.bmp")};
  const auto notice = k.CmdSave_Click();
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->text.contains(QDir::toNativeSeparators(path("plain/pic.bmp"))));

  // Root ignores folder permissions, so there the folder is a read-only mount.
  const bool root = ::geteuid() == 0;
  ScratchMount disk(path("disk"), 4 * 1024 * 1024);
  if (root && !disk.mounted()) GTEST_SKIP() << ScratchMount::whyNot;
  const QByteArray old = encodeBmp24(QImage(40, 30, QImage::Format_RGB32));
  writeFile(path("disk/pic.bmp"), old);
  ASSERT_TRUE(root ? disk.makeReadOnly()
                   : QFile::setPermissions(path("disk"), QFile::ReadOwner | QFile::ExeOwner));
  platform.saveAnswers = {path("disk/pic.bmp")};
  EXPECT_TRUE(k.CmdSave_Click());
  EXPECT_EQ(contentOf(path("disk/pic.bmp")), old);
  QFile::setPermissions(path("disk"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(PictureFiles, ASaveOntoAFullDiskFailsAndKeepsTheOldFile) {
  ScratchMount disk(path("disk"), 256 * 1024);  // the canvas needs 2.3 MB
  if (!disk.mounted()) GTEST_SKIP() << ScratchMount::whyNot;
  const QByteArray old = encodeBmp24(QImage(40, 30, QImage::Format_RGB32));
  writeFile(path("disk/pic.bmp"), old);
  platform.saveAnswers = {path("disk/pic.bmp")};
  const auto notice = k.CmdSave_Click();
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->text.contains("pic.bmp"));
  EXPECT_EQ(contentOf(path("disk/pic.bmp")), old);
  EXPECT_EQ(QDir(path("disk")).entryList(QDir::Files | QDir::Hidden), QStringList{"pic.bmp"});
}
