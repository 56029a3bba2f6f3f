#pragma once

#include <QImage>
#include <QProcess>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

inline constexpr double Patience = 60;  // seconds; a sanitizer build starts and draws slowly

// A virtual X server of its own for one test, and the real program on it, with fresh XDG
// folders and a working folder of its own, so that no run sees another's files. Everything is
// stopped when the object goes, whatever happened in between.
class XSession {
 public:
  explicit XSession(QSize size);
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  bool ready() const { return !display_.isEmpty(); }
  QString folder() const { return home_.filePath(QStringLiteral("work")); }
  // Runs a command-line tool against this display: its exit status (-1 when it could not run
  // or took too long), and its output.
  int run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);
  bool xdotool(const QStringList& arguments) {
    return run(QStringLiteral("xdotool"), arguments) == 0;
  }
  QImage screenshot();
  // Takes screenshots until `done` holds for one, or patience runs out; gives the last one.
  QImage waitFor(const std::function<bool(const QImage&)>& done);

  // Starts the program (ending one still running) with `extra` in its environment.
  void start(const QStringList& arguments, const QStringList& extra = {});
  // Waits for a window whose title matches `title` (a regular expression) to show, or with
  // `shown` false to be gone.
  bool waitForWindow(const QString& title, bool shown = true);
  // Types `text` into a dialog once it shows, presses Return and waits for it to close.
  bool answerDialog(const QString& title, const QString& text);
  int waitForExit();
  QByteArray output() { return program_.readAllStandardOutput(); }
  QByteArray errorOutput() { return program_.readAllStandardError(); }

 private:
  QSize size_;
  QTemporaryDir home_;
  QProcess server_, program_;
  QString display_;
  QProcessEnvironment env_;  // for the program and the tools
};
