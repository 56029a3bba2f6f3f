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

}  // namespace

class PictureFiles : public CoreFixture {
 protected:
  PictureFiles() {
    EXPECT_TRUE(dir.isValid());
    platform.directory = dir.path();
    k.ProgramDir = QStringLiteral("/start");
    canvas.ForeColor = packColour(10, 20, 200);
    canvas.Circle(100, -50, 90);
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  bool names(const std::optional<Notice>& notice, const QString& file) const {
    return notice && notice->text.contains(QDir::toNativeSeparators(path(file)));
  }
  QTemporaryDir dir;
};

// The dialogs open in the folder used last and propose the last name; a name without ".bmp"
// is used as typed. Every pixel saved comes back as the background.
TEST_F(PictureFiles, SaveThenOpenInTheFolderUsedLastRestoresEveryPixel) {
  QDir(dir.path()).mkdir("other");
  const QImage drawn = canvas.Image();
  platform.saveAnswers = {path("other/pic.bmp")};
  k.PenUp = false;
  EXPECT_EQ(k.CmdSave_Click(), std::nullopt);
  EXPECT_TRUE(k.PenUp && k.view.canvasFocusRequested);
  const FileDialogRequest& save = platform.saveRequests.at(0);
  EXPECT_EQ(save.title + save.filter + save.directory + save.proposedName,
            "SaveBitmap Files (*.bmp)" + dir.path());
  EXPECT_EQ(QImage(path("other/pic.bmp")).convertToFormat(QImage::Format_RGB32), drawn);
  EXPECT_TRUE(platform.directory == path("other") && k.ProgramDir == "/start");

  QFile::copy(path("other/pic.bmp"), path("other/copy"));
  canvas.setBackColor(Yellow);
  platform.openAnswers = {QStringLiteral("copy")};
  EXPECT_EQ(k.cmdOpen_Click(), std::nullopt);
  const FileDialogRequest& open = platform.openRequests.at(0);
  EXPECT_EQ(open.title + open.directory + open.proposedName,
            "Open" + path("other") + path("other/pic.bmp"));
  EXPECT_EQ(k.PictureFileName, path("other/copy"));
  EXPECT_EQ(canvas.Image(), drawn);
}

TEST_F(PictureFiles, CancelChangesNothingButLiftsThePenAndFocusesTheCanvas) {
  k.PictureFileName = path("old.bmp");
  const QImage before = canvas.Image();
  for (bool save : {false, true}) {
    k.PenUp = false, k.view.canvasFocusRequested = false;
    EXPECT_EQ(save ? k.CmdSave_Click() : k.cmdOpen_Click(), std::nullopt);
    EXPECT_TRUE(k.PenUp && k.view.canvasFocusRequested);
    EXPECT_TRUE(k.PictureFileName == path("old.bmp") && platform.directory == dir.path());
    EXPECT_EQ(canvas.Image(), before);
  }
  // Confirmed without a name: nothing more happens, not even the focus.
  platform.openAnswers = {QString()};
  k.view.canvasFocusRequested = false;
  EXPECT_EQ(k.cmdOpen_Click(), std::nullopt);
  EXPECT_TRUE(!k.view.canvasFocusRequested && k.PictureFileName == path("old.bmp"));
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

// A picture is recognised by its content, not its name; what can't be read leaves the canvas.
TEST_F(PictureFiles, OtherFormatsLoadAndWhatIsNoPictureIsRefusedByName) {
  QImage small(8, 6, QImage::Format_RGB32);
  small.fill(qRgb(0, 128, 0));
  ASSERT_TRUE(small.save(path("small.png")));
  EXPECT_EQ(k.openPictureAtStart(path("small.png")), std::nullopt);
  EXPECT_EQ(countPixels(packColour(0, 128, 0)), 48);

  writeFile(path("notes.bmp"), "just some text, not a picture");
  const QImage before = canvas.Image();
  platform.openAnswers = {path("notes.bmp")};
  EXPECT_TRUE(names(k.cmdOpen_Click(), "notes.bmp"));
  EXPECT_EQ(k.PictureFileName, path("notes.bmp"));
  EXPECT_TRUE(names(k.openPictureAtStart(path("missing.bmp")), "missing.bmp"));
  ASSERT_EQ(::mkfifo(path("pipe.bmp").toLocal8Bit().constData(), 0600), 0);
  EXPECT_TRUE(k.openPictureAtStart(path("pipe.bmp")));  // refused at once, never waited on
  EXPECT_EQ(canvas.Image(), before);
}

// Under the sanitizers this also shows that no broken file makes the decoder read or write out
// of bounds, and that none leaks.
TEST(PictureRead, ValidBitmapsLoadWholeAndBrokenOnesAreRefusedWithAReasonOrRead) {
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
    EXPECT_TRUE(!read.picture && read.whyNot.contains("larger than")) << read.whyNot.toStdString();
  }
  QImageReader::setAllocationLimit(qtLimit);
}

// The old file of that name stays byte for byte, and no temporary file is left beside it. Root
// ignores folder permissions, so for root the read-only folder is a read-only mount; a full disk
// always needs the mount (the canvas takes 2.3 MB).
TEST_F(PictureFiles, AFailedSaveNamesTheFileAndKeepsTheOldOne) {
  writeFile(path("plain"), "a file, not a folder");
  platform.saveAnswers = {path("plain/pic.bmp")};
  EXPECT_TRUE(names(k.CmdSave_Click(), "plain/pic.bmp"));
  const QByteArray old = encodeBmp24(QImage(40, 30, QImage::Format_RGB32));
  const bool root = ::geteuid() == 0;
  for (const bool full : {false, true}) {
    const QString folder = path(full ? "full" : "readonly");
    ScratchMount disk(folder, full ? 256 * 1024 : 4 * 1024 * 1024);
    if (!disk.mounted() && (root || full)) GTEST_SKIP() << ScratchMount::whyNot;
    writeFile(folder + "/pic.bmp", old);
    ASSERT_TRUE(full || (root ? disk.makeReadOnly()
                              : QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner)));
    platform.saveAnswers = {folder + "/pic.bmp"};
    EXPECT_TRUE(names(k.CmdSave_Click(), QDir(folder).dirName() + "/pic.bmp")) << full;
    EXPECT_EQ(contentOf(folder + "/pic.bmp"), old) << full;
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"pic.bmp"}) << full;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
}
