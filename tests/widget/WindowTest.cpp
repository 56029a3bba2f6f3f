#include <QFontInfo>
#include <QFrame>
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
      {Qt::Key_A, Qt::ControlModifier, "a", 1},
      {Qt::Key_unknown, {}, "\x0b", 11},
      {Qt::Key_S, Qt::ShiftModifier, "S", 83},
      {Qt::Key_Escape, {}, "\x1b", 27},
      {Qt::Key_Backspace, {}, "\b", 8},
      {Qt::Key_7, Qt::ShiftModifier, "/", 47},    // "/" on a German keyboard
      {Qt::Key_S, Qt::ControlModifier, "s", 19},  // Ctrl+S is not the echo key
      {Qt::Key_Z, Qt::ControlModifier, "\x1a", UndoKey},
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a", ShiftedRedoKey},
      {Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier, "\x0b", 11},
      {Qt::Key_S, Qt::AltModifier, "s", std::nullopt},
      {Qt::Key_Slash, Qt::ControlModifier, "/", std::nullopt},
      {Qt::Key_Left, {}, "", std::nullopt},
  };
  for (const Case& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
    EXPECT_EQ(keyAsciiFor(event), c.code) << std::hex << c.key << " " << c.modifiers.toInt();
  }
}

// Pointer moves are never merged; the splash reports done only when its time has passed, or at
// once without time to wait, and whoever closes it then closes it for good.
TEST(Application, PointerMovesAreNeverMergedAndTheSplashWaitsItsTime) {
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, true);
  configureApplication(*qApp);
  EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents));

  SplashWindow splash(0.15, 96);
  EXPECT_EQ(splash.size(), QSize(402, 149));
  EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), "Version 2.0");
  QSignalSpy done(&splash, &SplashWindow::finished);
  QElapsedTimer clock;
  clock.start();
  splash.show();
  ASSERT_TRUE(done.wait(5000));
  EXPECT_GE(clock.elapsed(), 150);
  QTest::qWait(100);
  EXPECT_EQ(done.count(), 1);
  SplashWindow instant(0, 96);
  QObject::connect(&instant, &SplashWindow::finished, &instant, &QWidget::close);
  instant.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !instant.windowHandle()->isVisible(); }, 1000));

  const std::pair<const char*, double> seconds[] = {{"0.5", 0.5}, {"3", 3}, {"abc", 3},
                                                    {"-1", 3},    {"5", 3}, {"nan", 3}};
  for (const auto& [asked, used] : seconds) {
    qputenv("KALYRA_SPLASH_SECONDS", asked);
    EXPECT_EQ(splashSeconds(), used) << asked;
  }
  qunsetenv("KALYRA_SPLASH_SECONDS");
}

using PanelTest = WindowTest;

// Showing the panel lifts the pen; presses on the panel belong to the panel and never toggle it.
TEST_F(PanelTest, RightClicksShowAndHideTheWholePanelAndItsOwnPressesStayOnIt) {
  clickCanvas(Qt::LeftButton);
  ASSERT_FALSE(k.PenUp);
  clickCanvas(Qt::RightButton);
  EXPECT_TRUE(k.PenUp && panelIs(true));
  for (QWidget* w :
       std::initializer_list<QWidget*>{panel.cmdColorBar, panel.CmdGradient, panel.ScrollSize,
                                       panel.txtRed, panel.MainFrame, panel.Label1}) {
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(panelIs(true)) << qPrintable(w->objectName());
  }
  clickCanvas(Qt::RightButton);
  EXPECT_TRUE(panelIs(false));
}

TEST_F(PanelTest, CtrlKWhileHiddenTakesEffectAtTheNextShowAndWhileShownAtOnce) {
  typeOnFocus(Qt::Key_K, Qt::ControlModifier);
  clickCanvas(Qt::RightButton);
  EXPECT_TRUE(panel.MainFrame->isVisible() && !panel.CmdExit->isVisible() &&
              !panel.CmdPrint->isVisible());
  typeOnFocus(Qt::Key_K, Qt::ControlModifier);
  EXPECT_TRUE(panel.CmdExit->isVisible() && panel.CmdPrint->isVisible());
  typeOnFocus(Qt::Key_K, Qt::ControlModifier);
  EXPECT_FALSE(panel.CmdExit->isVisible());
}

// After each handler the window shows the faces, texts, label colour and focus it left.
TEST_F(PanelTest, ButtonsShowTheirMarksTextsAndGiveTheKeysBackToTheCanvas) {
  clickCanvas(Qt::RightButton);
  click(panel.txtRed);
  ASSERT_EQ(QApplication::focusWidget(), panel.txtRed);
  QTest::keyClicks(panel.txtRed, "x");
  EXPECT_EQ(k.view.txtRed, "1x");  // the gradient reads what is typed at once
  click(panel.th[3]);
  EXPECT_TRUE(QApplication::focusWidget() == canvas && k.Thickness == 7);
  EXPECT_TRUE(panel.th[3]->face() == Qt::yellow && panel.th[1]->face() == Qt::white);
  EXPECT_EQ(panel.txtRed->text(), "0");  // checked when it lost the focus
  typeOnFocus(Qt::Key_S);
  EXPECT_EQ(panel.Label1->palette().color(QPalette::WindowText), Qt::red);
  click(panel.Label1);
  EXPECT_FALSE(k.EchoOn);
  click(panel.polyg[4]);
  EXPECT_TRUE(k.PolySides == 7 && panel.polyg[4]->face() == Qt::yellow &&
              panel.sty[0]->face() == Qt::white);
  click(panel.CmdFill);
  EXPECT_TRUE(k.FillMode && panel.CmdFill->face() == Qt::yellow);

  // The gradient shows each new colour on the colour bar.
  click(panel.CmdGradient);
  EXPECT_TRUE(panel.CmdGradient->face() == Qt::yellow && QApplication::focusWidget() == canvas);
  click(panel.CmdFill);
  clickCanvas(Qt::LeftButton, {600, 600});
  QTest::mouseMove(canvas, {610, 600});
  EXPECT_EQ(panel.cmdColorBar->face(), QColor(255, 2, 3));
  QTest::mouseMove(canvas, {620, 600});
  EXPECT_EQ(panel.cmdColorBar->face(), QColor(255, 4, 6));  // the red step was checked to 0

  // The size bar lifts the pen but leaves the focus where it is.
  click(panel.txtGreen);
  panel.ScrollSize->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_TRUE(k.BrushSize == 11 && k.PenUp && QApplication::focusWidget() == panel.txtGreen);
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

// The stroke runs under the pointer; its eight copies are repainted each on its own.
TEST_F(DrawingTest, APointerMoveDrawsEightWaysAndRepaintsOnlyWhatChanged) {
  QTest::mouseMove(canvas, {500, 500});
  clickCanvas(Qt::LeftButton, {500, 500});
  QApplication::processEvents();
  PaintRecorder recorder;
  canvas->installEventFilter(&recorder);
  QTest::mouseMove(canvas, {600, 300});
  QTest::mouseMove(canvas, {640, 320});
  QApplication::processEvents();
  const QImage& picture = window.surface().Image();
  for (const QPoint p : {QPoint(600, 300), QPoint(640, 320), QPoint(1024 - 640, 768 - 320),
                         QPoint(640, 768 - 320), QPoint(1024 - 600, 300)})
    EXPECT_EQ(picture.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
  QRect changed;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) != qRgb(255, 255, 255)) {
        changed |= QRect(x, y, 1, 1);
        ASSERT_TRUE(recorder.painted.contains(QPoint(x, y))) << x << "," << y;
      }
  int paintedArea = 0;
  for (const QRect& r : recorder.painted) paintedArea += r.width() * r.height();
  EXPECT_LT(paintedArea, changed.width() * changed.height() / 4);
  EXPECT_EQ(canvas->grab(QRect(630, 310, 20, 20)).toImage().pixel(10, 10), qRgb(255, 0, 0));
}

using LayoutTest = WindowTest;

// At 96 DPI 15 twips make a pixel; positions are relative to each control's container. Panel
// controls lie above the canvas, the frame below the rest.
TEST_F(LayoutTest, ControlsStandWhereTheirTwipsPutThemAndInTheirStackingOrder) {
  EXPECT_EQ(panel.CmdFill->geometry(), QRect(8, 288, 257, 33));
  EXPECT_EQ(panel.th[7]->geometry(), QRect(232, 136, 33, 25));
  EXPECT_EQ(panel.MainFrame->geometry(), QRect(2, 8, 270, 473));
  EXPECT_EQ(panel.CmdExit->geometry(), QRect(64, 400, 145, 28));  // inside the frame
  EXPECT_EQ(canvas->geometry(), window.rect());
  clickCanvas(Qt::RightButton);
  for (QWidget* w : std::initializer_list<QWidget*>{panel.CmdFill, panel.th[0], panel.CmdGradient,
                                                    panel.CmdExit, panel.Label1})
    EXPECT_EQ(window.childAt(w->mapTo(&window, QPoint(3, 3))), w) << qPrintable(w->objectName());
  EXPECT_TRUE(window.childAt(5, 270) == panel.MainFrame && window.childAt(600, 270) == canvas);
}

// The faces are the buttons' own painting, whatever the style does with palettes.
TEST_F(LayoutTest, StartsWithTheWhiteCanvasFocusedTheStartMarksAndSansSerifFonts) {
  EXPECT_TRUE(panelIs(false) && QApplication::focusWidget() == canvas);
  const QImage shown = canvas->grab().toImage();
  EXPECT_TRUE(shown.size() == QSize(1024, 768) && shown.pixelColor(0, 0) == Qt::white &&
              shown.pixelColor(1023, 767) == Qt::white);
  clickCanvas(Qt::RightButton);
  const auto faceOf = [](FaceButton* b) { return b->grab().toImage().pixelColor(4, 4); };
  EXPECT_TRUE(faceOf(panel.cmdColorBar) == Qt::red && faceOf(panel.sty[0]) == Qt::yellow &&
              faceOf(panel.th[1]) == Qt::yellow && faceOf(panel.mir[2]) == Qt::yellow &&
              faceOf(panel.th[0]) == Qt::white && faceOf(panel.polyg[0]) == Qt::white);
  for (QWidget* w : std::initializer_list<QWidget*>{panel.CmdFill, panel.txtRed, panel.Label1})
    EXPECT_TRUE(QFontInfo(w->font()).styleHint() == QFont::SansSerif ||
                QFontInfo(w->font()).family().contains(QStringLiteral("Sans")));
  EXPECT_TRUE(panel.CmdFill->font().pointSizeF() == 9.75 &&
              panel.txtGreen->font().pointSizeF() == 15 && panel.CmdFill->font().bold());
  EXPECT_TRUE(canvas->cursor().shape() == Qt::CrossCursor &&
              panel.txtRed->cursor().shape() == Qt::IBeamCursor &&
              panel.CmdGradient->cursor().shape() == Qt::ArrowCursor &&
              panel.MainFrame->cursor().shape() == Qt::ArrowCursor);
}
