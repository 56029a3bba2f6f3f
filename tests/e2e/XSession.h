#pragma once

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

inline constexpr double Patience = 60;  // seconds; a sanitizer build starts and draws slowly

// A virtual X server of its own for one test, and the real program on it, with fresh XDG
// folders and a working folder of its own, so that no run sees another's files. Everything is
// stopped when the object goes (a QProcess kills its process as it goes), whatever happened in
// between.
class XSession {
 public:
  explicit XSession(QSize size);

  // The working folder, or "data", "config", ... for the XDG folder of that name.
  QString folder(const QString& sub = QStringLiteral("work")) const { return home_.filePath(sub); }
  // Runs a command-line tool against this display: its exit status (-1 when it could not run
  // or took too long), and its output.
  int run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);
  bool xdotool(const QStringList& arguments) { return run("xdotool", arguments) == 0; }
  // Starts a command-line tool against this display and lets it run on while the test goes on.
  void runOn(QProcess& tool, const QString& program, const QStringList& arguments) {
    tool.setProcessEnvironment(env_);
    tool.start(program, arguments);
  }
  QImage screenshot();
  // Takes screenshots until `done` holds for one, or patience runs out; gives the last one.
  QImage waitFor(const std::function<bool(const QImage&)>& done);

  // Starts the program (killing one still running) with `extra` in its environment.
  void start(const QStringList& arguments, const QStringList& extra = {});
  // Starts it without the splash and waits for its window.
  bool launch(const QStringList& arguments = {}, const QStringList& extra = {}) {
    start(arguments, QStringList{"KALYRA_SPLASH_SECONDS=0"} + extra);
    return waitForWindow("^Kalyra!$");
  }
  // Stops the program with SIGKILL, as every stop here does: it has no chance to clean up.
  void killHard() { program_.kill(), program_.waitForFinished(5000); }
  // Waits for a window whose title matches `title` (a regular expression) to show.
  bool waitForWindow(const QString& title);
  int waitForExit();
  QByteArray errorOutput() { return program_.readAllStandardError(); }

 private:
  QTemporaryDir home_;
  QProcess server_, program_;
  QProcessEnvironment env_;  // for the program and the tools
};

inline const auto n = [](int value) { return QString::number(value); };
inline QStringList clickAt(QPoint p, int xButton) {
  return {"mousemove", n(p.x()), n(p.y()), "click", n(xButton)};
}
// A point of an arc from `from`, on an even pixel so that a screen of scale 2 can name it.
inline QPoint onArc(QPoint from, int radius, double angle) {
  const QPointF p = from + radius * QPointF(std::sin(angle), 1 - std::cos(angle));
  return {int(p.x()) / 2 * 2, int(p.y()) / 2 * 2};
}
// A pen-down, an arc of many short moves sent at once so that they queue up in the program, and
// a pen-up.
inline QStringList strokeFrom(QPoint from, int radius) {
  QStringList commands = clickAt(from, 1);
  for (int i = 0; i <= 40; ++i) {
    const QPoint p = onArc(from, radius, i * 3.0 / 40);
    commands << "mousemove" << n(p.x()) << n(p.y());
  }
  return commands + QStringList{"click", "1"};
}
inline int countOf(const QImage& shot, QRgb colour) {
  int count = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) count += shot.pixel(x, y) == colour;
  return count;
}
// How many pixels differ in colour; every pixel when the sizes differ.
inline int differing(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height() + 1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += ((a.pixel(x, y) ^ b.pixel(x, y)) & 0xffffff) != 0;
  return count;
}
inline bool allWhite(const QImage& s) {
  return !s.isNull() && countOf(s, qRgb(255, 255, 255)) == s.width() * s.height();
}
// Waits until the screen has changed from `before` and stops changing (two screenshots alike)
// with `also` holding: a screenshot may catch a repaint half done.
inline QImage settled(XSession& x, const QImage& before,
                      const std::function<bool(const QImage&)>& also = {}) {
  QImage last;
  return x.waitFor([&](const QImage& s) {
    return std::exchange(last, s) == s && differing(s, before) > 0 && (!also || also(s));
  });
}
