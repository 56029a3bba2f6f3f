#include <gtest/gtest.h>

#include "e2e/XSession.h"
#include "history/Autosaver.h"
#include "support/ScratchMount.h"

// Unsaved work on the real program, its autosave on a small disk of its own: killed, and started
// again with --restore, it shows the last autosave; then the disk fills up, and the drawing goes
// on with a notice while the old autosave stays, until there is room again.
TEST(Recovery, AKilledProgramComesBackAndAFullDiskNeitherStopsTheDrawingNorHarmsTheAutosave) {
  XSession x({1024, 768});
  const QString folder = x.folder("data") + "/Kalyra!/autosave",
                autosave = folder + "/autosave-0.png";
  ScratchMount disk(folder, 512 * 1024);
  const auto autosaved = [&](const QImage& screen) {
    const auto kept = Autosaver::read(autosave);
    return kept && differing(kept->pixels, screen) == 0;
  };
  ASSERT_TRUE(x.launch());
  const QImage blank = x.waitFor(allWhite);
  ASSERT_TRUE(x.xdotool(strokeFrom({700, 200}, 60)));
  const QImage one = settled(x, blank);
  ASSERT_TRUE(x.xdotool(strokeFrom({600, 500}, 60)));
  settled(x, one);
  ASSERT_TRUE(x.xdotool({"key", "ctrl+z"}));  // the autosave follows an undo too
  EXPECT_TRUE(shows(x, one));
  x.waitFor(autosaved);
  x.killHard();
  const auto kept = Autosaver::read(autosave);
  ASSERT_TRUE(kept && differing(kept->pixels, one) == 0);
  ASSERT_TRUE(x.launch({"--restore"}));
  EXPECT_TRUE(shows(x, kept->pixels));

  if (!disk.mounted()) GTEST_SKIP() << "a full disk needs a tmpfs, which needs CAP_SYS_ADMIN";
  QFile filler(folder + "/filler");
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  while (filler.write(QByteArray(512, 'x')) > 0) {
  }
  // Opened afresh each time: a new autosave replaces the file.
  const auto bytes = [&] {
    QFile f(autosave);
    return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
  };
  const QByteArray old = bytes();
  // A stroke before the first failed write, then the notice, and a stroke after it.
  const auto noticed = [](const QImage& s) { return countOf(s, qRgb(0xff, 0xf8, 0xc0)) > 100; };
  for (const QPoint from : {QPoint(300, 200), QPoint(800, 300)}) {
    const auto drawn = [&](const QImage& s) {
      return s.pixel(onArc(from, 60, 3)) == qRgb(255, 0, 0);
    };
    ASSERT_TRUE(x.xdotool(strokeFrom(from, 60)));
    EXPECT_TRUE(drawn(x.waitFor(drawn)));
    EXPECT_TRUE(from.y() != 200 || noticed(x.waitFor(noticed)));
  }
  EXPECT_TRUE(!old.isEmpty() && bytes() == old);
  filler.remove();
  EXPECT_TRUE(autosaved(x.waitFor(autosaved)));
}
