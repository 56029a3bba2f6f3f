#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "colour/Colour.h"

// What the program needs from the machine it runs on. The core reaches dialogs, the screen,
// the clock, the current directory and random numbers only through here, so that tests can
// answer them; QtPlatform is the real implementation.
class Platform {
 public:
  virtual ~Platform() = default;

  // Screen.
  virtual QSize screenPixelSize() = 0;
  // Colour planes times bits per pixel of the display; only 16 changes what the program does.
  virtual int displayColourDepth() = 0;

  // Clock and random numbers.
  virtual double clockSeconds() = 0;  // monotonic
  virtual void seedRandomFromClock() = 0;
  virtual float randomSingle() = 0;  // uniform, 0 <= r < 1

  // Current directory of the process.
  virtual QString currentDirectory() = 0;
  virtual void setCurrentDirectory(const QString& path) = 0;

  // The modal colour dialog, opened with `initial` selected; nothing when cancelled.
  virtual std::optional<Colour> chooseColour(Colour initial) = 0;
};
