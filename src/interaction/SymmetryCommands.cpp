#include "Kalyra.h"

// Choosing a kind or order is a tool selection: it lifts the pen and gives the keys back to the
// canvas. While a spin or kaleidoscope is chosen, no mirror mode button is marked; a click on
// one goes back to the mirror modes.
void Kalyra::chooseSymmetry(Symmetry::Kind kind, int order) {
  liftPen();
  symmetry.set(kind, order);
  view.mir[MirIndex] = kind == Symmetry::Kind::Mirror ? Yellow : White;
  requestCanvasFocus();
}

// A second click on the chosen kind goes back to the mirror modes.
void Kalyra::cmdSpin_Click() {
  const bool on = symmetry.kind() == Symmetry::Kind::Spin;
  chooseSymmetry(on ? Symmetry::Kind::Mirror : Symmetry::Kind::Spin, symmetry.order());
}

void Kalyra::cmdKaleidoscope_Click() {
  const bool on = symmetry.kind() == Symmetry::Kind::Kaleidoscope;
  chooseSymmetry(on ? Symmetry::Kind::Mirror : Symmetry::Kind::Kaleidoscope, symmetry.order());
}

// The order of a spin or kaleidoscope goes from 2 to 32; order 1 would be no symmetry at all.
void Kalyra::cmdOrderDown_Click() {
  chooseSymmetry(symmetry.kind(), std::max(symmetry.order() - 1, 2));
}

void Kalyra::cmdOrderUp_Click() {
  chooseSymmetry(symmetry.kind(), symmetry.order() + 1);
}

void Kalyra::cmdRainbow_Click() {
  symmetry.rainbow = !symmetry.rainbow;
  requestCanvasFocus();
}

void Kalyra::cmdGuides_Click() {
  symmetry.guides = !symmetry.guides;
  requestCanvasFocus();
}

void Kalyra::cmdCentre_Click() {
  liftPen();
  symmetry.moveCentre(std::nullopt);
  requestCanvasFocus();
}

// The centre goes to the pixel under the pointer in whole units, where fills and picks act.
void Kalyra::CentreAtPointer() {
  liftPen();
  symmetry.moveCentre(Canvas.toPixel(MouseX, MouseY));
}

void Kalyra::SymmetryKeyPress(int keyAscii) {
  switch (keyAscii) {
    case 'k':
    case 'K':
      return cmdKaleidoscope_Click();
    case 't':
    case 'T':
      return cmdSpin_Click();
    case '+':
    case '=':
      return cmdOrderUp_Click();
    case '-':
    case '_':
      return cmdOrderDown_Click();
    case 'r':
    case 'R':
      return cmdRainbow_Click();
    case 'g':
    case 'G':
      return cmdGuides_Click();
    case 'c':
    case 'C':
      return CentreAtPointer();
    case 'h':
    case 'H':
      return cmdCentre_Click();
    default:
      return;
  }
}
