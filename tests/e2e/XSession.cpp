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
VirtualScreen::VirtualScreen(QSize size) : size_(size) {
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
}

VirtualScreen::~VirtualScreen() {
  stop(server_);
}

QProcessEnvironment VirtualScreen::environment() const {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display_);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.remove(QStringLiteral("XAUTHORITY"));
  // The toolkit's own dialogs, whatever desktop the tests are started from.
  for (const char* name : {"QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"})
    env.remove(QString::fromLatin1(name));
  env.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("suppressions=" LSAN_SUPPRESSIONS));
  return env;
}

int VirtualScreen::run(const QString& program, const QStringList& arguments, QByteArray* output) {
  QProcess tool;
  tool.setProcessEnvironment(environment());
  tool.setStandardErrorFile(QProcess::nullDevice());
  tool.start(program, arguments);
  if (!tool.waitForFinished(30000)) {
    stop(tool);
    return -1;
  }
  if (output) *output = tool.readAllStandardOutput();
  return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

QImage VirtualScreen::screenshot() {
  QByteArray png;
  if (run(QStringLiteral("import"),
          {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")},
          &png) != 0) {
    return {};
  }
  return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage VirtualScreen::waitFor(const std::function<bool(const QImage&)>& done, double seconds) {
  QElapsedTimer clock;
  clock.start();
  QImage shot;
  do {
    shot = screenshot();
    if (!shot.isNull() && done(shot)) return shot;
    QThread::msleep(150);
  } while (clock.elapsed() < seconds * 1000);
  return shot;
}

QProcessEnvironment freshUserFolders(const QTemporaryDir& root) {
  QProcessEnvironment env;
  for (const char* name :
       {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
    const QString folder = root.filePath(QString::fromLatin1(name));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert(QString::fromLatin1(name), folder);
  }
  return env;
}

RunningProgram::RunningProgram(VirtualScreen& screen, const QStringList& arguments,
                               const QProcessEnvironment& extra, const QString& directory)
    : screen_(screen) {
  QProcessEnvironment env = screen.environment();
  const QProcessEnvironment folders = freshUserFolders(userFolders_);
  for (const QString& name : folders.keys()) env.insert(name, folders.value(name));
  for (const QString& name : extra.keys()) env.insert(name, extra.value(name));
  process_.setProcessEnvironment(env);
  process_.setWorkingDirectory(directory);
  process_.start(QStringLiteral(KALYRA_BINARY), arguments);
  process_.waitForStarted(10000);
}

RunningProgram::~RunningProgram() {
  stop(process_);
}

bool RunningProgram::waitForMainWindow(double seconds) {
  return waitForWindow(QStringLiteral("^Kalyra!$"), seconds);
}

bool RunningProgram::waitForWindow(const QString& title, double seconds, bool shown) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < seconds * 1000 && process_.state() == QProcess::Running) {
    const int found = screen_.run(QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--name"), title});
    if (found == (shown ? 0 : 1)) return true;  // xdotool gives 1 when no window matches
    // Without an event loop the process's state changes only while it is waited for.
    process_.waitForFinished(150);
  }
  return false;
}

int RunningProgram::waitForExit(double seconds) {
  if (!process_.waitForFinished(int(seconds * 1000))) return -1;
  return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}
