#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "e2e/Driver.h"
#include "history/Autosaver.h"
#include "history/HistoryKeys.h"
#include "support/ScratchMount.h"

namespace {

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Two strokes, the second undone, redone and undone again with the keys.
void drawAndUndo(Driver& driver, int shift) {
  for (const QPoint at : {QPoint(700 + shift, 200), QPoint(600 + shift, 500)}) {
    driver.clickAt(at, 1);
    driver.stroke(at, 60, 30);
    driver.click(1);
  }
  driver.key(QStringLiteral("ctrl+z"), UndoKey);
  driver.key(QStringLiteral("ctrl+shift+z"), ShiftedRedoKey);
  driver.key(QStringLiteral("ctrl+z"), UndoKey);
  ASSERT_TRUE(driver.send());
}

}  // namespace

// Unsaved work on the real program, its autosave on a small disk of its own: killed, and started
// again with --restore, it shows the last autosave; then the disk fills up, and the drawing goes
// on with one quiet notice while the old autosave stays, until there is room again.
TEST(Recovery, AKilledProgramComesBackAndAFullDiskNeitherStopsTheDrawingNorHarmsTheAutosave) {
  VirtualScreen screen({1024, 768});
  QTemporaryDir folders;
  ASSERT_TRUE(screen.ready());
  QProcessEnvironment env = freshUserFolders(folders);
  env.insert(QStringLiteral("KALYRA_SPLASH_SECONDS"), QStringLiteral("0"));
  const QString folder = env.value(QStringLiteral("XDG_DATA_HOME")) + "/Kalyra!/autosave";
  const QString autosave = folder + "/autosave-0.png";
  ScratchMount disk(folder, 512 * 1024);
  const auto autosaved = [&](const Driver& driver) {
    const auto holds = [&] {
      const auto kept = Autosaver::read(autosave);
      return kept && kept->pixels == driver.predicted();
    };
    screen.waitFor([&](const QImage&) { return holds(); }, Patience);
    return holds();
  };
  {
    RunningProgram program(screen, {}, env);
    ASSERT_TRUE(program.waitForMainWindow(Patience));
    Driver driver(screen);
    drawAndUndo(driver, 0);
    expectScreenAsPredicted(screen, driver);
    ASSERT_TRUE(autosaved(driver));
  }  // killed with SIGKILL
  const auto kept = Autosaver::read(autosave);
  ASSERT_TRUE(kept);
  RunningProgram program(screen, {QStringLiteral("--restore")}, env);
  ASSERT_TRUE(program.waitForMainWindow(Patience));
  const QImage shot = screen.waitFor(
      [&](const QImage& s) { return differingPixels(s, kept->pixels) == 0; }, Patience);
  EXPECT_EQ(differingPixels(shot, kept->pixels), 0);

  if (!disk.mounted()) GTEST_SKIP() << "a full disk needs a tmpfs, which needs CAP_SYS_ADMIN";
  Driver driver(screen);
  driver.core().Canvas.setPicture(kept->pixels);
  const QByteArray old = contentOf(autosave);
  QFile filler(folder + "/filler");
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  while (filler.write(QByteArray(512, 'x')) > 0) {
  }
  drawAndUndo(driver, -150);
  const QImage noticed = screen.waitFor(
      [](const QImage& s) { return containsColour(s, qRgb(0xff, 0xf8, 0xc0)); }, Patience);
  EXPECT_TRUE(containsColour(noticed, qRgb(0xff, 0xf8, 0xc0)));
  drawAndUndo(driver, 150);
  expectScreenAsPredicted(screen, driver);  // once the notice has gone by itself
  EXPECT_EQ(contentOf(autosave), old);
  filler.remove();
  EXPECT_TRUE(autosaved(driver));
}
