#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "history/AutosaveSlot.h"
#include "history/Autosaver.h"
#include "history/Recovery.h"
#include "support/FakePlatform.h"

namespace {

constexpr Colour Navy = 0x800000;

// Ticks until the writer was handed what there is and has written it.
void settle(Autosaver& autosaver, const Surface& canvas, bool saved, double& now) {
  for (int i = 0; i < 20; ++i) autosaver.tick(canvas, saved, now += 1);
  autosaver.waitForWriter();
}

}  // namespace

// Drawn between slices of copying, the autosave is still the canvas as it stood at one moment,
// with its background colour; once the canvas is saved, the autosave goes.
TEST(Autosave, WritesTheWholeCanvasFromSlicesAndGoesWhenSaved) {
  QTemporaryDir dir;
  const QString file = dir.filePath("a.png");
  Surface canvas({300, 200});
  Autosaver autosaver(file, {0, 0, 2});
  double now = 0;
  settle(autosaver, canvas, false, now);
  EXPECT_FALSE(QFile::exists(file));  // nothing changed yet
  canvas.setBackColor(Yellow);
  for (int i = 0; i < 10; ++i) {
    canvas.Line(float(i * 30), 0, 150, float(i * 20));
    autosaver.tick(canvas, false, now += 1);
  }
  settle(autosaver, canvas, false, now);
  const auto kept = Autosaver::read(file);
  ASSERT_TRUE(kept);
  EXPECT_TRUE(kept->pixels == canvas.Image() && kept->backColor == Yellow);
  settle(autosaver, canvas, true, now);
  EXPECT_FALSE(QFile::exists(file));
}

// Two copies at once get places of their own; a picture left behind goes to the next copy that
// starts, which brings it back when the user wants it and removes it otherwise.
TEST(Autosave, EachCopyHasItsOwnPlaceAndTheNextOneOffersWhatWasLeft) {
  QTemporaryDir dir;
  Surface drawn({120, 90});
  drawn.setBackColor(Navy);
  drawn.Line(0, 0, 100, 80);
  QString left;
  {
    const AutosaveSlot first(dir.path());
    const AutosaveSlot second(dir.path());
    ASSERT_NE(first.pictureFile(), second.pictureFile());
    left = second.pictureFile();
    Autosaver autosaver(left, {0, 0, 4096});
    double now = 0;
    autosaver.tick(drawn, false, now);
    drawn.Line(100, 0, 0, 80);
    settle(autosaver, drawn, false, now);
  }
  FakePlatform platform;
  for (const bool wanted : {true, false}) {
    const AutosaveSlot next(dir.path());
    ASSERT_TRUE(next.hasLeftover() && next.pictureFile() == left);
    platform.restoreAnswer = wanted;
    Surface canvas({120, 90});
    EXPECT_EQ(recoverAtStart(canvas, platform, left, false), wanted);
    EXPECT_EQ(canvas.Image() == drawn.Image() && canvas.BackColor() == Navy, wanted);
    EXPECT_EQ(QFile::exists(left), wanted);
  }
  EXPECT_EQ(platform.restoreQuestions, 2);
}
