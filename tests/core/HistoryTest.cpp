#include <QTemporaryDir>

#include "core/CoreFixture.h"
#include "history/HistoryKeys.h"

// What the canvas shows and what a repaint of its background would bring back.
using Shown = std::tuple<QImage, Colour, bool>;

class Histories : public CoreFixture {
 protected:
  Histories() : CoreFixture({256, 192}) { platform.directory = dir.path(); }
  Shown shown() const { return {canvas.Image().copy(), canvas.BackColor(), canvas.hasPicture()}; }
  void stroke(float x, float y) {
    k.Canvas_MouseMove(0, 0, x, y);
    k.Canvas_MouseDown(1, 0, x, y);
    k.Canvas_MouseMove(0, 0, x + 37, y + 11);
    k.Canvas_MouseMove(0, 0, x + 5, y + 60);
    k.Canvas_MouseDown(1, 0, x, y);
  }
  QString picture(const char* name, Qt::GlobalColor colour) {
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(dir.filePath(name)));
    return dir.filePath(name);
  }
  QTemporaryDir dir;
};

// Every change of any kind is one step and what changes no pixel is none (Backspace before any
// snapshot keeps a picture opened at start): undone one by one back to the start, once more to
// no effect, the canvas shows exactly each state it went through, background colour and picture
// included. Undo lifts a pen that is down; a change after undoing drops what was undone.
TEST_F(Histories, EveryChangeIsOneStepAndWhatChangesNothingIsNone) {
  ASSERT_EQ(k.openPictureAtStart(picture("start.bmp", Qt::magenta)), std::nullopt);
  platform.openAnswers = {picture("load.png", Qt::green)};
  platform.colourAnswers = {std::nullopt, std::nullopt, 0x800000};
  platform.randoms = {0.5f, 0.25f, 0.75f};
  const std::pair<bool, std::function<void()>> actions[] = {
      {false, [&] { k.Canvas_KeyPress(8); }},
      {true, [&] { stroke(-100, -300); }},
      {false, [&] { k.Canvas_MouseDown(1, 0, 0, 0), k.Canvas_MouseDown(1, 0, 0, 0); }},
      {false, [&] { k.CmdSetBackColor_Click(), k.CmdSetForeColor_Click(); }},  // cancelled
      {true, [&] { fillAt(-10, -10, Yellow); }},
      {true, [&] { k.Canvas_KeyPress(8); }},
      {false, [&] { k.Canvas_KeyPress(8); }},  // the picture before the fill, again
      {true, [&] { fillAt(-10, -10, Yellow); }},
      {false, [&] { fillAt(-10, -10, Yellow); }},
      {false, [&] { stroke(50, 50); }},  // yellow, as the fill left the drawing colour, on yellow
      {true, [&] { canvas.ForeColor = Red, stroke(50, 50); }},
      {true, [&] { k.sty_Click(1), stroke(100, 100), k.sty_Click(0); }},  // a stamp of squares
      {true, [&] { k.CmdFrame_Click(); }},
      {true, [&] { k.cmdOpen_Click(); }},
      {true, [&] { stroke(0, 0); }},
      {true, [&] { k.Canvas_KeyPress(8); }},  // Backspace: the stroke goes as a step of its own
      {true, [&] { k.CmdSetBackColor_Click(); }},
      {true, [&] { stroke(50, -50); }},
      {true, [&] { k.cmdColorBar_MouseDown(2, 0, 0, 0); }}};
  std::vector<Shown> states{shown()};
  for (const auto& [changes, act] : actions) {
    act();
    ASSERT_EQ(shown() != states.back(), changes) << states.size();
    if (changes) states.push_back(shown());
    ASSERT_EQ(k.history.undoSteps(), states.size() - 1);  // a step of its own, at once
  }
  for (std::size_t i = states.size() - 1; i > 0; --i) {
    k.Canvas_KeyPress(UndoKey);
    EXPECT_TRUE(shown() == states[i - 1]) << i;
  }
  k.Canvas_KeyPress(UndoKey);
  EXPECT_TRUE(shown() == states[0] && k.history.undoSteps() == 0);
  for (std::size_t i = 1; i < states.size(); ++i) k.Canvas_KeyPress(RedoKey);
  EXPECT_TRUE(shown() == states.back());
  k.Canvas_KeyPress(UndoKey);
  k.Canvas_MouseDown(1, 0, 0, 0);
  k.Canvas_KeyPress(UndoKey);
  EXPECT_TRUE(k.PenUp && shown() == states[states.size() - 3]);
  stroke(-200, 200);
  EXPECT_EQ(k.history.redoSteps(), 0u);
}

// A step keeps only the tiles it changed, however little of them (compressed), a hundred steps
// and more are kept, and past the budget the oldest go first.
TEST(History, KeepsOnlyChangedTilesAndHundredsOfStepsWithinTheBudget) {
  Surface canvas({640, 200});
  const std::size_t tile = 64 * 64 * 4;
  for (const std::size_t budget : {History::DefaultBudget, std::size_t(4000), std::size_t(1)}) {
    History history(budget);
    QImage before;
    for (int i = 0; i < 120; ++i) {
      canvas.copyImageTo(before);
      history.beginStep(canvas);
      canvas.ForeColor = packColour(i + 1, 0, 0);
      const float y = float(i % 3 * 63);  // a tile's first row, its last, or one between
      canvas.Line(float(i % 4 * 128), y, float(i % 4 * 128 + 100), y);  // two tiles
      history.endStep(canvas, before);
      EXPECT_LE(history.bytes(), std::size_t(1.5 * 2 * tile) * history.undoSteps()) << i;
    }
    const std::size_t steps = history.undoSteps();
    EXPECT_TRUE(budget == History::DefaultBudget ? steps == 120u
                : budget == 1                    ? steps == 1u  // never none
                              : steps > 1 && steps < 120 && history.bytes() <= budget)
        << steps;
    EXPECT_TRUE(history.undo(canvas) && canvas.Image() == before);
  }
}
