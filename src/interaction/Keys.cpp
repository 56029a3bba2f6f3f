#include "Kalyra.h"
#include "history/HistoryKeys.h"

namespace {

constexpr int CtrlK = 11;
constexpr int Backspace = 8;
constexpr int Escape = 27;
constexpr int Slash = 47;
constexpr int Space = 32;

}  // namespace

void Kalyra::Canvas_KeyPress(int keyAscii) {
  if (keyAscii == CtrlK) {
    // Each press flips whether Exit and Print belong on the panel; while the panel is hidden
    // the next ShowPanel applies it.
    if (!ExitPrintShown) {
      ExitPrintShown = true;
      ExitPrintJustShown = -1;
      if (view.isVisible(Control::MainFrame)) {
        view.setVisible(Control::CmdExit, true);
        view.setVisible(Control::CmdPrint, true);
      }
    }
    if (ExitPrintJustShown == 0 && ExitPrintShown) {
      ExitPrintShown = false;
      if (view.isVisible(Control::MainFrame)) {
        view.setVisible(Control::CmdExit, false);
        view.setVisible(Control::CmdPrint, false);
      }
    }
    ExitPrintJustShown = 0;
  }
  if (keyAscii == 's' || keyAscii == 'S') ToggleEcho();
  if (keyAscii == Escape) FillAtPointer();
  if (keyAscii == Slash) ClicksOn = ClicksOn == 0 ? 1 : 0;
  if (keyAscii == Space) PickColorAtPointer();
  if (keyAscii == Backspace) RestoreUndoSnapshot();
  if (keyAscii == UndoKey) UndoStep();
  if (keyAscii == RedoKey || keyAscii == ShiftedRedoKey) RedoStep();
  SymmetryKeyPress(keyAscii);
  PatternKeyPress(keyAscii);
}
