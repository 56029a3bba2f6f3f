#include <QLocale>
#include <cmath>

#include "Kalyra.h"

namespace {

// A step box's text as a number, in the user's locale. Text that is not a finite number counts
// as 0, so a box that is being typed into never stops the gradient.
std::optional<double> numberIn(const QString& text) {
  bool ok = false;
  const double value = QLocale().toDouble(text, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

void holdAtLowerBound(double& value, std::int16_t& dir) {
  if (value <= 0) {
    value = 0;
    dir = 1;
  }
}

void holdAtUpperBound(double& value, std::int16_t& dir) {
  if (value >= 255) {
    value = 255;
    dir = -1;
  }
}

}  // namespace

double Kalyra::stepOf(const QString& text) const {
  return numberIn(text).value_or(0);
}

// Each channel runs its own triangle wave between 0 and 255. Snapping for a 16-bit display
// changes only the colour drawn, never the running components.
void Kalyra::StepGradient() {
  const int depth = DisplayColorDepth();
  RedValue += RedDir * stepOf(view.txtRed);
  GreenValue += GreenDir * stepOf(view.txtGreen);
  BlueValue += BlueDir * stepOf(view.txtBlue);
  holdAtLowerBound(BlueValue, BlueDir);
  holdAtLowerBound(GreenValue, GreenDir);
  holdAtLowerBound(RedValue, RedDir);
  holdAtUpperBound(BlueValue, BlueDir);
  holdAtUpperBound(GreenValue, GreenDir);
  holdAtUpperBound(RedValue, RedDir);

  const Components running{RedValue, GreenValue, BlueValue};
  if (depth == 16) SnapTo16Bit();
  Canvas.ForeColor = packColour(RedValue, GreenValue, BlueValue);
  view.cmdColorBar = Canvas.ForeColor;
  RedValue = running.red;
  GreenValue = running.green;
  BlueValue = running.blue;
}

void Kalyra::CmdGradient_Click() {
  GradientOn = !GradientOn;
  view.CmdGradient = GradientOn ? Yellow : White;
  requestCanvasFocus();
}

void Kalyra::validateStepBox(QString& text) const {
  if (!numberIn(text)) text = QStringLiteral("0");
  if (*numberIn(text) > 1000) text = QStringLiteral("1000");
}

void Kalyra::txtRed_LostFocus() {
  validateStepBox(view.txtRed);
}
void Kalyra::txtGreen_LostFocus() {
  validateStepBox(view.txtGreen);
}
void Kalyra::txtBlue_LostFocus() {
  validateStepBox(view.txtBlue);
}

// Takes the drawing colour from the pixel under the pointer. The directions stay, so a gradient
// goes on from the picked colour.
void Kalyra::PickColorAtPointer() {
  const Colour c = Canvas.Point(MouseX, MouseY);
  Canvas.ForeColor = c;
  view.cmdColorBar = Canvas.ForeColor;
  SplitColor(c);
}

int Kalyra::DisplayColorDepth() {
  return platform.displayColourDepth();
}

void Kalyra::SplitColor(Colour colour) {
  const Components c = splitColour(colour);
  RedValue = c.red;
  GreenValue = c.green;
  BlueValue = c.blue;
}

void Kalyra::SnapTo16Bit() {
  const Components c = snapTo16Bit({RedValue, GreenValue, BlueValue});
  RedValue = c.red;
  GreenValue = c.green;
  BlueValue = c.blue;
}
