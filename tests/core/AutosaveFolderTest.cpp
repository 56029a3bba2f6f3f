#include <QBuffer>
#include <QFileInfo>
#include <latch>
#include <thread>

#include "core/CoreFixture.h"
#include "history/AutosaveSlot.h"
#include "history/Autosaver.h"

// The data folder as it misbehaves: removed, with folders, links and pipes where pictures
// belong, shared by copies that start at once, holding pictures that can't be read and
// temporary files a crash left. (A full disk is in AutosaveTest.)

namespace {

// A running copy of the program as far as its autosave goes, on the clock the test drives.
struct Copy {
  explicit Copy(const QString& folder) : slot(folder), autosaver(slot, {0, 0, 1 << 20, 1e9, 3}) {}
  // Draws and ticks until the writer is done.
  void draw(Surface& canvas, bool drawing = true) {
    autosaver.tick(canvas, false, now);  // the first tick takes the canvas as it starts
    if (drawing) canvas.Line(float(now * 7), 0, 150, float(now * 5));
    for (int i = 0; i < 4; ++i, autosaver.waitForWriter()) autosaver.tick(canvas, false, now += 1);
  }
  AutosaveSlot slot;
  Autosaver autosaver;
  double now = 0;
};

QByteArray pictureBytes(QRgb colour) {
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(colour);
  QByteArray png;
  QBuffer buffer(&png);
  return buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG") ? png : QByteArray();
}

}  // namespace

// A folder, a link or a pipe where a picture belongs is neither written through nor offered:
// the next place is used, also when a link takes the place while the program runs.
TEST(AutosaveFolder, PlacesThatAreNotRegularFilesAreNeitherWrittenThroughNorOffered) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("autosave"), victim = dir.filePath("victim");
  const auto place = [&](int n) { return folder + QStringLiteral("/autosave-%1.png").arg(n); };
  ASSERT_TRUE(QDir().mkpath(place(0)) && put(victim, "mine") && QFile::link(victim, place(1)) &&
              ::mkfifo(QFile::encodeName(place(2)).constData(), 0644) == 0);
  Surface canvas({200, 150});
  {
    Copy copy(folder);
    EXPECT_FALSE(copy.slot.hasLeftover());
    EXPECT_EQ(copy.slot.pictureFile(), place(3));
    copy.draw(canvas);
    ASSERT_TRUE(QFile::remove(place(3)) && QFile::link(victim, place(3)));
    copy.draw(canvas);
    EXPECT_EQ(copy.slot.pictureFile(), place(4));
  }
  EXPECT_TRUE(contentOf(victim) == "mine" && QFileInfo(place(3)).isSymLink());
  AutosaveSlot next(folder);
  ASSERT_TRUE(next.hasLeftover() && next.pictureFile() == place(4));
  EXPECT_EQ(next.takeLeftover()->pixels, canvas.Image());
}

// A folder removed while the program runs is made again, also when nothing is drawn after; a
// copy that started meanwhile keeps the place it took.
TEST(AutosaveFolder, ARemovedFolderIsMadeAgainWithoutTakingAPlaceFromAnotherCopy) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("autosave");
  Surface canvas({200, 150}), other({200, 150});
  Copy first(folder);
  first.draw(canvas);
  const QString before = first.slot.pictureFile();
  ASSERT_TRUE(QFile::exists(before) && QDir(folder).removeRecursively());
  Copy second(folder);
  EXPECT_EQ(second.slot.pictureFile(), before);
  const QString leftover = folder + "/autosave-1.png";  // a run that ended without a word
  ASSERT_TRUE(put(leftover, pictureBytes(qRgb(0, 0, 255))));
  first.draw(canvas, false);
  second.draw(other);
  const QString after = first.slot.pictureFile();
  EXPECT_NE(after, before);
  const auto mine = Autosaver::read(after), theirs = Autosaver::read(before);
  EXPECT_TRUE(mine && mine->pixels == canvas.Image());
  EXPECT_TRUE(theirs && theirs->pixels == other.Image());
  EXPECT_TRUE(after != leftover && contentOf(leftover) == pictureBytes(qRgb(0, 0, 255)));
}

// Copies starting at the same moment each take a place of their own, and each picture left
// behind goes to exactly one of them; temporary files a crash left are removed, but not those
// of a copy still running.
TEST(AutosaveFolder, CopiesStartingAtOnceOfferEachLeftoverOnceAndCrashLeftoversGo) {
  // The moment two copies meet varies from run to run, so they meet several times.
  for (int meeting = 0; meeting < 8; ++meeting) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("autosave");
    const auto file = [&](const QString& name) { return folder + '/' + name; };
    QDir().mkpath(folder);
    for (int n = 0; n < 3; ++n)
      ASSERT_TRUE(put(file(QStringLiteral("autosave-%1.png").arg(n * 2)), pictureBytes(n), n));
    const AutosaveSlot running(folder);
    const QString runningTemporary = running.pictureFile() + ".tmp";
    ASSERT_TRUE(put(runningTemporary, "half") && put(file("autosave-5.png.tmp"), "half") &&
                put(file("autosave-7.png.Xa91bQ"), "half"));
    std::unique_ptr<AutosaveSlot> first, second;
    std::latch ready(2);
    const auto start = [&](std::unique_ptr<AutosaveSlot>& slot) {
      ready.arrive_and_wait();
      slot = std::make_unique<AutosaveSlot>(folder);
    };
    std::thread one(start, std::ref(first)), two(start, std::ref(second));
    one.join(), two.join();
    EXPECT_EQ((std::set<QString>{running.pictureFile(), first->pictureFile(), second->pictureFile()}
                   .size()),
              3u);
    EXPECT_TRUE(first->hasLeftover() && second->hasLeftover());
    EXPECT_EQ((std::set<QString>{first->pictureFile(), second->pictureFile()}),
              (std::set<QString>{file("autosave-2.png"), file("autosave-4.png")}));
    EXPECT_TRUE(QFile::exists(runningTemporary) && !QFile::exists(file("autosave-5.png.tmp")) &&
                !QFile::exists(file("autosave-7.png.Xa91bQ")));
  }
}

// Pictures left behind that can't be read are put aside, told once, and never hide an older
// one that can be read.
TEST(AutosaveFolder, UnreadableLeftoversArePutAsideOnceAndNeverHideAReadableOne) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("autosave");
  const auto place = [&](int n) { return folder + QStringLiteral("/autosave-%1.png").arg(n); };
  QDir().mkpath(folder);
  ASSERT_TRUE(put(place(0), pictureBytes(qRgb(0, 0, 255)), 60) && put(place(1), "damaged", 30) &&
              put(place(2), pictureBytes(0).left(40), 0));
  AutosaveSlot first(folder);
  ASSERT_TRUE(first.hasLeftover() && first.pictureFile() == place(0));
  EXPECT_EQ(first.takeLeftover()->pixels.pixel(5, 5), qRgb(0, 0, 255));
  EXPECT_TRUE(first.notice().has_value());
  const QStringList aside = QDir(folder).entryList({"unreadable-*"});
  EXPECT_EQ(aside.size(), 2);
  EXPECT_TRUE(aside.size() == 2 && (contentOf(folder + '/' + aside[0]) == "damaged") !=
                                       (contentOf(folder + '/' + aside[1]) == "damaged"));
  const AutosaveSlot second(folder);
  EXPECT_FALSE(second.hasLeftover() || second.notice());
}
