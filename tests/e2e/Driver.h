#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include "Kalyra.h"
#include "app/Layout.h"
#include "e2e/XSession.h"
#include "support/FakePlatform.h"

// The real program on a virtual X server, driven with xdotool and checked on screenshots.
// Everything done to the program is also done to a core of its own on a surface of the screen's
// size: that core's picture is what the screen must show, pixel for pixel.

inline constexpr double Patience = 60;  // seconds; a sanitizer build starts and draws slowly

class Driver {
 public:
  // On a scaled screen the toolkit reports the pointer in whole logical pixels, so the test
  // moves only to device pixels that such a position can name.
  explicit Driver(VirtualScreen& screen, int scale = 1);

  void moveTo(QPoint p);
  // button: 1 left, 2 right, 4 middle, as the program counts them.
  void click(int button);
  void clickAt(QPoint p, int button);
  void key(const QString& keysym, int keyAscii);
  // A press on a panel control: the canvas sees neither the move nor the press, so the caller
  // replays the control's handler on core().
  void clickControl(QPoint p, int button = 1);
  // The colour bar's colours are random: the program's choice is read off the screen and
  // handed to the replay's colour bar as its random numbers.
  void replayColourBar(int button, Colour chosen);
  // A curve of many short moves, sent at once so that they queue up in the program.
  QPoint stroke(QPoint from, int radius, int steps);
  bool send();

  const QImage& predicted() const { return canvas_.Image(); }
  const Surface& canvas() const { return canvas_; }
  Kalyra& core() { return k_; }
  FakePlatform& platform() { return platform_; }

 private:
  void clickOnly(int button);

  VirtualScreen& screen_;
  int scale_;
  FakePlatform platform_;
  Surface canvas_;
  Kalyra k_{canvas_, platform_};
  QStringList commands_;
  QPoint pointer_{-1, -1};
};

int differingPixels(const QImage& shot, const QImage& expected, QPoint* first = nullptr);
bool isUniform(const QImage& shot, Colour colour);
bool allWhite(const QImage& shot);
bool containsColour(const QImage& shot, QRgb colour);

// Where a control of the window or the canvas is on the screen, in device pixels.
QRect controlOnScreen(Twips at, int scale = 1);
// A button's face colour, a little inside its top-left corner.
Colour inside(const QImage& shot, QRect r);

// Waits for the screen to show the replay's picture, checks that it does and gives the last
// screenshot.
QImage expectScreenAsPredicted(VirtualScreen& screen, const Driver& driver);
