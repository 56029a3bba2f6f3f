#include <gtest/gtest.h>

#include "e2e/XSession.h"
#include "history/Autosaver.h"

// Unsaved work on the real program: killed, and started again with --restore, it shows the last
// autosave.
TEST(Recovery, AKilledProgramComesBackWithItsLastAutosave) {
  XSession x({1024, 768});
  const QString autosave = x.folder("data") + "/Kalyra!/autosave/autosave-0.png";
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
  // A picture named at start shows, in folders without the leftover that would be offered first.
  ASSERT_TRUE(one.save(x.folder() + "/one.png") &&
              x.launch({"one.png"}, {"XDG_DATA_HOME=" + x.folder("fresh")}));
  EXPECT_TRUE(shows(x, one));
}
