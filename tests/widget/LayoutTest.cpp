#include <QFontInfo>
#include <QFrame>
#include <QScrollBar>

#include "widget/WindowFixture.h"

using LayoutTest = WindowTest;

// At 96 DPI 15 twips make a pixel; positions are relative to each control's container.
TEST_F(LayoutTest, ControlsStandWhereTheirTwipsPutThemAt96Dpi) {
  EXPECT_EQ(panel.CmdFill->geometry(), QRect(8, 288, 257, 33));
  EXPECT_EQ(panel.txtBlue->geometry(), QRect(200, 248, 62, 33));
  EXPECT_EQ(panel.cmdColorBar->geometry(), QRect(104, 64, 65, 25));
  EXPECT_EQ(panel.sty[2]->geometry(), QRect(72, 64, 33, 25));
  EXPECT_EQ(panel.mir[2]->geometry(), QRect(232, 64, 33, 25));
  EXPECT_EQ(panel.th[7]->geometry(), QRect(232, 136, 33, 25));
  EXPECT_EQ(panel.ScrollSize->geometry(), QRect(8, 116, 257, 17));
  EXPECT_EQ(panel.MainFrame->geometry(), QRect(2, 8, 270, 473));
  EXPECT_EQ(panel.CmdExit->geometry(), QRect(64, 400, 145, 28));  // inside the frame
  EXPECT_EQ(panel.Label1->geometry(), QRect(40, 432, 209, 25));
  EXPECT_EQ(canvas->geometry(), window.rect());
}

TEST_F(LayoutTest, PanelControlsLieAboveTheCanvasAndTheFrameBelowTheRest) {
  clickCanvas(Qt::RightButton);
  for (QWidget* w : std::initializer_list<QWidget*>{panel.CmdFill, panel.th[0], panel.CmdGradient,
                                                    panel.CmdExit, panel.Label1}) {
    EXPECT_EQ(window.childAt(w->mapTo(&window, QPoint(3, 3))), w) << qPrintable(w->objectName());
  }
  // Between the controls the panel's background shows, not the canvas.
  EXPECT_EQ(window.childAt(5, 270), panel.MainFrame);
  EXPECT_EQ(window.childAt(600, 270), canvas);
}

TEST_F(LayoutTest, StartsWithOnlyTheWhiteCanvasAndTheStartMarks) {
  EXPECT_TRUE(panelIs(false));
  EXPECT_EQ(QApplication::focusWidget(), canvas);
  const QImage shown = canvas->grab().toImage();
  EXPECT_EQ(shown.size(), QSize(1024, 768));
  EXPECT_EQ(shown.pixelColor(0, 0), Qt::white);
  EXPECT_EQ(shown.pixelColor(1023, 767), Qt::white);

  clickCanvas(Qt::RightButton);
  // The faces are the buttons' own painting, whatever the style does with palettes.
  const auto faceOf = [](FaceButton* b) { return b->grab().toImage().pixelColor(4, 4); };
  EXPECT_EQ(faceOf(panel.cmdColorBar), QColor(255, 0, 0));
  EXPECT_EQ(faceOf(panel.sty[0]), QColor(255, 255, 0));
  EXPECT_EQ(faceOf(panel.th[1]), QColor(255, 255, 0));
  EXPECT_EQ(faceOf(panel.mir[2]), QColor(255, 255, 0));
  EXPECT_EQ(faceOf(panel.polyg[0]), QColor(255, 255, 255));
  EXPECT_EQ(faceOf(panel.th[0]), QColor(255, 255, 255));
}

TEST_F(LayoutTest, FontsAreInstalledSansSerifAndCursorsFitTheControl) {
  for (QWidget* w : std::initializer_list<QWidget*>{panel.CmdFill, panel.txtRed, panel.Label1}) {
    EXPECT_TRUE(QFontInfo(w->font()).styleHint() == QFont::SansSerif ||
                QFontInfo(w->font()).family().contains(QStringLiteral("Sans")))
        << qPrintable(QFontInfo(w->font()).family());
  }
  EXPECT_DOUBLE_EQ(panel.CmdFill->font().pointSizeF(), 9.75);
  EXPECT_DOUBLE_EQ(panel.txtGreen->font().pointSizeF(), 15);
  EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
  EXPECT_EQ(panel.txtRed->cursor().shape(), Qt::IBeamCursor);
  EXPECT_EQ(panel.CmdGradient->cursor().shape(), Qt::ArrowCursor);  // not the canvas's cross
  EXPECT_EQ(panel.MainFrame->cursor().shape(), Qt::ArrowCursor);
}
