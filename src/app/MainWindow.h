#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "Kalyra.h"
#include "app/PanelWidgets.h"
#include "canvas/Surface.h"

class AutosaveRunner;
class AutosaveSlot;
class CanvasWidget;
class QScreen;
class PatternChooser;
class SymmetryStrip;

// The main window "Kalyra!": the canvas over the whole screen with the control panel above it.
// It only translates: each Qt event becomes a call of the program's handler, after which the
// window repaints the part of the picture that changed and shows what the handler left in the
// panel view.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // The canvas gets the platform's screen size in pixels; controls are laid out for
  // `logicalDpi`. The program's start values are assigned here, before the window shows.
  MainWindow(Platform& platform, double logicalDpi);
  ~MainWindow() override;

  // Covers the screen exactly, whether or not a window manager honours full-screen requests.
  void showOnScreen(QScreen* screen);
  // Opens a picture named on the command line as the background.
  std::optional<Notice> openPictureAtStart(const QString& path);
  // Before the window shows: brings back the canvas an earlier run left in the slot, asking
  // the user unless `withoutAsking`; then keeps the canvas autosaved there.
  void recoverAndAutosave(AutosaveSlot& slot, bool withoutAsking);
  // Tells the user what a command could not do.
  void showNotice(const std::optional<Notice>& notice);

  Kalyra& core() { return k_; }
  const Surface& surface() const { return surface_; }
  CanvasWidget* canvas() const { return canvas_; }
  const PanelWidgets& panel() const { return *panel_; }
  SymmetryStrip* symmetryStrip() const { return strip_; }
  PatternChooser* patternChooser() const { return chooser_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void connectCanvas();
  void connectSelectors();
  void connectCommands();
  void connectStepBoxes();
  void connectSymmetry();
  // After every handler: repaints what changed and shows the panel view.
  void sync();
  void renderView();
  void renderFaces();
  void renderTexts();
  void renderSymmetry();

  Surface surface_;
  Kalyra k_;
  CanvasWidget* canvas_;
  std::unique_ptr<PanelWidgets> panel_;
  std::unique_ptr<AutosaveRunner> autosave_;
  SymmetryStrip* strip_;
  PatternChooser* chooser_;
  bool syncing_ = false;
  bool syncAgain_ = false;
};
