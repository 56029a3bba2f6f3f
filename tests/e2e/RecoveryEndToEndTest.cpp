#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "e2e/Driver.h"
#include "history/Autosaver.h"
#include "history/HistoryKeys.h"
#include "support/ScratchMount.h"

// Unsaved work on the real program: undone and redone with the keys, autosaved in the
// background, brought back after a kill, and a full disk that does not stop the drawing.

namespace {

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Recovery : public ::testing::Test {
 protected:
  Recovery() {
    env = freshUserFolders(folders);
    env.insert(QStringLiteral("KALYRA_SPLASH_SECONDS"), QStringLiteral("0"));
  }
  QString autosaveFolder() const {
    return env.value(QStringLiteral("XDG_DATA_HOME")) + QStringLiteral("/Kalyra!/autosave");
  }
  QString autosave() const { return autosaveFolder() + QStringLiteral("/autosave-0.png"); }
  std::unique_ptr<RunningProgram> start(const QStringList& arguments = {}) {
    auto program = std::make_unique<RunningProgram>(screen, arguments, env);
    EXPECT_TRUE(program->waitForMainWindow(Patience)) << program->errorOutput().toStdString();
    return program;
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
  // Waits until the autosave holds what the replay predicts.
  bool autosaved(const Driver& driver) {
    const auto holds = [&] {
      const auto kept = Autosaver::read(autosave());
      return kept && kept->pixels == driver.predicted();
    };
    screen.waitFor([&](const QImage&) { return holds(); }, Patience);
    return holds();
  }

  VirtualScreen screen{{1024, 768}};
  QTemporaryDir folders;
  QProcessEnvironment env;
};

}  // namespace

TEST_F(Recovery, KilledWhileDrawingAndStartedWithRestoreShowsTheLastAutosave) {
  ASSERT_TRUE(screen.ready());
  {
    auto program = start();
    Driver driver(screen);
    drawAndUndo(driver, 0);
    expectScreenAsPredicted(screen, driver);
    ASSERT_TRUE(autosaved(driver));
  }  // killed with SIGKILL
  const auto kept = Autosaver::read(autosave());
  ASSERT_TRUE(kept);
  auto program = start({QStringLiteral("--restore")});
  const QImage shot = screen.waitFor(
      [&](const QImage& s) { return differingPixels(s, kept->pixels) == 0; }, Patience);
  EXPECT_EQ(differingPixels(shot, kept->pixels), 0);
}

TEST_F(Recovery, AFullDiskLeavesTheOldAutosaveAndTheDrawingGoesOn) {
  ASSERT_TRUE(screen.ready());
  ScratchMount disk(autosaveFolder(), 512 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs needs CAP_SYS_ADMIN";
  auto program = start();
  Driver driver(screen);
  drawAndUndo(driver, 0);
  ASSERT_TRUE(autosaved(driver));
  const QByteArray old = contentOf(autosave());
  QFile filler(autosaveFolder() + QStringLiteral("/filler"));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  while (filler.write(QByteArray(512, 'x')) > 0) {
  }
  drawAndUndo(driver, -150);
  // The quiet notice at the bottom says the copy could not be kept.
  const QImage noticed = screen.waitFor(
      [](const QImage& s) { return containsColour(s, qRgb(0xff, 0xf8, 0xc0)); }, Patience);
  EXPECT_TRUE(containsColour(noticed, qRgb(0xff, 0xf8, 0xc0)));
  EXPECT_EQ(contentOf(autosave()), old);
  drawAndUndo(driver, 150);
  expectScreenAsPredicted(screen, driver);  // once the notice has gone by itself
  EXPECT_EQ(contentOf(autosave()), old);
}
