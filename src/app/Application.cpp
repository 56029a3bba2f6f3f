#include "app/Application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "history/AutosaveSlot.h"
#include "platform/QtPlatform.h"

namespace {

void describeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("A doodling program: every stroke is mirrored about the centre of the "
                     "screen.\nLeft click: pen down or up. Right click: show or hide the panel."));
  // Qt's own options such as -platform are single-dash words, not bundles of letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                    QStringLiteral("Shows these options and ends.")});
  parser.addVersionOption();
  parser.addOption({QStringLiteral("restore"),
                    QStringLiteral("Brings back the picture an earlier run left unsaved, "
                                   "without asking.")});
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("A bitmap or PNG picture to open as the background."),
                               QStringLiteral("[FILE]"));
}

QStringList argumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// Help and version are answered before Qt looks for a display, so they work anywhere.
std::optional<int> answerAtOnce(const QStringList& arguments) {
  QCommandLineParser parser;
  describeOptions(parser);
  (void)parser.parse(arguments);  // Qt's own options are not known yet; they are checked later
  if (parser.isSet(QStringLiteral("help"))) {
    QString help = parser.helpText();
    help.replace(QStringLiteral("<executable_name>"), QFileInfo(arguments.value(0)).fileName());
    std::fputs(qPrintable(help), stdout);
    return 0;
  }
  if (parser.isSet(QStringLiteral("version"))) {
    std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                qPrintable(QCoreApplication::applicationVersion()));
    return 0;
  }
  return std::nullopt;
}

int refuse(const QString& message) {
  std::fprintf(stderr, "Kalyra!: %s\nTry 'kalyra --help' for the options.\n", qPrintable(message));
  return 2;
}

}  // namespace

void configureApplication(QApplication&) {
  // Every pointer position must reach the stroke drawing. Some platforms (X11) switch event
  // compression on while the application object is made, so it is switched off afterwards.
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
}

int runKalyra(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Kalyra!"));
  QCoreApplication::setApplicationVersion(QStringLiteral("Version 2.0"));
  if (const auto answer = answerAtOnce(argumentsOf(argc, argv))) return *answer;

  QApplication app(argc, argv);
  configureApplication(app);
  QCommandLineParser parser;
  describeOptions(parser);
  if (!parser.parse(app.arguments())) return refuse(parser.errorText());
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return refuse(QStringLiteral("only one picture can be opened."));

  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return refuse(QStringLiteral("no screen to show the canvas on."));
  const double dpi = screen->logicalDotsPerInch();
  QtPlatform platform;
  // The autosave's place is held until the window, which writes there, is gone.
  const AutosaveSlot autosave(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                              QStringLiteral("/autosave"));
  const bool restore = parser.isSet(QStringLiteral("restore"));
  std::unique_ptr<MainWindow> window;
  SplashWindow splash(splashSeconds(), dpi);
  splash.move(screen->geometry().center() - splash.rect().center());
  QObject::connect(&splash, &SplashWindow::finished, &app, [&] {
    window = std::make_unique<MainWindow>(platform, dpi);
    platform.setDialogParent(window.get());
    std::optional<Notice> notice;
    if (!files.isEmpty()) notice = window->openPictureAtStart(files.front());
    // Unsaved work comes back over a picture that is on the disk anyway.
    window->recoverAndAutosave(autosave.pictureFile(), restore);
    // The main window shows before the splash closes, so that the program always has a window.
    window->showOnScreen(screen);
    splash.close();
    window->showNotice(notice);
  });
  splash.show();
  return app.exec();
}
