#include "app/Application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/FaceButton.h"
#include "app/MainWindow.h"
#include "app/PanelWidgets.h"
#include "app/SplashWindow.h"
#include "history/AutosaveSlot.h"
#include "l10n/Translations.h"
#include "platform/QtPlatform.h"

namespace {

// The translation context of the command line's texts.
struct CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString LangOption = QStringLiteral("lang");

void describeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      CommandLine::tr("A doodling program: every stroke is mirrored about the centre of the "
                      "screen.\nLeft click: pen down or up. Right click: show or hide the panel."));
  // Qt's own options such as -platform are single-dash words, not bundles of letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                    CommandLine::tr("Shows these options and ends.")});
  parser.addVersionOption();
  parser.addOption({LangOption,
                    CommandLine::tr("Speaks LANGUAGE (en, de, fr or es) instead of the "
                                    "language of the desktop."),
                    CommandLine::tr("LANGUAGE")});
  parser.addOption({QStringLiteral("restore"),
                    CommandLine::tr("Brings back the picture an earlier run left unsaved, "
                                    "without asking.")});
  parser.addPositionalArgument(
      CommandLine::tr("FILE"),
      CommandLine::tr("A bitmap or PNG picture to open as the background."),
      CommandLine::tr("[FILE]"));
}

QStringList argumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// The status of a command line the program cannot follow, and of a start without a display.
constexpr int RefusedStatus = 2;

QString refusal(const QString& message) {
  return CommandLine::tr("Kalyra!: %1\nTry 'kalyra --help' for the options.").arg(message) +
         QLatin1Char('\n');
}

int refuse(const QString& message) {
  std::fputs(qPrintable(refusal(message)), stderr);
  return RefusedStatus;
}

QtMessageHandler qtMessages = nullptr;
QString withoutDisplay;

// Qt ends the program with a fatal message, aborting, when no platform plugin can show a
// window; the program tells so and ends with its own status instead.
void refuseWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    qtMessages(type, context, text);
    return;
  }
  std::fputs(qPrintable(withoutDisplay), stderr);
  std::fflush(stderr);
  std::_Exit(RefusedStatus);
}

// Worded before the application object that finds no display, in the user's language.
QString wordingWithoutDisplay(int argc, char** argv, const QString& language) {
  QCoreApplication app(argc, argv);
  installTranslations(app, language);
  return refusal(CommandLine::tr("no display to show the canvas on (is DISPLAY set?)."));
}

// Help and version are answered before Qt looks for a display, so they work anywhere.
std::optional<int> answerAtOnce(int argc, char** argv, const QString& language) {
  const QStringList arguments = argumentsOf(argc, argv);
  QCommandLineParser first;
  describeOptions(first);
  (void)first.parse(arguments);  // Qt's own options are not known yet; they are checked later
  if (first.isSet(QStringLiteral("version"))) {
    std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                qPrintable(QCoreApplication::applicationVersion()));
    return 0;
  }
  if (!first.isSet(QStringLiteral("help"))) return std::nullopt;
  QCoreApplication app(argc, argv);
  installTranslations(app, language);
  QCommandLineParser parser;
  describeOptions(parser);
  (void)parser.parse(arguments);
  QString help = parser.helpText();
  help.replace(QStringLiteral("<executable_name>"), QFileInfo(arguments.value(0)).fileName());
  std::fputs(qPrintable(help), stdout);
  return 0;
}

// The language asked for with --lang (also left in `asked`), or the desktop's; nullopt for one
// the program lacks.
std::optional<QString> languageOf(int argc, char** argv, QString& asked) {
  QCommandLineParser parser;
  describeOptions(parser);
  (void)parser.parse(argumentsOf(argc, argv));
  asked = parser.value(LangOption);
  return chooseLanguage(asked, QLocale::system().uiLanguages());
}

}  // namespace

void configureApplication(QApplication& app) {
  // Docks and window lists match the window with its menu entry and show the entry's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.kalyra.kalyra"));
  app.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kalyra.kalyra")));
  installFaceButtonAccessibility();
  installTitleAccessibility();
  // Every pointer position must reach the stroke drawing. Some platforms (X11) switch event
  // compression on while the application object is made, so it is switched off afterwards.
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
}

int runKalyra(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Kalyra!"));
  QCoreApplication::setApplicationVersion(QStringLiteral("Version " KALYRA_VERSION));
  QString asked;
  const std::optional<QString> language = languageOf(argc, argv, asked);
  if (!language) {
    return refuse(CommandLine::tr("it speaks en, de, fr and es, not “%1”.").arg(asked));
  }
  if (const auto answer = answerAtOnce(argc, argv, *language)) return *answer;

  withoutDisplay = wordingWithoutDisplay(argc, argv, *language);
  qtMessages = qInstallMessageHandler(refuseWithoutDisplay);
  QApplication app(argc, argv);
  qInstallMessageHandler(qtMessages);
  configureApplication(app);
  installTranslations(app, *language);
  QCommandLineParser parser;
  describeOptions(parser);
  if (!parser.parse(app.arguments())) return refuse(parser.errorText());
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return refuse(CommandLine::tr("only one picture can be opened."));

  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return refuse(CommandLine::tr("no screen to show the canvas on."));
  const double dpi = screen->logicalDotsPerInch();
  QtPlatform platform;
  // The autosave's place is held until the window, which writes there, is gone.
  AutosaveSlot autosave(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
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
    window->recoverAndAutosave(autosave, restore);
    // The main window shows before the splash closes, so that the program always has a window.
    window->showOnScreen(screen);
    splash.close();
    window->showNotice(notice);
  });
  splash.show();
  return app.exec();
}
