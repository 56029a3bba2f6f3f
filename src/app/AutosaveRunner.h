#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "history/Autosaver.h"
#include "history/History.h"

class QLabel;
class QWidget;

// Drives the autosave from the window's event loop: a tick every tenth of a second (more often
// while the copying is behind the drawing), and a quiet line at the bottom of the window when
// writing fails, which goes away by itself and never takes the pointer or the keyboard from
// the canvas.
class AutosaveRunner : public QObject {
  Q_OBJECT

 public:
  AutosaveRunner(const QString& file, const Surface& canvas, const History& history,
                 QWidget* window);
  AutosaveRunner(AutosavePlace& place, const Surface& canvas, const History& history,
                 QWidget* window);
  ~AutosaveRunner() override;

  // Writes what is not on the disk yet, for the end of the program.
  void finish();
  // Shows `text` in the quiet line, wrapped within the window.
  void tell(const QString& text);

 private:
  void start(QWidget* window);
  void tick();

  const Surface& canvas_;
  const History& history_;
  Autosaver autosaver_;
  QTimer timer_;
  QElapsedTimer clock_;
  QLabel* notice_ = nullptr;
};
