#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

#include "canvas/Surface.h"
#include "colour/Colour.h"
#include "history/History.h"
#include "interaction/Panel.h"
#include "platform/Platform.h"
#include "symmetry/Symmetry.h"

// The program: every field and handler of the main window, with the names the program has
// always used. The window translates its events into these handlers and renders `view` and the
// canvas's changed area afterwards; nothing here needs a display. Handlers are defined next to
// the behaviour they belong to (canvas/, colour/, interaction/, files/).
// A message the window shows the user.
struct Notice {
  QString title;
  QString text;
};

class Kalyra {
 public:
  Kalyra(Surface& canvas, Platform& platform) : Canvas(canvas), platform(platform) {}

  // Gives every field its start value and sets the canvas's coordinate system from the screen.
  void Form_Load();

  // The canvas's pointer, press and key events. X and Y are in canvas units.
  void Canvas_MouseMove(int button, int shift, float X, float Y);
  void Canvas_MouseDown(int button, int shift, float X, float Y);
  void Canvas_KeyPress(int keyAscii);

  // Tool selectors and the echo switch.
  void th_Click(int i);
  void sty_Click(int i);
  void polyg_Click(int i);
  void mir_Click(int i);
  void ScrollSize_Change();  // reads view.ScrollSize
  void ToggleEcho();

  // Panel visibility.
  void ShowPanel();
  void HidePanel();
  void Label1_Click();
  void PanelKey_Press();  // F10, Shift+F10 or the Menu key, wherever the keyboard is

  // Fill and undo.
  void CmdFill_Click();
  void FillAtPointer();
  void FillAt(QPoint pixel);
  void TakeUndoSnapshot();
  void endChange();
  void RestoreUndoSnapshot();
  // Steps back and forth through the history; both lift the pen.
  void UndoStep();
  void RedoStep();

  // Colour state and the gradient.
  void StepGradient();
  void CmdGradient_Click();
  void txtRed_LostFocus();
  void txtGreen_LostFocus();
  void txtBlue_LostFocus();
  void PickColorAtPointer();
  int DisplayColorDepth();
  void SplitColor(Colour colour);
  void SnapTo16Bit();  // on the three components

  // Colour commands and the frame.
  void CmdSetForeColor_Click();
  void CmdSetBackColor_Click();
  void cmdColorBar_MouseDown(int button, int shift, float X, float Y);
  double RandomComponent(int depth, bool green);
  void CmdFrame_Click();

  // The symmetry strip and its keys on the canvas.
  void cmdSpin_Click();
  void cmdKaleidoscope_Click();
  void cmdOrderDown_Click();
  void cmdOrderUp_Click();
  void cmdRainbow_Click();
  void cmdGuides_Click();
  void cmdCentre_Click();  // the centre back to the screen's centre
  void CentreAtPointer();
  void SymmetryKeyPress(int keyAscii);
  // The patterns beside the strip: choose one (again: back to the mirror modes), step the cell
  // size, stretch a free grid's cell, and their keys.
  void cmdPattern_Click(int i);
  void cmdCellSize_Click(int steps);
  void cmdStretch_Click(int steps);
  void PatternKeyPress(int keyAscii);

  // Picture files and printing. Each gives back a notice for the user when it could not do
  // what was asked; cancelling a dialog is not a failure and gives none.
  std::optional<Notice> cmdOpen_Click();
  std::optional<Notice> CmdSave_Click();
  std::optional<Notice> CmdPrint_Click();
  // Opens a picture named on the command line as the background, as the Load button does.
  std::optional<Notice> openPictureAtStart(const QString& path);

  // The polygon brush with all its mirror copies.
  void DrawPolygon(std::int16_t cx, std::int16_t cy, int sides, int radius);

  Surface& Canvas;
  Platform& platform;
  PanelView view;

  // Drawing state.
  bool StrokeStarted = false;
  std::int16_t ThIndex = 1;
  std::int16_t StyIndex = 0;
  std::int16_t MirIndex = 2;
  std::int16_t PolygIndex = 0;
  float LastX = 0;
  float LastY = 0;
  float EchoLastX = 0;
  std::int16_t EchoLastY = 0;
  bool EchoOn = false;
  std::int16_t BrushSize = 1;
  std::int16_t Thickness = 3;
  std::int16_t PolySides = 3;
  std::int16_t MirrorMode = 2;
  std::int16_t DrawStyle = 0;
  std::int16_t MouseX = 0;
  std::int16_t MouseY = 0;
  bool PenUp = true;

  // Colour state.
  double RedValue = 255;
  double GreenValue = 0;
  double BlueValue = 0;
  std::int16_t RedDir = 1;
  std::int16_t GreenDir = 1;
  std::int16_t BlueDir = 1;
  bool GradientOn = false;

  // Presses, fill, keys and panel.
  std::int16_t ClicksOn = 1;
  bool FillMode = false;
  std::int32_t FillSurfaceColor = 0;
  std::int16_t ExitPrintJustShown = 0;
  bool ExitPrintShown = true;

  // The images of a point: the kind and order of symmetry, its centre and its switches.
  Symmetry symmetry;

  // The undo snapshot; null until the first one is taken.
  QImage Undo;
  // Every change that can be undone, step by step.
  History history;

  // Start-up.
  QString ProgramDir;
  QString PictureFileName;
  std::int16_t ScreenPixelWidth = 0;
  std::int16_t ScreenPixelHeight = 0;

 private:
  void liftPen();
  void requestCanvasFocus() { view.canvasFocusRequested = true; }
  double stepOf(const QString& text) const;
  void validateStepBox(QString& text) const;
  void drawLineBrush(float X, float Y);
  void stampShapes(float X, float Y);
  void chooseSymmetry(Symmetry::Kind kind, int order);
};
