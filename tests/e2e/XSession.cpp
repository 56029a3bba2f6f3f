#include "e2e/XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {

void stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(5000)) {
    process.kill();
    process.waitForFinished(5000);
  }
}

}  // namespace

// Xvfb picks a free display number itself and writes it to the descriptor it is given: here
// its standard output. It must not reset when its last client leaves (a screenshot, a search,
// a program that ended): a program connecting during the reset would be turned away.
XSession::XSession(QSize size) : size_(size) {
  for (const char* sub : {"work", "data", "config", "cache", "runtime"})
    QDir(home_.path()).mkpath(QString::fromLatin1(sub));
  QFile::setPermissions(home_.filePath(QStringLiteral("runtime")),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  server_.setStandardErrorFile(QProcess::nullDevice());
  server_.start(
      QStringLiteral("Xvfb"),
      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
       QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()),
       QStringLiteral("-br"), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
       QStringLiteral("tcp")});
  if (!server_.waitForStarted(10000)) return;
  QByteArray number;
  QElapsedTimer clock;
  clock.start();
  while (!number.contains('\n') && clock.elapsed() < 30000 &&
         server_.state() == QProcess::Running) {
    server_.waitForReadyRead(500);
    number += server_.readAllStandardOutput();
  }
  if (number.contains('\n')) display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
  QProcessEnvironment& env = env_;
  env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display_);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("suppressions=" LSAN_SUPPRESSIONS));
  // The toolkit's own dialogs, whatever desktop the tests are started from.
  for (const char* name : {"WAYLAND_DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORMTHEME",
                           "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"})
    env.remove(QString::fromLatin1(name));
  for (const char* name : {"data", "config", "cache", "runtime"})
    env.insert(QStringLiteral("XDG_%1_HOME").arg(QString::fromLatin1(name).toUpper()),
               home_.filePath(QString::fromLatin1(name)));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.filePath(QStringLiteral("runtime")));
  env.remove(QStringLiteral("XDG_RUNTIME_HOME"));
  program_.setWorkingDirectory(folder());
}

XSession::~XSession() {
  stop(program_);
  stop(server_);
}

int XSession::run(const QString& program, const QStringList& arguments, QByteArray* output) {
  QProcess tool;
  tool.setProcessEnvironment(env_);
  tool.setStandardErrorFile(QProcess::nullDevice());
  tool.start(program, arguments);
  if (!tool.waitForFinished(30000)) {
    stop(tool);
    return -1;
  }
  if (output) *output = tool.readAllStandardOutput();
  return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

QImage XSession::screenshot() {
  QByteArray png;
  if (run(QStringLiteral("import"), {"-window", "root", "png:-"}, &png) != 0) return {};
  return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage XSession::waitFor(const std::function<bool(const QImage&)>& done) {
  QElapsedTimer clock;
  clock.start();
  QImage shot;
  do {
    shot = screenshot();
    if (!shot.isNull() && done(shot)) return shot;
    QThread::msleep(150);
  } while (clock.elapsed() < Patience * 1000);
  return shot;
}

void XSession::start(const QStringList& arguments, const QStringList& extra) {
  stop(program_);
  QProcessEnvironment env = env_;
  for (const QString& setting : extra)
    env.insert(setting.section('=', 0, 0), setting.section('=', 1));
  program_.setProcessEnvironment(env);
  program_.start(QStringLiteral(KALYRA_BINARY), arguments);
  program_.waitForStarted(10000);
}

bool XSession::waitForWindow(const QString& title, bool shown) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < Patience * 1000 && program_.state() == QProcess::Running) {
    const int found = run(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", title});
    if (found == (shown ? 0 : 1)) return true;  // xdotool gives 1 when no window matches
    // Without an event loop the process's state changes only while it is waited for.
    program_.waitForFinished(150);
  }
  return false;
}

// The keys go to the focused window: chained to the search, xdotool would aim the key's release
// at the window its press has closed, and leave the key held down.
bool XSession::answerDialog(const QString& title, const QString& text) {
  return waitForWindow(title) &&
         xdotool({"search", "--onlyvisible", "--name", title, "windowfocus", "--sync"}) &&
         (text.isEmpty() || xdotool({"type", text})) && xdotool({"key", "Return"}) &&
         waitForWindow(title, false);
}

int XSession::waitForExit() {
  if (!program_.waitForFinished(int(Patience * 1000))) return -1;
  return program_.exitStatus() == QProcess::NormalExit ? program_.exitCode() : -1;
}
