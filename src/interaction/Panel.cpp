#include "Kalyra.h"

// The panel's controls are switched one by one, in a fixed order; Exit and Print come back only
// while they belong on the panel. Neither routine moves the focus, the pen or the picture.
void Kalyra::ShowPanel() {
  const Control order[] = {Control::MainFrame,
                           Control::CmdFrame,
                           Control::CmdPrint,
                           Control::CmdExit,
                           Control::ScrollSize,
                           Control::CmdFill,
                           Control::txtRed,
                           Control::txtGreen,
                           Control::txtBlue,
                           Control::CmdGradient,
                           Control::cmdColorBar,
                           Control::CmdSetForeColor,
                           Control::CmdSetBackColor,
                           Control::cmdOpen,
                           Control::CmdSave,
                           Control::th,
                           Control::sty,
                           Control::mir,
                           Control::polyg};
  for (Control c : order) {
    if ((c == Control::CmdPrint || c == Control::CmdExit) && !ExitPrintShown) continue;
    view.setVisible(c, true);
  }
}

void Kalyra::HidePanel() {
  const Control order[] = {Control::MainFrame,
                           Control::CmdFrame,
                           Control::CmdPrint,
                           Control::CmdExit,
                           Control::CmdFill,
                           Control::ScrollSize,
                           Control::txtRed,
                           Control::txtGreen,
                           Control::txtBlue,
                           Control::CmdGradient,
                           Control::cmdOpen,
                           Control::CmdSave,
                           Control::cmdColorBar,
                           Control::CmdSetForeColor,
                           Control::CmdSetBackColor,
                           Control::th,
                           Control::sty,
                           Control::mir,
                           Control::polyg};
  for (Control c : order) view.setVisible(c, false);
}

void Kalyra::Label1_Click() {
  ToggleEcho();
}

// The panel's key (F10 or the Menu key) is the keyboard's right click: it shows the panel with
// the keyboard on its first control, and hides it again with the keyboard back on the canvas.
void Kalyra::PanelKey_Press() {
  if (view.isVisible(Control::cmdColorBar)) {
    HidePanel();
    requestCanvasFocus();
  } else {
    liftPen();
    ShowPanel();
    view.panelFocusRequested = true;
  }
}
