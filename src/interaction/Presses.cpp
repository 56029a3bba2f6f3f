#include "Kalyra.h"

namespace {

constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MiddleButton = 4;

}  // namespace

// A press acts at the pointer recorded by the last move, never at the press position. The four
// tests are all made; at most one of them acts, as they test different buttons or exclude one
// another. Releasing a button does nothing: drawing is switched by clicks.
void Kalyra::Canvas_MouseDown(int button, int, float, float) {
  if (button == MiddleButton) PickColorAtPointer();
  if (button == LeftButton && FillMode) FillAtPointer();
  if (button == LeftButton && ClicksOn == 1 && !FillMode) {
    if (!PenUp) {
      liftPen();
    } else {
      TakeUndoSnapshot();
      PenUp = false;
    }
  }
  if (button == RightButton && ClicksOn == 1) {
    if (!view.isVisible(Control::cmdColorBar)) {
      liftPen();
      ShowPanel();
    } else {
      HidePanel();  // a drawing in progress goes on over the whole screen
    }
  }
}
