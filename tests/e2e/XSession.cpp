#include "e2e/XSession.h"

#include <QThread>

// Xvfb picks a free display number itself and writes it to the descriptor it is given: here
// its standard output. It must not reset when its last client leaves (a screenshot, a search,
// a program that ended): a program connecting during the reset would be turned away.
XSession::XSession(QSize size) {
  server_.setStandardErrorFile(QProcess::nullDevice());
  server_.start("Xvfb", {"-displayfd", "1", "-screen", "0",
                         QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()), "-br",
                         "-noreset", "-nolisten", "tcp"});
  QByteArray number;
  for (QDeadlineTimer clock(30000);
       !number.contains('\n') && !clock.hasExpired() && server_.waitForStarted(10000);)
    if (server_.waitForReadyRead(500)) number += server_.readAllStandardOutput();
  env_ = QProcessEnvironment::systemEnvironment();
  env_.insert("DISPLAY", ":" + QString::fromLatin1(number.trimmed()));  // ":" is no display
  env_.insert("QT_QPA_PLATFORM", "xcb");
  env_.insert("LSAN_OPTIONS", "suppressions=" LSAN_SUPPRESSIONS);
  // The toolkit's own dialogs, whatever desktop the tests are started from.
  for (const char* name : {"WAYLAND_DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORMTHEME",
                           "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"})
    env_.remove(name);
  for (const QString name : {"DATA", "CONFIG", "CACHE", "STATE"})
    env_.insert("XDG_" + name + "_HOME", folder(name.toLower()));
  env_.insert("XDG_RUNTIME_DIR", folder("runtime"));  // the toolkit makes it, private
  QDir(home_.path()).mkpath("work");
  program_.setWorkingDirectory(folder());
}

int XSession::run(const QString& program, const QStringList& arguments, QByteArray* output) {
  QProcess tool;
  tool.setProcessEnvironment(env_);  // its error output is read and dropped as it waits
  tool.start(program, arguments);
  if (!tool.waitForFinished(30000)) return -1;  // killed as it goes
  if (output) *output = tool.readAllStandardOutput();
  return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

QImage XSession::screenshot() {
  QByteArray png;
  if (run("import", {"-window", "root", "png:-"}, &png) != 0) return {};
  return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage XSession::waitFor(const std::function<bool(const QImage&)>& done) {
  QImage shot;
  for (QDeadlineTimer clock(Patience * 1000); !clock.hasExpired(); QThread::msleep(150))
    if (shot = screenshot(); !shot.isNull() && done(shot)) break;
  return shot;
}

void XSession::start(const QStringList& arguments, const QStringList& extra) {
  killHard();
  QProcessEnvironment env = env_;
  for (const QString& setting : extra)
    env.insert(setting.section('=', 0, 0), setting.section('=', 1));
  program_.setProcessEnvironment(env);
  program_.start(KALYRA_BINARY, arguments);
  program_.waitForStarted(10000);
}

bool XSession::waitForWindow(const QString& title) {
  // xdotool gives 1 when no window matches. Without an event loop the process's state changes
  // only while it is waited for.
  for (QDeadlineTimer clock(Patience * 1000);
       !clock.hasExpired() && program_.state() == QProcess::Running; program_.waitForFinished(150))
    if (run("xdotool", {"search", "--onlyvisible", "--name", title}) == 0) return true;
  return false;
}

int XSession::waitForExit() {
  const bool ended = program_.waitForFinished(int(Patience * 1000));
  return ended && program_.exitStatus() == QProcess::NormalExit ? program_.exitCode() : -1;
}
