#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <array>
#include <vector>

#include "interaction/Panel.h"

class FaceButton;
class QFrame;
class QScrollBar;

// A gradient step box. It reports losing the keyboard focus to another control of the
// program, which is when its text is checked; a context menu or a switch to another program
// is not such a loss.
class StepBox : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

 signals:
  void lostFocus();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
};

// The panel's title, which switches the echo when clicked, or with Space or Enter once Tab has
// reached it. Assistive tools see it as the echo's check box.
class TitleLabel : public QLabel {
  Q_OBJECT

 public:
  TitleLabel(const QString& text, QWidget* parent);

  // Whether the echo it switches is on (the title is red then).
  bool isOn() const { return on_; }
  void setOn(bool on);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool on_ = false;
};

// Lets assistive tools see the title as the echo's switch.
void installTitleAccessibility();

// Every control of the control panel, placed, labelled and stacked as the program lays it out:
// some belong to the window, some to the canvas, three to the panel's frame. They are all
// hidden until the program shows the panel.
struct PanelWidgets {
  Q_DECLARE_TR_FUNCTIONS(PanelWidgets)

 public:
  PanelWidgets(QWidget* window, QWidget* canvas, double logicalDpi);

  // The widgets that show one control of the program (a button array has several).
  const std::vector<QWidget*>& widgetsOf(Control control) const {
    return byControl[std::size_t(control)];
  }

  QFrame* MainFrame;
  FaceButton* CmdFill;
  FaceButton* CmdSave;
  StepBox* txtBlue;
  StepBox* txtGreen;
  FaceButton* CmdSetBackColor;
  FaceButton* CmdSetForeColor;
  std::array<FaceButton*, 8> polyg;
  std::array<FaceButton*, 8> th;
  FaceButton* cmdColorBar;
  std::array<FaceButton*, 3> mir;
  std::array<FaceButton*, 3> sty;
  QScrollBar* ScrollSize;
  FaceButton* CmdFrame;
  StepBox* txtRed;
  FaceButton* CmdGradient;
  FaceButton* cmdOpen;
  FaceButton* CmdPrint;
  FaceButton* CmdExit;
  TitleLabel* Label1;

 private:
  void placeWindowArrays(QWidget* window, double dpi);
  void placeWindowCommands(QWidget* window, double dpi);
  void placeCanvasControls(QWidget* canvas, double dpi);
  void placeFrameControls(double dpi);
  void collectControls();
  void describeUnlabelled();
  void orderTabs(QWidget* canvas);

  std::array<std::vector<QWidget*>, ControlCount> byControl;
};
