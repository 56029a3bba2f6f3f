#include <QFontInfo>
#include <QScrollBar>

#include "app/Application.h"
#include "app/AutosaveRunner.h"
#include "history/AutosaveSlot.h"
#include "widget/WindowFixture.h"

// Pointer moves are never merged; the splash waits as long as asked, within reason.
TEST(Application, PointerMovesAreNeverMergedAndTheSplashWaitsWithinReason) {
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, true);
  configureApplication(*qApp);
  EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents));
  SplashWindow splash(0.3, 96);
  EXPECT_EQ(splash.size(), QSize(402, 149));
  EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), "Version 2.0");
  const auto seconds = [](const char* asked) {
    return qputenv("KALYRA_SPLASH_SECONDS", asked), splashSeconds();
  };
  EXPECT_EQ((std::vector{seconds("0.5"), seconds("0"), seconds("3"), seconds("abc"), seconds("-1"),
                         seconds("5"), seconds("nan")}),
            (std::vector{0.5, 0., 3., 3., 3., 3., 3.}));
  qunsetenv("KALYRA_SPLASH_SECONDS");
}

using PanelTest = WindowTest;

// A click on a step box takes the keyboard, a click on a button gives it back to the canvas, the
// size bar leaves it where it is; Exit ends the program.
TEST_F(PanelTest, ThePanelShowsWhatItsHandlersLeftAndExitEndsTheProgram) {
  tap(Qt::RightButton);
  click(panel.txtRed);
  ASSERT_EQ(QApplication::focusWidget(), panel.txtRed);
  QTest::keyClicks(panel.txtRed, "x");
  EXPECT_EQ(k.view.txtRed, "1x");  // the gradient reads what is typed at once
  click(panel.th[3]);
  EXPECT_TRUE(QApplication::focusWidget() == canvas && panel.txtRed->text() == "0");
  QTest::mousePress(panel.Label1, Qt::LeftButton);  // let go beside it: no click
  QTest::mouseRelease(panel.Label1, Qt::LeftButton, {}, {-5, -5});
  EXPECT_FALSE(k.EchoOn);
  click(panel.CmdGradient);  // each new colour of the gradient shows on the colour bar
  EXPECT_EQ(QApplication::focusWidget(), canvas);
  tap(Qt::LeftButton, {600, 600});
  move({610, 600});
  move({620, 600});
  EXPECT_EQ(faceOf(panel.cmdColorBar), QColor(255, 4, 6));  // the red step was checked to 0
  click(panel.txtGreen);  // the size bar lifts the pen but leaves the focus where it is
  panel.ScrollSize->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_TRUE(k.BrushSize == 11 && k.PenUp && QApplication::focusWidget() == panel.txtGreen);
  QObject guard;
  QTimer::singleShot(0, &guard, [this] { click(panel.CmdExit); });
  QTimer::singleShot(10000, &guard, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
}

using LayoutTest = WindowTest;

// The window starts white, focused, panel hidden (where a stroke lands is the control table's
// and the end-to-end tests'). At 96 DPI 15 twips make a pixel, relative to each control's
// container; panel controls lie above the canvas, the frame below the rest. The faces are the
// buttons' own painting, whatever the style does with palettes.
TEST_F(LayoutTest, StartsWhiteAndShowsThePanelAsLaidOut) {
  EXPECT_TRUE(panelIs(false) && QApplication::focusWidget() == canvas);
  EXPECT_TRUE(canvas->grab().toImage().pixelColor(1023, 767) == Qt::white);

  EXPECT_TRUE(panel.CmdFill->geometry() == QRect(8, 288, 257, 33) &&
              panel.th[7]->geometry() == QRect(232, 136, 33, 25) &&
              panel.MainFrame->geometry() == QRect(2, 8, 270, 473) &&
              panel.CmdExit->geometry() == QRect(64, 400, 145, 28) &&  // inside the frame
              canvas->geometry() == window.rect() && panel.ScrollSize->maximum() == 350);
  tap(Qt::RightButton);
  for (QWidget* w : {(QWidget*)panel.CmdFill, (QWidget*)panel.th[0], (QWidget*)panel.CmdGradient,
                     (QWidget*)panel.CmdExit, (QWidget*)panel.Label1})
    EXPECT_EQ(window.childAt(w->mapTo(&window, QPoint(3, 3))), w) << qPrintable(w->objectName());
  EXPECT_TRUE(window.childAt(5, 270) == panel.MainFrame && window.childAt(600, 270) == canvas);
  EXPECT_TRUE(faceOf(panel.cmdColorBar) == Qt::red && faceOf(panel.sty[0]) == Qt::yellow &&
              faceOf(panel.th[1]) == Qt::yellow && faceOf(panel.mir[2]) == Qt::yellow &&
              faceOf(panel.th[0]) == Qt::white && faceOf(panel.polyg[0]) == Qt::white);
  for (QWidget* w : {(QWidget*)panel.CmdFill, (QWidget*)panel.txtRed, (QWidget*)panel.Label1})
    EXPECT_TRUE(QFontInfo(w->font()).styleHint() == QFont::SansSerif ||
                QFontInfo(w->font()).family().contains(QStringLiteral("Sans")));
  EXPECT_TRUE(panel.CmdFill->font().pointSizeF() == 9.75 && panel.CmdFill->font().bold() &&
              panel.txtGreen->font().pointSizeF() == 15);
  const auto cursor = [](QWidget* w) { return w->cursor().shape(); };
  EXPECT_TRUE(cursor(canvas) == Qt::CrossCursor && cursor(panel.txtRed) == Qt::IBeamCursor &&
              cursor(panel.CmdGradient) == Qt::ArrowCursor &&
              cursor(panel.MainFrame) == Qt::ArrowCursor);
}

// The autosave keeps a drawing not saved when the program ends, and a write that fails is told
// in a line inside the window, wrapped when it is long.
TEST_F(LayoutTest, TheAutosaveKeepsUnsavedWorkAtTheEndAndToldOfFailuresInsideTheWindow) {
  QTemporaryDir dir;
  QFile(dir.filePath("plain")).open(QIODevice::WriteOnly);  // a file, where a folder should be
  AutosaveRunner kept(dir.filePath("kept.png"), window.surface(), k.history, &window),
      failing(dir.filePath("plain/no.png"), window.surface(), k.history, &window);
  QTest::qWait(300);  // both have taken the canvas as it starts
  tap(Qt::LeftButton, {500, 500});
  move({600, 300});
  const QLabel* notice = window.findChildren<QLabel*>(QStringLiteral("autosaveNotice")).value(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return notice->isVisible(); }, 5000));  // the failing one's
  EXPECT_TRUE(window.rect().contains(notice->geometry()));
  const int oneLine = notice->height();
  failing.tell(QStringLiteral("a reason given in many words ").repeated(40));
  EXPECT_TRUE(window.rect().contains(notice->geometry()) && notice->height() > 2 * oneLine);
  kept.finish();
  EXPECT_TRUE(QFile::exists(dir.filePath("kept.png")));
  // An unreadable leftover put aside at start is told at once.
  QFile leftover(dir.filePath("data/autosave-0.png"));
  ASSERT_TRUE(QDir().mkpath(dir.filePath("data")) && leftover.open(QIODevice::WriteOnly) &&
              leftover.write("damaged") > 0);
  leftover.close();
  AutosaveSlot slot(dir.filePath("data"));
  MainWindow next(platform, 96);
  next.recoverAndAutosave(slot, false);
  const auto told = next.findChildren<QLabel*>(QStringLiteral("autosaveNotice"));
  EXPECT_TRUE(std::ranges::any_of(told, [&](const QLabel* l) {
    return l->isVisibleTo(&next) && l->text().contains(QStringLiteral("unreadable"));
  }));
}
