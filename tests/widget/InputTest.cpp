#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

#include "app/Application.h"
#include "app/KeyCodes.h"
#include "app/SplashWindow.h"
#include "history/HistoryKeys.h"
#include "widget/WindowFixture.h"

TEST(KeyCodes, KeysGiveTheCharacterCodesTheyType) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    std::optional<int> code;
  };
  const Case cases[] = {
      {Qt::Key_K, Qt::ControlModifier, "\x0b", 11},
      {Qt::Key_K, Qt::ControlModifier, "k", 11},
      {Qt::Key_unknown, {}, "\x0b", 11},
      {Qt::Key_S, {}, "s", 115},
      {Qt::Key_S, Qt::ShiftModifier, "S", 83},
      {Qt::Key_Escape, {}, "\x1b", 27},
      {Qt::Key_Space, {}, " ", 32},
      {Qt::Key_Backspace, {}, "\b", 8},
      {Qt::Key_Slash, {}, "/", 47},
      {Qt::Key_7, Qt::ShiftModifier, "/", 47},    // "/" on a German keyboard
      {Qt::Key_S, Qt::ControlModifier, "s", 19},  // Ctrl+S is not the echo key
      {Qt::Key_Z, Qt::ControlModifier, "\x1a", UndoKey},
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a", ShiftedRedoKey},
      {Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier, "\x0b", 11},
      {Qt::Key_S, Qt::AltModifier, "s", std::nullopt},
      {Qt::Key_Slash, Qt::ControlModifier, "/", std::nullopt},
      {Qt::Key_Left, {}, "", std::nullopt},
      {Qt::Key_Shift, Qt::ShiftModifier, "", std::nullopt},
  };
  for (const Case& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
    EXPECT_EQ(keyAsciiFor(event), c.code) << std::hex << c.key << " " << c.modifiers.toInt();
  }
}

TEST(Application, PointerMovesAreNeverMerged) {
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, true);
  configureApplication(*qApp);
  EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents));
}

TEST(Splash, ReportsDoneOnlyWhenItsTimeHasPassed) {
  SplashWindow splash(0.3, 96);
  EXPECT_EQ(splash.size(), QSize(402, 149));
  EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), "Version 2.0");
  QSignalSpy done(&splash, &SplashWindow::finished);
  QElapsedTimer clock;
  clock.start();
  splash.show();
  ASSERT_TRUE(done.wait(5000));
  EXPECT_GE(clock.elapsed(), 300);
  QTest::qWait(100);
  EXPECT_EQ(done.count(), 1);

  // Without time to wait it is done at once, and whoever closes it then closes it for good.
  SplashWindow instant(0, 96);
  QObject::connect(&instant, &SplashWindow::finished, &instant, &QWidget::close);
  instant.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !instant.windowHandle()->isVisible(); }, 1000));

  qputenv("KALYRA_SPLASH_SECONDS", "0.5");
  EXPECT_EQ(splashSeconds(), 0.5);
  for (const char* refused : {"abc", "-1", "5", "nan"}) {
    qputenv("KALYRA_SPLASH_SECONDS", refused);
    EXPECT_EQ(splashSeconds(), 3) << refused;
  }
  qunsetenv("KALYRA_SPLASH_SECONDS");
}

using PanelTest = WindowTest;

TEST_F(PanelTest, RightClicksShowAndHideTheWholePanel) {
  clickCanvas(Qt::LeftButton);
  ASSERT_FALSE(k.PenUp);
  clickCanvas(Qt::RightButton);
  EXPECT_TRUE(k.PenUp);  // showing the panel lifts the pen
  EXPECT_TRUE(panelIs(true));
  clickCanvas(Qt::RightButton);
  EXPECT_TRUE(panelIs(false));
}

// Presses on the panel belong to the panel: none of them toggles it or the pen.
TEST_F(PanelTest, PressesOnPanelControlsNeverReachTheCanvas) {
  clickCanvas(Qt::RightButton);
  for (QWidget* w :
       std::initializer_list<QWidget*>{panel.cmdColorBar, panel.CmdGradient, panel.ScrollSize,
                                       panel.txtRed, panel.MainFrame, panel.Label1}) {
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(panel.MainFrame->isVisible()) << qPrintable(w->objectName());
  }
  EXPECT_TRUE(k.PenUp);
}

TEST_F(PanelTest, CtrlKWhileHiddenTakesEffectAtTheNextShow) {
  typeOnFocus(Qt::Key_K, Qt::ControlModifier);
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
  EXPECT_EQ(panel.th[3]->face(), QColor(255, 255, 0));
  EXPECT_EQ(panel.th[1]->face(), QColor(255, 255, 255));
  EXPECT_EQ(panel.txtRed->text(), "0");  // checked when it lost the focus

  typeOnFocus(Qt::Key_S);
  EXPECT_TRUE(k.EchoOn);
  EXPECT_EQ(panel.Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  click(panel.Label1);
  EXPECT_FALSE(k.EchoOn);
  click(panel.polyg[4]);
  EXPECT_EQ(k.PolySides, 7);
  EXPECT_EQ(panel.sty[0]->face(), QColor(255, 255, 255));
}

TEST_F(PanelTest, TheSizeBarLeavesTheFocusWhereItIs) {
  clickCanvas(Qt::RightButton);
  clickCanvas(Qt::LeftButton, {700, 700});
  ASSERT_FALSE(k.PenUp);
  click(panel.txtGreen);
  panel.ScrollSize->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(k.BrushSize, 11);
  EXPECT_TRUE(k.PenUp);
  EXPECT_EQ(QApplication::focusWidget(), panel.txtGreen);
}

TEST_F(PanelTest, GradientShowsEachNewColourOnTheColourBar) {
  clickCanvas(Qt::RightButton);
  click(panel.CmdGradient);
  EXPECT_EQ(panel.CmdGradient->face(), QColor(255, 255, 0));
  EXPECT_EQ(QApplication::focusWidget(), canvas);
  QTest::mouseMove(canvas, {600, 600});
  clickCanvas(Qt::LeftButton, {600, 600});
  QTest::mouseMove(canvas, {610, 600});
  EXPECT_EQ(panel.cmdColorBar->face(), QColor(255, 2, 3));
  QTest::mouseMove(canvas, {620, 600});
  EXPECT_EQ(panel.cmdColorBar->face(), QColor(254, 4, 6));
}

TEST_F(PanelTest, ExitEndsTheProgramAtOnce) {
  clickCanvas(Qt::RightButton);
  QTimer::singleShot(0, panel.CmdExit, [this] { click(panel.CmdExit); });
  QTimer giveUp;
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  giveUp.start(10000);
  EXPECT_EQ(QApplication::exec(), 0);
}

namespace {

struct PaintRecorder : QObject {
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

}  // namespace

using DrawingTest = WindowTest;

TEST_F(DrawingTest, APointerMoveDrawsEightWaysAndRepaintsOnlyWhatChanged) {
  QTest::mouseMove(canvas, {500, 500});
  clickCanvas(Qt::LeftButton, {500, 500});
  QApplication::processEvents();
  PaintRecorder recorder;
  canvas->installEventFilter(&recorder);
  QTest::mouseMove(canvas, {600, 300});
  QTest::mouseMove(canvas, {640, 320});
  QApplication::processEvents();

  // The stroke runs under the pointer; its mirror images lie around the centre (512, 384).
  const QImage& picture = window.surface().Image();
  const QRgb red = qRgb(255, 0, 0);
  for (const QPoint p : {QPoint(600, 300), QPoint(640, 320), QPoint(1024 - 640, 768 - 320),
                         QPoint(640, 768 - 320), QPoint(1024 - 600, 300)}) {
    EXPECT_EQ(picture.pixel(p), red) << p.x() << "," << p.y();
  }
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
