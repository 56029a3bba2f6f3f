#include <QKeyEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTimer>

#include "app/Application.h"
#include "app/KeyCodes.h"
#include "widget/WindowFixture.h"

namespace {

std::optional<int> codeOf(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  return keyAsciiFor(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

}  // namespace

TEST(KeyCodes, TheSixKeysGiveTheirCharacterCodes) {
  EXPECT_EQ(codeOf(Qt::Key_K, Qt::ControlModifier, QStringLiteral("\x0b")), 11);
  EXPECT_EQ(codeOf(Qt::Key_K, Qt::ControlModifier, QStringLiteral("k")), 11);
  EXPECT_EQ(codeOf(Qt::Key_S, {}, QStringLiteral("s")), 115);
  EXPECT_EQ(codeOf(Qt::Key_S, Qt::ShiftModifier, QStringLiteral("S")), 83);
  EXPECT_EQ(codeOf(Qt::Key_Escape, {}, QStringLiteral("\x1b")), 27);
  EXPECT_EQ(codeOf(Qt::Key_Slash, {}, QStringLiteral("/")), 47);
  EXPECT_EQ(codeOf(Qt::Key_Space, {}, QStringLiteral(" ")), 32);
  EXPECT_EQ(codeOf(Qt::Key_Backspace, {}, QStringLiteral("\b")), 8);
  // "/" typed with Shift+7 on a German keyboard is still 47.
  EXPECT_EQ(codeOf(Qt::Key_7, Qt::ShiftModifier, QStringLiteral("/")), 47);
}

TEST(KeyCodes, OtherKeysAreNeitherTheSixNorMistakenForThem) {
  EXPECT_EQ(codeOf(Qt::Key_S, Qt::ControlModifier, QStringLiteral("s")), 19);
  EXPECT_EQ(codeOf(Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1a")), 26);
  EXPECT_EQ(codeOf(Qt::Key_S, Qt::AltModifier, QStringLiteral("s")), std::nullopt);
  EXPECT_EQ(codeOf(Qt::Key_Slash, Qt::ControlModifier, QStringLiteral("/")), std::nullopt);
  EXPECT_EQ(codeOf(Qt::Key_Left, {}, {}), std::nullopt);
  EXPECT_EQ(codeOf(Qt::Key_Shift, Qt::ShiftModifier, {}), std::nullopt);
  EXPECT_EQ(codeOf(Qt::Key_A, {}, QStringLiteral("a")), 97);
}

using PanelTest = WindowTest;

TEST_F(PanelTest, RightClicksShowAndHideTheWholePanel) {
  clickCanvas(Qt::LeftButton);
  ASSERT_FALSE(k.PenUp);
  clickCanvas(Qt::RightButton);
  EXPECT_TRUE(k.PenUp);  // showing the panel lifts the pen
  for (int c = 0; c < ControlCount; ++c)
    for (QWidget* w : panel.widgetsOf(Control(c))) EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(panel.Label1->isVisible());

  clickCanvas(Qt::RightButton);
  for (int c = 0; c < ControlCount; ++c)
    for (QWidget* w : panel.widgetsOf(Control(c))) EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(panel.Label1->isVisible());
}

// Presses on the panel belong to the panel: none of them toggles it or the pen.
TEST_F(PanelTest, PressesOnPanelControlsNeverReachTheCanvas) {
  clickCanvas(Qt::RightButton);
  for (QWidget* w :
       {static_cast<QWidget*>(panel.cmdColorBar), static_cast<QWidget*>(panel.CmdGradient),
        static_cast<QWidget*>(panel.ScrollSize), static_cast<QWidget*>(panel.txtRed),
        static_cast<QWidget*>(panel.MainFrame), static_cast<QWidget*>(panel.Label1)}) {
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(panel.MainFrame->isVisible()) << w->objectName().toStdString();
  }
  EXPECT_TRUE(k.PenUp);
}

TEST_F(PanelTest, CtrlKWhileHiddenTakesEffectAtTheNextShow) {
  typeOnFocus(Qt::Key_K, Qt::ControlModifier);
  EXPECT_FALSE(k.ExitPrintShown);
  clickCanvas(Qt::RightButton);
  EXPECT_TRUE(panel.MainFrame->isVisible());
  EXPECT_FALSE(panel.CmdExit->isVisible());
  EXPECT_FALSE(panel.CmdPrint->isVisible());

  typeOnFocus(Qt::Key_K, Qt::ControlModifier);  // shown: they come back at once
  EXPECT_TRUE(panel.CmdExit->isVisible());
  EXPECT_TRUE(panel.CmdPrint->isVisible());
  typeOnFocus(Qt::Key_K, Qt::ControlModifier);
  EXPECT_FALSE(panel.CmdExit->isVisible());
}

TEST_F(PanelTest, ToolButtonsMarkTheChoiceAndGiveTheKeysBackToTheCanvas) {
  clickCanvas(Qt::RightButton);
  click(panel.txtRed);
  ASSERT_EQ(QApplication::focusWidget(), panel.txtRed);
  QTest::keyClicks(panel.txtRed, "x");
  EXPECT_EQ(k.view.txtRed, "1x");  // the gradient reads what is typed at once

  click(panel.th[3]);
  EXPECT_EQ(QApplication::focusWidget(), canvas);
  EXPECT_EQ(k.Thickness, 7);
  EXPECT_EQ(faceOf(panel.th[3]), QColor(255, 255, 0));
  EXPECT_EQ(faceOf(panel.th[1]), QColor(255, 255, 255));
  EXPECT_EQ(panel.txtRed->text(), "0");  // checked when it lost the focus

  typeOnFocus(Qt::Key_S);
  EXPECT_TRUE(k.EchoOn);
  EXPECT_EQ(panel.Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  click(panel.Label1);
  EXPECT_FALSE(k.EchoOn);

  click(panel.polyg[4]);
  EXPECT_EQ(k.PolySides, 7);
  EXPECT_EQ(faceOf(panel.sty[0]), QColor(255, 255, 255));
  click(panel.mir[0]);
  EXPECT_EQ(k.MirrorMode, 0);
}

TEST_F(PanelTest, TheSizeBarLeavesTheFocusWhereItIs) {
  clickCanvas(Qt::RightButton);
  click(panel.txtGreen);
  clickCanvas(Qt::LeftButton, {700, 700});  // focus back to the canvas, pen down
  ASSERT_FALSE(k.PenUp);
  click(panel.txtGreen);
  panel.ScrollSize->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(k.BrushSize, 11);
  EXPECT_TRUE(k.PenUp);
  EXPECT_EQ(QApplication::focusWidget(), panel.txtGreen);
  EXPECT_EQ(panel.ScrollSize->maximum(), 350);
  EXPECT_EQ(panel.ScrollSize->singleStep(), 1);
}

TEST_F(PanelTest, GradientFollowsTheDrawingColourOnTheColourBar) {
  clickCanvas(Qt::RightButton);
  click(panel.CmdGradient);
  EXPECT_EQ(faceOf(panel.CmdGradient), QColor(255, 255, 0));
  EXPECT_EQ(QApplication::focusWidget(), canvas);
  moveOnCanvas({600, 600});
  clickCanvas(Qt::LeftButton, {600, 600});
  moveOnCanvas({610, 600});
  EXPECT_EQ(faceOf(panel.cmdColorBar), QColor(255, 2, 3));
  moveOnCanvas({620, 600});
  EXPECT_EQ(faceOf(panel.cmdColorBar), QColor(254, 4, 6));
}

TEST_F(PanelTest, ExitEndsTheProgramAtOnce) {
  clickCanvas(Qt::RightButton);
  QTimer::singleShot(0, panel.CmdExit, [this] { click(panel.CmdExit); });
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  giveUp.start(10000);
  EXPECT_EQ(QApplication::exec(), 0);
}

TEST(Application, PointerMovesAreNeverMerged) {
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, true);
  configureApplication(*qApp);
  EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents));
}

using DrawingTest = WindowTest;

namespace {

// Collects what the canvas repaints.
struct PaintRecorder : QObject {
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

}  // namespace

TEST_F(DrawingTest, APointerMoveDrawsEightWaysAndRepaintsOnlyWhatChanged) {
  moveOnCanvas({500, 500});
  clickCanvas(Qt::LeftButton, {500, 500});
  QApplication::processEvents();
  PaintRecorder recorder;
  canvas->installEventFilter(&recorder);
  moveOnCanvas({600, 300});
  moveOnCanvas({640, 320});
  QApplication::processEvents();

  const QImage& picture = window.surface().Image();
  const QRgb red = qRgb(255, 0, 0);
  // The stroke starts under the pointer and ends under it; its mirror images lie around the
  // centre (512, 384).
  EXPECT_EQ(picture.pixel(600, 300), red);
  EXPECT_EQ(picture.pixel(640, 320), red);
  EXPECT_EQ(picture.pixel(1024 - 640, 768 - 320), red);
  EXPECT_EQ(picture.pixel(640, 768 - 320), red);
  EXPECT_EQ(picture.pixel(1024 - 600, 300), red);

  QRect changed;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) != qRgb(255, 255, 255)) {
        changed |= QRect(x, y, 1, 1);
        ASSERT_TRUE(recorder.painted.contains(QPoint(x, y))) << x << "," << y;
      }
  // The eight copies are repainted each on its own, not the whole area between them.
  int paintedArea = 0;
  for (const QRect& r : recorder.painted) paintedArea += r.width() * r.height();
  EXPECT_LT(paintedArea, changed.width() * changed.height() / 4);
  EXPECT_EQ(canvas->grab(QRect(630, 310, 20, 20)).toImage().pixel(10, 10), red);
}
