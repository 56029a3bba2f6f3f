#include "core/CoreFixture.h"
#include "history/AutosaveSlot.h"
#include "history/Autosaver.h"
#include "history/Recovery.h"
#include "support/ScratchMount.h"

// A copy keeps nothing while the canvas is saved; drawn faster than a tick copies, its autosave
// catches up with the canvas and its background colour once the drawing stops. What it leaves
// goes to the next copy that starts, which brings it back when the user wants it and removes it
// otherwise.
TEST(Autosave, EachCopyKeepsItsOwnUntilSavedAndTheNextCopyOffersWhatWasLeft) {
  QTemporaryDir dir;
  Surface drawn({200, 150});
  QString left;
  {
    const AutosaveSlot slot(dir.path());
    left = slot.pictureFile();
    Autosaver autosaver(left, {0, 0, 2});
    double now = 0;
    // Ticks until the writer was handed what there is and has written it.
    const auto settle = [&](bool saved) {
      for (int i = 0; i < 20; ++i, autosaver.waitForWriter())
        autosaver.tick(drawn, saved, now += 1);
      return QFile::exists(left);
    };
    autosaver.tick(drawn, false, now);
    drawn.Line(0, 0, 100, 80);
    EXPECT_TRUE(settle(false));
    EXPECT_FALSE(settle(true));
    drawn.setBackColor(0x800000);
    drawn.Line(0, 0, 100, 80);
    autosaver.finish(drawn, false);
  }
  FakePlatform platform;
  for (const bool wanted : {true, false}) {
    AutosaveSlot next(dir.path());
    ASSERT_TRUE(next.hasLeftover() && next.pictureFile() == left);
    platform.restoreAnswer = wanted;
    Surface canvas({200, 150});
    EXPECT_EQ(recoverAtStart(canvas, platform, next.takeLeftover(), left, false), wanted);
    EXPECT_EQ(canvas.Image() == drawn.Image() && canvas.BackColor() == 0x800000, wanted);
    EXPECT_EQ(QFile::exists(left), wanted);
  }
  EXPECT_EQ(platform.restoreQuestions, 2);
}

// At the end the changes not yet written are written, or with the canvas saved the autosave
// goes. On a full disk the old autosave stays whole, the failure is told once, in words, not on
// every try, and again only after a write has worked; copies that start there still keep apart.
TEST(Autosave, TheEndWritesOrRemovesItAndAFullDiskKeepsTheOldOneAndIsToldOnce) {
  QTemporaryDir dir;
  ScratchMount disk(dir.filePath("disk"), 64 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << "a full disk needs a tmpfs, which needs CAP_SYS_ADMIN";
  const QString file = dir.filePath("disk/autosave.png");
  Surface drawn({200, 150});
  for (const bool saved : {false, true, false}) {
    Autosaver quitting(file);
    quitting.tick(drawn, false, 0);
    drawn.Line(0, 0, 100, 80);
    quitting.finish(drawn, saved);
    EXPECT_EQ(QFile::exists(file), !saved);
  }
  const QByteArray old = contentOf(file);
  QFile filler(dir.filePath("disk/filler"));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  while (filler.write(QByteArray(512, 'x')) > 0) {
  }
  Autosaver failing(file, {0, 0, 64});
  int notices = 0;
  for (int i = 0; i < 6; ++i, failing.waitForWriter()) {
    drawn.Line(float(i * 20), 0, 100, 80);
    const auto notice = failing.tick(drawn, false, i * 11.0);
    notices += notice.has_value();
    EXPECT_EQ(notice.value_or("the disk is full").toStdString(), "the disk is full");
  }
  EXPECT_TRUE(notices == 1 && !old.isEmpty() && contentOf(file) == old);
  // Once it has written again, the next failure is told again.
  ASSERT_TRUE(filler.resize(0) && filler.seek(0));
  for (int i = 6; i < 12; ++i, failing.waitForWriter()) {
    while (i == 9 && filler.write(QByteArray(512, 'x')) > 0) {
    }
    drawn.Line(float(i * 15), 0, 100, 80);
    notices += failing.tick(drawn, false, i * 11.0).has_value();
  }
  EXPECT_EQ(notices, 2);
  // Copies that start on the full disk still keep apart.
  const AutosaveSlot first(dir.filePath("disk/folder")), second(dir.filePath("disk/folder"));
  EXPECT_NE(first.pictureFile(), second.pictureFile());
}

// Drawing without a pause on a 4K canvas changes more tiles between two ticks than a tick
// copies, and the whole canvas every second: the autosave still never holds a picture older
// than three seconds, and at the end it is the canvas.
TEST(Autosave, KeepsUpWithDrawingWithoutAPauseOnAFourKCanvas) {
  QTemporaryDir dir;
  const QString file = dir.filePath("4k.png");
  Surface canvas({3840, 2160});
  canvas.DrawWidth = 15;
  Autosaver autosaver(file, {1, 10, 400, 1e9});
  double now = 0, worst = 0;
  for (int tick = 0; tick < 80; ++tick) {
    // 64 spokes, turned a little at each tick, touch some 700 tiles.
    for (int i = 0; i < 64; ++i) {
      const double angle = (i + tick * 0.3) * 2 * M_PI / 64;
      const auto at = [&](double r) {
        return QPointF(1920 + r * std::cos(angle), 1080 + r * std::sin(angle));
      };
      canvas.ForeColor = packColour(i * 4, 255 - tick * 3, 128);
      canvas.Line(float(at(300).x()), float(at(300).y()), float(at(1000).x()), float(at(1000).y()));
    }
    if (tick % 10 == 9) canvas.setBackColor(packColour(tick, 200, 100));
    autosaver.tick(canvas, false, now += 0.1);
    autosaver.waitForWriter();
    if (now > 3) worst = std::max(worst, now - autosaver.writtenUpTo());
  }
  EXPECT_LE(worst, 3);
  autosaver.finish(canvas, false);
  const auto kept = Autosaver::read(file);
  EXPECT_TRUE(kept && kept->pixels == canvas.Image());
}

// A folder the user may not write to is told in those words. Root may write anywhere, so there
// the writing is done by a child process that has become an ordinary user.
TEST(Autosave, AFolderTheUserMayNotWriteToIsToldInWords) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("locked") &&
              ::chmod(dir.filePath("locked").toLocal8Bit().constData(), 0555) == 0 &&
              ::chmod(dir.path().toLocal8Bit().constData(), 0755) == 0);
  const auto writeThere = [&] {
    if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
    Surface drawn({64, 48});
    Autosaver locked(dir.filePath("locked/autosave.png"), {0, 0, 64});
    std::optional<QString> notice;
    for (int i = 0; i < 4 && !notice; ++i, locked.waitForWriter())
      drawn.Line(float(i), 0, 40, 30), notice = locked.tick(drawn, false, i * 11.0);
    std::_Exit(notice == "it is not allowed to write there" ? 0 : 1);
  };
  EXPECT_EXIT(writeThere(), ::testing::ExitedWithCode(0), "");
}
