#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

#include "colour/Colour.h"

// How a file dialog opens. `filter` is in Qt's form, "Bitmap Files (*.bmp)", several filters
// separated by ";;", the first chosen at the start. Without `suffixes` no default extension is
// added: a name typed without ".bmp" is used as typed.
struct FileDialogRequest {
  QString title;
  QString filter;
  QString directory;     // the folder it opens in
  QString proposedName;  // the name it starts with; may be empty or a full path
  // For each filter, the extension (without its dot) that a name typed without one gets, so
  // that the dialog asks before replacing the file that is really written.
  QStringList suffixes = {};
};

// A file chosen in the save dialog, and which of the request's filters was chosen (0 the first).
struct FileChoice {
  FileChoice(QString name = {}, int filter = 0) : name(std::move(name)), filter(filter) {}
  QString name;
  int filter;
};

// The printer and page chosen in the print dialog, as the page lies in the chosen orientation,
// in inches. `printable` is relative to the paper's top-left corner.
struct PrintSetup {
  int copies = 1;
  bool landscape = false;
  QSizeF paper;
  QRectF printable;
};

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

  // The modal file dialogs; nothing when cancelled. The save dialog asks before replacing an
  // existing file.
  virtual std::optional<QString> chooseOpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<FileChoice> chooseSaveFile(const FileDialogRequest& request) = 0;

  // At start, before the canvas shows: whether to bring back `picture`, the canvas as it was
  // autosaved when the program last ended with unsaved changes.
  virtual bool askRestore(const QImage& picture) = 0;

  // Dots per inch of the canvas's pixels as the screen's settings count them.
  virtual double logicalDpi() = 0;

  // The modal print dialog; nothing when cancelled.
  virtual std::optional<PrintSetup> choosePrinter() = 0;
  // Prints `picture` stretched to `inches`, measured from the top-left corner of the printable
  // area, with the copies and orientation of `setup`, and ends the document. Gives the reason
  // when it could not print.
  virtual std::optional<QString> printImage(const QImage& picture, const QRectF& inches,
                                            const PrintSetup& setup) = 0;
};
