#pragma once

#include <QString>
#include <array>

#include "colour/Colour.h"

// The controls of the control panel that the program shows and hides one by one. The four
// button arrays are switched as a whole.
enum class Control {
  MainFrame,
  CmdFrame,
  CmdPrint,
  CmdExit,
  ScrollSize,
  CmdFill,
  txtRed,
  txtGreen,
  txtBlue,
  CmdGradient,
  cmdColorBar,
  CmdSetForeColor,
  CmdSetBackColor,
  cmdOpen,
  CmdSave,
  th,
  sty,
  mir,
  polyg,
};
inline constexpr int ControlCount = int(Control::polyg) + 1;

// Everything the window shows of the program's state besides the picture: which controls are
// visible, the button faces, the echo label's colour, the texts of the step boxes, the size
// bar, and whether the canvas asked for the keyboard focus. The handlers write it; the window
// renders it after each event.
struct PanelView {
  std::array<bool, ControlCount> visible{};  // the panel starts hidden

  std::array<Colour, 8> th;
  std::array<Colour, 3> sty;
  std::array<Colour, 8> polyg;
  std::array<Colour, 3> mir;
  Colour CmdFill = White;
  Colour CmdGradient = White;
  Colour cmdColorBar = White;
  Colour Label1ForeColor = Black;

  QString txtRed = QStringLiteral("1");
  QString txtGreen = QStringLiteral("2");
  QString txtBlue = QStringLiteral("3");
  int ScrollSize = 1;  // the size bar's value, 1–350

  bool canvasFocusRequested = false;
  // The keyboard goes to the panel's first control.
  bool panelFocusRequested = false;

  PanelView() {
    th.fill(White);
    sty.fill(White);
    polyg.fill(White);
    mir.fill(White);
  }

  bool isVisible(Control c) const { return visible[std::size_t(c)]; }
  void setVisible(Control c, bool shown) { visible[std::size_t(c)] = shown; }
};
