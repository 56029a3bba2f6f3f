#pragma once

#include <QImage>
#include <QProcess>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// A virtual X server of its own, for one test: started on a free display number and stopped
// when the object goes, whatever happened in between.
class VirtualScreen {
 public:
  explicit VirtualScreen(QSize size);
  ~VirtualScreen();
  VirtualScreen(const VirtualScreen&) = delete;
  VirtualScreen& operator=(const VirtualScreen&) = delete;

  bool ready() const { return !display_.isEmpty(); }
  QSize size() const { return size_; }
  QProcessEnvironment environment() const;

  // Runs a command-line tool against this display and gives its exit status (-1 when it could
  // not run or took too long) and its output.
  int run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);
  // The whole screen as it stands; a null image when it could not be taken.
  QImage screenshot();
  // Takes screenshots until `done` holds for one, or `seconds` pass; gives the last one.
  QImage waitFor(const std::function<bool(const QImage&)>& done, double seconds);

 private:
  QSize size_;
  QProcess server_;
  QString display_;
};

// Fresh folders for the user's data, settings, cache and runtime files, so that no run sees
// another's autosave.
QProcessEnvironment freshUserFolders(const QTemporaryDir& root);

// The program running on a virtual screen, killed when the object goes unless it ended.
class RunningProgram {
 public:
  // The program runs in `directory`, or in the test's own when it is empty, with user folders
  // of its own unless `extra` names them.
  RunningProgram(VirtualScreen& screen, const QStringList& arguments,
                 const QProcessEnvironment& extra = {}, const QString& directory = {});
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // Waits for the main window to be on the screen.
  bool waitForMainWindow(double seconds);
  // Waits for a window whose title matches `title` (a regular expression) to show, or with
  // `shown` false to be gone.
  bool waitForWindow(const QString& title, double seconds, bool shown = true);
  // Waits for the program to end and gives its exit status, or -1 if it goes on running.
  int waitForExit(double seconds);
  QByteArray output() { return process_.readAllStandardOutput(); }
  QByteArray errorOutput() { return process_.readAllStandardError(); }

 private:
  VirtualScreen& screen_;
  QTemporaryDir userFolders_;
  QProcess process_;
};
