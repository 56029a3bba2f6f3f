#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "history/AutosaveSlot.h"
#include "history/Autosaver.h"
#include "history/Recovery.h"
#include "support/FakePlatform.h"
#include "support/ScratchMount.h"

// Two copies at once get places of their own. What one leaves, if newest, goes to the next copy
// that starts, which brings it back when the user wants it and removes it otherwise.
TEST(Autosave, EachCopyKeepsItsOwnUntilSavedAndTheNextCopyOffersWhatWasLeft) {
  QTemporaryDir dir;
  Surface drawn({200, 150});
  QString left;
  {
    const AutosaveSlot first(dir.path()), second(dir.path());
    ASSERT_NE(first.pictureFile(), second.pictureFile());
    left = second.pictureFile();
    QFile older(first.pictureFile());  // an older copy's leftover, which the newest one beats
    ASSERT_TRUE(older.open(QIODevice::WriteOnly) && older.write("x") && older.flush() &&
                older.setFileTime(QDateTime(QDate(2020, 1, 1), {}), QFile::FileModificationTime));
    Autosaver autosaver(left);
    autosaver.tick(drawn, false, 0);
    drawn.setBackColor(0x800000);
    drawn.Line(0, 0, 100, 80);
    autosaver.finish(drawn, false);
  }
  FakePlatform platform;
  for (const bool wanted : {true, false}) {
    const AutosaveSlot next(dir.path());
    ASSERT_TRUE(next.hasLeftover() && next.pictureFile() == left);
    platform.restoreAnswer = wanted;
    Surface canvas({200, 150});
    EXPECT_EQ(recoverAtStart(canvas, platform, left, false), wanted);
    EXPECT_EQ(canvas.Image() == drawn.Image() && canvas.BackColor() == 0x800000, wanted);
    EXPECT_EQ(QFile::exists(left), wanted);
  }
  EXPECT_EQ(platform.restoreQuestions, 2);
}

// At the end the changes not yet written are written, or with the canvas saved the autosave
// goes. On a full disk the old autosave stays whole, and the failure is told once, not on every
// try.
TEST(Autosave, TheEndWritesOrRemovesItAndAFullDiskKeepsTheOldOneAndIsToldOnce) {
  QTemporaryDir dir;
  ScratchMount disk(dir.filePath("disk"), 64 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << "a full disk needs a tmpfs, which needs CAP_SYS_ADMIN";
  const QString file = dir.filePath("disk/autosave.png");
  const auto bytes = [&] {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  Surface drawn({200, 150});
  for (const bool saved : {false, true, false}) {
    Autosaver quitting(file);
    quitting.tick(drawn, false, 0);
    drawn.Line(0, 0, 100, 80);
    quitting.finish(drawn, saved);
    EXPECT_EQ(QFile::exists(file), !saved);
  }
  const QByteArray old = bytes();
  QFile filler(dir.filePath("disk/filler"));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  while (filler.write(QByteArray(512, 'x')) > 0) {
  }
  Autosaver failing(file, {0, 0, 64});
  int notices = 0;
  for (int i = 0; i < 6; ++i, failing.waitForWriter()) {
    drawn.Line(float(i * 20), 0, 100, 80);
    notices += failing.tick(drawn, false, i * 11.0).has_value();
  }
  EXPECT_TRUE(notices == 1 && !old.isEmpty() && bytes() == old);
}
