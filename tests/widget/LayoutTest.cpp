#include <QFrame>
#include <QScrollBar>

#include "widget/WindowFixture.h"

using LayoutTest = WindowTest;

// At 96 DPI 15 twips make a pixel; positions are relative to each control's container.
TEST_F(LayoutTest, ControlsStandWhereTheirTwipsPutThemAt96Dpi) {
  EXPECT_EQ(panel.CmdFill->geometry(), QRect(8, 288, 257, 33));
  EXPECT_EQ(panel.txtBlue->geometry(), QRect(200, 248, 62, 33));
  EXPECT_EQ(panel.txtRed->geometry(), QRect(8, 248, 65, 33));
  EXPECT_EQ(panel.cmdColorBar->geometry(), QRect(104, 64, 65, 25));
  EXPECT_EQ(panel.sty[2]->geometry(), QRect(72, 64, 33, 25));
  EXPECT_EQ(panel.mir[2]->geometry(), QRect(232, 64, 33, 25));
  EXPECT_EQ(panel.th[7]->geometry(), QRect(232, 136, 33, 25));
  EXPECT_EQ(panel.polyg[0]->geometry(), QRect(8, 88, 33, 25));
  EXPECT_EQ(panel.ScrollSize->geometry(), QRect(8, 116, 257, 17));
  EXPECT_EQ(panel.MainFrame->geometry(), QRect(2, 8, 270, 473));
  EXPECT_EQ(panel.CmdExit->geometry(), QRect(64, 400, 145, 28));
  EXPECT_EQ(panel.Label1->geometry(), QRect(40, 432, 209, 25));

  EXPECT_EQ(panel.CmdFill->parentWidget(), &window);
  EXPECT_EQ(panel.CmdGradient->parentWidget(), canvas);
  EXPECT_EQ(panel.CmdPrint->parentWidget(), panel.MainFrame);
  EXPECT_EQ(canvas->geometry(), window.rect());
}

TEST_F(LayoutTest, PanelControlsLieAboveTheCanvasAndTheFrameBelowTheRest) {
  clickCanvas(Qt::RightButton);
  const auto topAt = [this](QWidget* w) { return window.childAt(w->mapTo(&window, QPoint(3, 3))); };
  for (QWidget* w : {static_cast<QWidget*>(panel.CmdFill), static_cast<QWidget*>(panel.th[0]),
                     static_cast<QWidget*>(panel.CmdGradient), static_cast<QWidget*>(panel.CmdExit),
                     static_cast<QWidget*>(panel.Label1)}) {
    EXPECT_EQ(topAt(w), w) << w->objectName().toStdString();
  }
  // Between the controls the panel's background shows, not the canvas.
  EXPECT_EQ(window.childAt(5, 270), panel.MainFrame);
  EXPECT_EQ(window.childAt(600, 270), canvas);
}

TEST_F(LayoutTest, CaptionsFontsTooltipsAndCursors) {
  EXPECT_EQ(panel.CmdFill->text(), "F&ill");
  EXPECT_EQ(panel.CmdExit->text(), "&Exit Kalyra!");
  EXPECT_EQ(panel.polyg[7]->text(), "P10");
  EXPECT_EQ(panel.mir[1]->text(), "4");
  EXPECT_EQ(panel.mir[2]->toolTip(), "Draws in 8 way mirrored mode. ");
  EXPECT_EQ(panel.th[5]->toolTip(), "Choose thickness of drawing tool.");
  EXPECT_TRUE(panel.CmdPrint->toolTip().isEmpty());

  EXPECT_EQ(panel.CmdFill->font().styleHint(), QFont::SansSerif);
  EXPECT_DOUBLE_EQ(panel.CmdFill->font().pointSizeF(), 9.75);
  EXPECT_TRUE(panel.CmdFill->font().bold());
  EXPECT_DOUBLE_EQ(panel.txtGreen->font().pointSizeF(), 15);
  EXPECT_DOUBLE_EQ(panel.mir[0]->font().pointSizeF(), 15.75);
  EXPECT_EQ(panel.txtBlue->palette().color(QPalette::Text), QColor(0, 0, 192));

  EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);
  EXPECT_EQ(panel.txtRed->cursor().shape(), Qt::IBeamCursor);
  EXPECT_EQ(panel.CmdGradient->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(panel.MainFrame->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(LayoutTest, StartsWithOnlyTheWhiteCanvasAndTheStartMarks) {
  for (int c = 0; c < ControlCount; ++c)
    for (QWidget* w : panel.widgetsOf(Control(c))) EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(canvas->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), canvas);
  EXPECT_EQ(window.windowTitle(), "Kalyra!");

  const QImage shown = canvas->grab().toImage();
  EXPECT_EQ(shown.size(), QSize(1024, 768));
  EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(shown.pixel(1023, 767), qRgb(255, 255, 255));

  EXPECT_EQ(faceOf(panel.cmdColorBar), QColor(255, 0, 0));
  EXPECT_EQ(faceOf(panel.sty[0]), QColor(255, 255, 0));
  EXPECT_EQ(faceOf(panel.th[1]), QColor(255, 255, 0));
  EXPECT_EQ(faceOf(panel.mir[2]), QColor(255, 255, 0));
  EXPECT_EQ(faceOf(panel.polyg[0]), QColor(255, 255, 255));
  EXPECT_EQ(faceOf(panel.th[0]), QColor(255, 255, 255));
}

// The face is the button's own painting, whatever the style does with palettes.
TEST_F(LayoutTest, ButtonFacesShowTheirColour) {
  clickCanvas(Qt::RightButton);
  const QImage bar = panel.cmdColorBar->grab().toImage();
  EXPECT_EQ(bar.pixelColor(bar.width() / 2, bar.height() / 2), QColor(255, 0, 0));
  const QImage th1 = panel.th[1]->grab().toImage();
  EXPECT_EQ(th1.pixelColor(4, 4), QColor(255, 255, 0));
}
