#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <utility>

#include "canvas/Mirror.h"
#include "e2e/Driver.h"

// The panel's commands and the picture files on the real program: the fill and its undo, the
// colour bar, the frame, the file dialogs, and a picture named on the command line.

namespace {

const QRect ColourBar = controlOnScreen({1560, 960, 975, 375});
const QRect FillButton = controlOnScreen({120, 4320, 3855, 495});
const QRect FrameButton = controlOnScreen({1140, 4920, 1935, 375});
const QRect LoadButton = controlOnScreen({120, 2520, 1815, 495});
const QRect SaveButton = controlOnScreen({2160, 2520, 1815, 495});
const QPoint Aside(768, 614);    // on the canvas, clear of the panel and of every stroke
const QPoint Corner(1016, 760);  // shows the canvas colour

class Commands : public ::testing::Test {
 protected:
  // Starts the program in an empty folder of its own and waits for its window.
  bool start(const QStringList& arguments = {}) {
    program.reset();  // so that the window found is the new program's
    QProcessEnvironment env;
    env.insert(QStringLiteral("KALYRA_SPLASH_SECONDS"), QStringLiteral("0"));
    program = std::make_unique<RunningProgram>(screen, arguments, env, folder.path());
    const bool shown = screen.ready() && folder.isValid() && program->waitForMainWindow(Patience);
    EXPECT_TRUE(shown) << program->errorOutput().toStdString();
    return shown;
  }

  // A right click on the canvas, then the panel shows: the Fill button with its dark lower edge.
  bool showPanel() {
    driver.clickAt(Aside, 2);
    const auto shown = [](const QImage& s) {
      return fromQRgb(s.pixel(FillButton.bottomRight())) == Black;
    };
    return driver.send() && shown(screen.waitFor(shown, Patience));
  }

  // Presses the colour bar and replays the press with the colour the program chose at random:
  // a left press shows it on the bar, a right press on the canvas.
  Colour pressColourBar(int button) {
    const auto read = [button](const QImage& s) {
      return button == 1 ? inside(s, ColourBar) : fromQRgb(s.pixel(Corner));
    };
    const Colour before = read(screen.screenshot());
    driver.clickControl(ColourBar.center(), button);
    EXPECT_TRUE(driver.send());
    const Colour chosen =
        read(screen.waitFor([&](const QImage& s) { return read(s) != before; }, Patience));
    driver.replayColourBar(button, chosen);
    return chosen;
  }

  // Types `text` into a dialog of the program once it shows, presses Return and waits for the
  // dialog to close. The keys go to the focused window: chained to the search, xdotool would
  // aim the key's release at the window its press has closed, and leave the key held down.
  bool answerDialog(const QString& title, const QString& text = {}) {
    if (!program->waitForWindow(title, Patience)) return false;
    const auto xdotool = [this](const QStringList& arguments) {
      return screen.run(QStringLiteral("xdotool"), arguments) == 0;
    };
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"), title, QStringLiteral("windowfocus"),
                    QStringLiteral("--sync")}) &&
           (text.isEmpty() || xdotool({QStringLiteral("type"), text})) &&
           xdotool({QStringLiteral("key"), QStringLiteral("Return")}) &&
           program->waitForWindow(title, Patience, false);
  }

  VirtualScreen screen{{1024, 768}};
  QTemporaryDir folder;
  std::unique_ptr<RunningProgram> program;
  Driver driver{screen};
};

bool waitForFile(const QString& path) {
  QElapsedTimer clock;
  clock.start();
  while (!QFileInfo::exists(path) && clock.elapsed() < Patience * 1000) QThread::msleep(100);
  return QFileInfo::exists(path);
}

}  // namespace

TEST_F(Commands, FillButtonFillsAClosedShapeWithItsMirrorImagesAndBackspaceUndoesIt) {
  ASSERT_TRUE(start());
  // A closed square, off the diagonals so that its eight images stay apart.
  const QPoint centre(760, 300);
  const QPoint corners[] = {{-30, -30}, {30, -30}, {30, 30}, {-30, 30}, {-30, -30}, {30, -30}};
  driver.clickAt(centre + corners[0], 1);
  for (const QPoint c : corners) driver.moveTo(centre + c);
  driver.click(1);
  ASSERT_TRUE(driver.send());
  const QImage shape = expectScreenAsPredicted(screen, driver);

  ASSERT_TRUE(showPanel());
  driver.clickControl(FillButton.center());
  driver.core().CmdFill_Click();
  driver.clickAt(centre, 1);
  driver.click(2);  // hides the panel
  ASSERT_TRUE(driver.send());
  expectScreenAsPredicted(screen, driver);
  const QPointF units = driver.canvas().toUnits(centre);
  for (int copy = 0; copy < 8; ++copy) {
    const auto p = mirrorCopy(copy, float(units.x()), float(units.y()));
    EXPECT_EQ(fromQRgb(driver.predicted().pixel(driver.canvas().toPixel(p.x, p.y))), Red)
        << "copy " << copy;
  }

  driver.key(QStringLiteral("BackSpace"), 8);
  ASSERT_TRUE(driver.send());
  EXPECT_EQ(differingPixels(expectScreenAsPredicted(screen, driver), shape), 0);
}

TEST_F(Commands, ColourBarChoosesDrawingAndCanvasColoursAndFrameLinesTheEdges) {
  ASSERT_TRUE(start());
  ASSERT_TRUE(showPanel());
  const Colour drawing = pressColourBar(1);
  driver.clickAt(Aside, 2);
  const QPoint from(600, 250);
  driver.clickAt(from, 1);
  const QPoint last = driver.stroke(from, 60, 30);
  driver.click(1);
  ASSERT_TRUE(driver.send());
  EXPECT_EQ(fromQRgb(expectScreenAsPredicted(screen, driver).pixel(last)), drawing);

  ASSERT_TRUE(showPanel());
  const Colour canvasColour = pressColourBar(2);
  EXPECT_NE(canvasColour, White);
  driver.clickAt(Aside, 2);
  ASSERT_TRUE(driver.send());
  EXPECT_TRUE(isUniform(expectScreenAsPredicted(screen, driver), canvasColour));

  ASSERT_TRUE(showPanel());
  driver.clickControl(FrameButton.center());
  driver.core().CmdFrame_Click();
  driver.clickAt(Aside, 2);
  ASSERT_TRUE(driver.send());
  const QImage framed = expectScreenAsPredicted(screen, driver);
  // Each 8-pixel line is centred on an edge of the screen: about half of it shows.
  const std::pair<QPoint, QPoint> edges[] = {
      {{0, 600}, {1, 0}}, {{1023, 600}, {-1, 0}}, {{600, 0}, {0, 1}}, {{600, 767}, {0, -1}}};
  for (const auto& [edge, inwards] : edges) {
    int width = 0;
    while (width < 10 && fromQRgb(framed.pixel(edge + width * inwards)) == drawing) ++width;
    EXPECT_TRUE(width == 4 || width == 5) << width << " at " << edge.x() << "," << edge.y();
  }
}

TEST_F(Commands, SaveDialogWritesTheCanvasAsA24BitBitmapThatLoadPictureBringsBack) {
  ASSERT_TRUE(start());
  const QPoint from(600, 250);
  driver.clickAt(from, 1);
  driver.stroke(from, 80, 40);
  driver.click(1);
  ASSERT_TRUE(driver.send());
  const QImage drawn = expectScreenAsPredicted(screen, driver);

  // The dialog opens in the program's folder; saving changes nothing on the canvas.
  ASSERT_TRUE(showPanel());
  driver.clickControl(SaveButton.center());
  ASSERT_TRUE(driver.send());
  ASSERT_TRUE(answerDialog(QStringLiteral("^Save$"), QStringLiteral("drawing.bmp")));
  const QString file = folder.filePath(QStringLiteral("drawing.bmp"));
  ASSERT_TRUE(waitForFile(file));
  QFile bitmap(file);
  ASSERT_TRUE(bitmap.open(QIODevice::ReadOnly));
  const QByteArray header = bitmap.read(30);
  EXPECT_TRUE(header.startsWith("BM"));
  EXPECT_EQ(header.size() == 30 ? int(header[28]) : 0, 24);  // bits a pixel
  EXPECT_EQ(differingPixels(QImage(file).convertToFormat(QImage::Format_RGB32), drawn), 0);

  // A new canvas colour wipes the picture; the open dialog proposes the file just saved.
  pressColourBar(2);
  driver.clickControl(LoadButton.center());
  ASSERT_TRUE(driver.send());
  ASSERT_TRUE(answerDialog(QStringLiteral("^Open$")));
  driver.platform().openAnswers.push_back(file);
  EXPECT_FALSE(driver.core().cmdOpen_Click());
  driver.clickAt(Aside, 2);
  ASSERT_TRUE(driver.send());
  EXPECT_EQ(differingPixels(expectScreenAsPredicted(screen, driver), drawn), 0);
}

TEST_F(Commands, PictureNamedAtStartShowsTopLeftAndAnUnreadableOneIsReported) {
  QImage expected(screen.size(), QImage::Format_RGB32);
  expected.fill(toQRgb(White));
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x)
      expected.setPixel(x, y, qRgb(x, 2 * y, (x / 10 + y / 10) % 2 * 255));
  const QString picture = folder.filePath(QStringLiteral("pattern.bmp"));
  ASSERT_TRUE(expected.copy(0, 0, 200, 100).save(picture, "BMP"));
  ASSERT_TRUE(start({picture}));
  const QImage shown =
      screen.waitFor([&](const QImage& s) { return differingPixels(s, expected) == 0; }, Patience);
  EXPECT_EQ(differingPixels(shown, expected), 0);

  const QString broken = folder.filePath(QStringLiteral("broken.bmp"));
  QFile text(broken);
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a picture\n") > 0);
  text.close();
  ASSERT_TRUE(start({broken}));
  EXPECT_TRUE(answerDialog(QStringLiteral("^Load Picture$")));
  EXPECT_TRUE(allWhite(screen.waitFor(allWhite, Patience)));
}
