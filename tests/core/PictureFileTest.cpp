#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include "core/CoreFixture.h"
#include "files/BmpWriter.h"
#include "files/PictureFile.h"
#include "support/ScratchMount.h"

namespace {

const QString Bmpsuite = QStringLiteral(KALYRA_TESTDATA "/bmpsuite");

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// The size a bitmap's header states: 16-bit fields in the old 12-byte header, 32-bit ones
// (height negative for top-down rows) in the others.
QSize headerSize(const QByteArray& bmp) {
  const auto* d = reinterpret_cast<const uchar*>(bmp.constData());
  if (qFromLittleEndian<quint32>(d + 14) == 12)
    return {qFromLittleEndian<qint16>(d + 18), qFromLittleEndian<qint16>(d + 20)};
  return {qFromLittleEndian<qint32>(d + 18), std::abs(qFromLittleEndian<qint32>(d + 22))};
}

QStringList bitmapsIn(const QString& folder) {
  QStringList files = QDir(Bmpsuite + folder).entryList({"*.bmp"}, QDir::Files, QDir::Name);
  for (QString& f : files) f = Bmpsuite + folder + "/" + f;
  return files;
}

}  // namespace

class PictureFiles : public CoreFixture {
 protected:
  PictureFiles() {
    EXPECT_TRUE(dir.isValid());
    platform.directory = dir.path();
    k.ProgramDir = QStringLiteral("/start");
  }
  QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
  void drawSomething() {
    canvas.ForeColor = packColour(10, 20, 200);
    canvas.DrawWidth = 7;
    canvas.Line(-300, -200, 250, 180);
    canvas.Circle(100, -50, 90);
  }
  QTemporaryDir dir;
};

TEST_F(PictureFiles, DialogsOpenInTheCurrentFolderWithTheLastNameAndMoveTheFolder) {
  QDir(dir.path()).mkdir("other");
  const QString other = path("other/pic.bmp");
  drawSomething();
  platform.saveAnswers = {other};
  k.PenUp = false;
  EXPECT_EQ(k.CmdSave_Click(), std::nullopt);
  EXPECT_TRUE(k.PenUp);
  EXPECT_TRUE(k.view.canvasFocusRequested);
  ASSERT_EQ(platform.saveRequests.size(), 1u);
  const FileDialogRequest& save = platform.saveRequests[0];
  EXPECT_EQ(save.title, "Save");
  EXPECT_EQ(save.filter, "Bitmap Files (*.bmp)");
  EXPECT_EQ(save.directory, dir.path());
  EXPECT_EQ(save.proposedName, "");
  EXPECT_EQ(k.PictureFileName, other);
  EXPECT_EQ(platform.directory, path("other"));
  EXPECT_EQ(k.ProgramDir, "/start");

  // Open proposes the saved name in its folder; a name without ".bmp" is used as typed.
  platform.openAnswers = {QStringLiteral("copy")};
  QFile::copy(other, path("other/copy"));
  canvas.setBackColor(White);
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
  drawSomething();
  const QImage before = canvas.Image();
  for (bool save : {false, true}) {
    k.PenUp = false;
    k.view.canvasFocusRequested = false;
    EXPECT_EQ(save ? k.CmdSave_Click() : k.cmdOpen_Click(), std::nullopt);
    EXPECT_TRUE(k.PenUp);
    EXPECT_TRUE(k.view.canvasFocusRequested);
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
  drawSomething();
  const QImage drawn = canvas.Image();
  platform.saveAnswers = {path("round.bmp")};
  ASSERT_EQ(k.CmdSave_Click(), std::nullopt);
  canvas.setBackColor(Yellow);
  platform.openAnswers = {path("round.bmp")};
  ASSERT_EQ(k.cmdOpen_Click(), std::nullopt);
  EXPECT_EQ(canvas.Image(), drawn);
  // Any other reader sees the same picture.
  EXPECT_EQ(QImage(path("round.bmp")).convertToFormat(QImage::Format_RGB32), drawn);
}

TEST(BmpWriter, WritesBottomUpBgrRowsPaddedToFourBytes) {
  QImage picture(3, 2, QImage::Format_RGB32);  // 9 bytes a row, padded to 12
  picture.setPixel(0, 0, qRgb(1, 2, 3));
  picture.setPixel(1, 0, qRgb(4, 5, 6));
  picture.setPixel(2, 0, qRgb(7, 8, 9));
  picture.setPixel(0, 1, qRgb(10, 11, 12));
  picture.setPixel(1, 1, qRgb(13, 14, 15));
  picture.setPixel(2, 1, qRgb(16, 17, 18));
  const QByteArray bmp = encodeBmp24(picture);
  ASSERT_EQ(bmp.size(), 54 + 24);
  const auto* d = reinterpret_cast<const uchar*>(bmp.constData());
  EXPECT_EQ(bmp.first(2), "BM");
  EXPECT_EQ(qFromLittleEndian<quint32>(d + 2), 78u);   // file size
  EXPECT_EQ(qFromLittleEndian<quint32>(d + 10), 54u);  // pixel offset
  EXPECT_EQ(qFromLittleEndian<quint32>(d + 14), 40u);  // information header
  EXPECT_EQ(qFromLittleEndian<qint32>(d + 22), 2);     // bottom-up
  EXPECT_EQ(qFromLittleEndian<quint16>(d + 28), 24u);  // bits per pixel
  EXPECT_EQ(qFromLittleEndian<quint32>(d + 30), 0u);   // uncompressed
  EXPECT_EQ(qFromLittleEndian<quint32>(d + 34), 24u);  // pixel bytes
  const QByteArray rows(
      "\x0c\x0b\x0a\x0f\x0e\x0d\x12\x11\x10\0\0\0"
      "\x03\x02\x01\x06\x05\x04\x09\x08\x07\0\0\0",
      24);
  EXPECT_EQ(bmp.sliced(54), rows);
}

TEST_F(PictureFiles, ASmallPictureSitsTopLeftOnTheCanvasColour) {
  QImage small(8, 6, QImage::Format_RGB32);
  small.fill(qRgb(0, 128, 0));
  ASSERT_TRUE(small.save(path("small.png")));  // formats besides bitmaps load too
  canvas.setBackColor(packColour(0, 0, 255));
  drawSomething();
  EXPECT_EQ(k.openPictureAtStart(path("small.png")), std::nullopt);
  EXPECT_EQ(k.PictureFileName, path("small.png"));
  const QImage& image = canvas.Image();
  EXPECT_EQ(image.pixel(7, 5), qRgb(0, 128, 0));
  EXPECT_EQ(image.pixel(8, 5), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(7, 6), qRgb(0, 0, 255));
  EXPECT_EQ(coloursUsed(), (std::set<Colour>{packColour(0, 128, 0), packColour(0, 0, 255)}));
}

TEST_F(PictureFiles, AFileThatCantBeReadIsNamedAndLeavesTheCanvas) {
  writeFile(path("notes.bmp"), "just some text, not a picture");
  drawSomething();
  const QImage before = canvas.Image();
  platform.openAnswers = {path("notes.bmp")};
  const auto notice = k.cmdOpen_Click();
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->text.contains(QDir::toNativeSeparators(path("notes.bmp"))));
  EXPECT_EQ(canvas.Image(), before);
  EXPECT_EQ(k.PictureFileName, path("notes.bmp"));
  EXPECT_TRUE(k.view.canvasFocusRequested);
  EXPECT_TRUE(k.openPictureAtStart(path("missing.bmp")));
  EXPECT_EQ(canvas.Image(), before);
}

TEST(PictureRead, EveryValidBitmapLoadsAtTheSizeItsHeaderStates) {
  const QStringList files = bitmapsIn("/g");
  ASSERT_GE(files.size(), 20);
  for (const QString& file : files) {
    const PictureRead read = readPicture(file);
    ASSERT_TRUE(read.picture) << file.toStdString() << ": " << read.whyNot.toStdString();
    EXPECT_EQ(read.picture->size(), headerSize(contentOf(file))) << file.toStdString();
  }
}

// Under the sanitizers this also shows that no broken file makes the decoder read or write out
// of bounds.
TEST(PictureRead, BrokenBitmapsAreRefusedWithAReasonOrRead) {
  const QStringList files = bitmapsIn("/b");
  ASSERT_GE(files.size(), 15);
  for (const QString& file : files) {
    const PictureRead read = readPicture(file);
    EXPECT_TRUE(read.picture || !read.whyNot.isEmpty()) << file.toStdString();
  }
  EXPECT_FALSE(readPicture(Bmpsuite + "/b/reallybig.bmp").picture);
}

// Qt's own allocation limit can be lifted from the environment; ours still holds.
TEST(PictureRead, PicturesBeyondOurBoundsAreRefusedBeforeDecoding) {
  QTemporaryDir dir;
  const int qtLimit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(0);
  for (const QSize claimed : {QSize(MaxPictureSide + 1, 10), QSize(9000, 8000)}) {
    QImage header(1, 1, QImage::Format_RGB32);
    QByteArray bmp = encodeBmp24(header);
    qToLittleEndian<qint32>(claimed.width(), bmp.data() + 18);
    qToLittleEndian<qint32>(claimed.height(), bmp.data() + 22);
    writeFile(dir.filePath("bomb.bmp"), bmp);
    const PictureRead read = readPicture(dir.filePath("bomb.bmp"));
    EXPECT_FALSE(read.picture);
    EXPECT_TRUE(read.whyNot.contains("larger than")) << read.whyNot.toStdString();
  }
  QImageReader::setAllocationLimit(qtLimit);
}

TEST_F(PictureFiles, ASaveIntoAFolderThatIsAFileFailsWithTheReason) {
  writeFile(path("plain"), "a file, not a folder");
  platform.saveAnswers = {path("plain/pic.bmp")};
  const auto notice = k.CmdSave_Click();
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->text.contains(QDir::toNativeSeparators(path("plain/pic.bmp"))));
  EXPECT_EQ(contentOf(path("plain")), "a file, not a folder");
}

// A failed save must keep the old file of that name byte for byte.
TEST_F(PictureFiles, ASaveOntoAFullDiskFailsAndKeepsTheOldFile) {
  ScratchMount disk(path("disk"), 256 * 1024);  // the canvas needs 2.3 MB
  if (!disk.mounted()) GTEST_SKIP() << ScratchMount::whyNot;
  const QByteArray old = encodeBmp24(QImage(40, 30, QImage::Format_RGB32));
  writeFile(path("disk/pic.bmp"), old);
  drawSomething();
  platform.saveAnswers = {path("disk/pic.bmp")};
  const auto notice = k.CmdSave_Click();
  ASSERT_TRUE(notice);
  EXPECT_TRUE(notice->text.contains("pic.bmp"));
  EXPECT_EQ(contentOf(path("disk/pic.bmp")), old);
  EXPECT_EQ(QDir(path("disk")).entryList(QDir::Files | QDir::Hidden), QStringList{"pic.bmp"});
}

TEST_F(PictureFiles, ASaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
  ScratchMount disk(path("disk"), 4 * 1024 * 1024);
  const bool root = ::geteuid() == 0;
  if (root && !disk.mounted()) GTEST_SKIP() << ScratchMount::whyNot;
  const QByteArray old = encodeBmp24(QImage(40, 30, QImage::Format_RGB32));
  writeFile(path("disk/pic.bmp"), old);
  // Root ignores folder permissions, so there the folder is a read-only mount.
  ASSERT_TRUE(root ? disk.makeReadOnly()
                   : QFile::setPermissions(path("disk"), QFile::ReadOwner | QFile::ExeOwner));
  platform.saveAnswers = {path("disk/pic.bmp")};
  EXPECT_TRUE(k.CmdSave_Click());
  EXPECT_EQ(contentOf(path("disk/pic.bmp")), old);
  if (!root)
    QFile::setPermissions(path("disk"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
